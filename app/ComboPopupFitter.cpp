#include "ComboPopupFitter.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QWidget>

#include <utility>

ComboPopupFitter::ComboPopupFitter(QObject *parent) : QObject(parent) {}

void ComboPopupFitter::fit(QWidget *root)
{
    for (QComboBox *comboBox : root->findChildren<QComboBox *>()) {
        fitList(comboBox);
        QAbstractItemModel *model = comboBox->model();
        const auto changed = [this, comboBox] { schedule(comboBox); };
        connect(model, &QAbstractItemModel::rowsInserted, comboBox, changed);
        connect(model, &QAbstractItemModel::rowsRemoved, comboBox, changed);
        connect(model, &QAbstractItemModel::dataChanged, comboBox, changed);
        connect(model, &QAbstractItemModel::modelReset, comboBox, changed);
        connect(model, &QAbstractItemModel::layoutChanged, comboBox, changed);
    }
}

void ComboPopupFitter::schedule(QComboBox *comboBox)
{
    if (m_pending.contains(comboBox))
        return;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &ComboPopupFitter::fitPending);
    m_pending.append(comboBox);
}

void ComboPopupFitter::fitPending()
{
    const QVector<QPointer<QComboBox>> pending = std::exchange(m_pending, {});
    for (const QPointer<QComboBox> &comboBox : pending) {
        if (comboBox)
            fitList(comboBox);
    }
}

// The list draws its entries as menu items (check column, margins), whose
// size hint does not depend on the text; so each text is measured as a menu
// would measure it.
void ComboPopupFitter::fitList(QComboBox *comboBox)
{
    QAbstractItemView *view = comboBox->view();
    QStyleOptionMenuItem option;
    option.initFrom(view);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NonExclusive;
    option.maxIconWidth = comboBox->iconSize().width() + 4;
    option.font = view->font();
    const QFontMetrics metrics(option.font);
    int width = 0;
    for (int i = 0; i < comboBox->count(); ++i) {
        option.text = comboBox->itemText(i);
        const int iconWidth = comboBox->itemIcon(i).isNull() ? 0 : comboBox->iconSize().width() + 4;
        const QSize text(metrics.horizontalAdvance(option.text) + iconWidth, metrics.height());
        width = qMax(width, comboBox->style()->sizeFromContents(QStyle::CT_MenuItem, &option, text, comboBox).width());
    }
    if (width <= 0)
        return;
    width += 2 * view->frameWidth();
    if (comboBox->count() > comboBox->maxVisibleItems())
        width += view->verticalScrollBar()->sizeHint().width();
    view->setMinimumWidth(width);
}
