#pragma once

#include <QString>

class QComboBox;

// The "choose..." item of a selection box: item 0 with the data "Placeholder",
// which every check treats as no selection. Changes are made with the box's
// signals blocked, so that they never count as a user's choice. The box is
// kept wide enough for its placeholder.
class ComboBoxPlaceholder
{
public:
    // Renames an existing placeholder in place, else inserts one at the top.
    static void set(QComboBox *box, const QString &text, bool select);
    // Removes the placeholder once a real item is current.
    static void remove(QComboBox *box);
    [[nodiscard]] static bool isShown(const QComboBox *box);
    [[nodiscard]] static bool isPresent(const QComboBox *box);

private:
    static void fitWidth(QComboBox *box, const QString &text);
};
