#include "ComboBoxPlaceholder.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>

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
    fitWidth(box, text);
}

// A box takes its width from the items it holds when it is first shown; a
// placeholder that comes later, or a longer one, must not be cut all the same.
void ComboBoxPlaceholder::fitWidth(QComboBox *box, const QString &text)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.currentText = text;
    const QFontMetrics metrics = box->fontMetrics();
    const QSize content(metrics.horizontalAdvance(text), metrics.height());
    const int width = box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, box).width();
    if (width > box->minimumWidth())
        box->setMinimumWidth(width);
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
