#include "ComboBoxPlaceholder.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

const QString PlaceholderData = QStringLiteral("Placeholder");

} // namespace

void ComboBoxPlaceholder::set(QComboBox *box, const QString &text, bool select)
{
    const QSignalBlocker blocker(box);
    if (isPresent(box))
        box->setItemText(0, text);
    else
        box->insertItem(0, text, PlaceholderData);
    if (select)
        box->setCurrentIndex(0);
}

void ComboBoxPlaceholder::remove(QComboBox *box)
{
    if (!isPresent(box) || box->currentIndex() < 1)
        return;
    const QSignalBlocker blocker(box);
    box->removeItem(0);
}

bool ComboBoxPlaceholder::isShown(const QComboBox *box)
{
    return box->currentData().toString() == PlaceholderData;
}

bool ComboBoxPlaceholder::isPresent(const QComboBox *box)
{
    return box->count() > 0 && box->itemData(0).toString() == PlaceholderData;
}
