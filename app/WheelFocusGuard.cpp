#include "WheelFocusGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

WheelFocusGuard::WheelFocusGuard(QObject *parent) : QObject(parent) {}

void WheelFocusGuard::guard(QWidget *root)
{
    QList<QWidget *> fields;
    for (QAbstractSpinBox *spinBox : root->findChildren<QAbstractSpinBox *>())
        fields.append(spinBox);
    for (QComboBox *comboBox : root->findChildren<QComboBox *>())
        fields.append(comboBox);
    for (QWidget *field : qAsConst(fields)) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(this);
    }
}

bool WheelFocusGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
        return false;
    // Consumed here but not accepted: the application hands it on to the
    // parents, up to the scroll area.
    event->ignore();
    return true;
}
