#include "OverlayWidget.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>

OverlayWidget::OverlayWidget(QWidget *parent)
    : QWidget(parent)
{
    // The base constructor delivers ParentChange before this class's event()
    // exists, so the first parent is hooked up here.
    if (parent) {
        parent->installEventFilter(this);
        resize(parent->size());
        raise();
    }
    setAttribute(Qt::WA_TranslucentBackground);
    show();
}

bool OverlayWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ParentAboutToChange) {
        if (QWidget *oldParent = parentWidget())
            oldParent->removeEventFilter(this);
    } else if (event->type() == QEvent::ParentChange) {
        if (QWidget *newParent = parentWidget()) {
            newParent->installEventFilter(this);
            raise();
        }
    }
    return QWidget::event(event);
}

bool OverlayWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize)
            resize(static_cast<QResizeEvent *>(event)->size());
        else if (event->type() == QEvent::ChildAdded)
            raise(); // a later sibling must not cover the overlay
    }
    return QWidget::eventFilter(watched, event);
}

void OverlayWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_fillColor);
}
