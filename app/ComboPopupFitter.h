#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

class QComboBox;
class QWidget;

// A combo box's list opens as wide as the box itself, and the style sheet's
// padding then cuts longer entries in the middle ("Direction… rotation").
// The fitter keeps each list at least as wide as its longest entry, and
// follows later changes of the entries (refills, a language switch).
class ComboPopupFitter : public QObject
{
    Q_OBJECT

public:
    explicit ComboPopupFitter(QObject *parent = nullptr);

    // Every combo box below root as it is now.
    void fit(QWidget *root);

private:
    void schedule(QComboBox *comboBox);
    void fitPending();
    static void fitList(QComboBox *comboBox);

    // Refills come item by item; the lists are fitted once afterwards.
    QVector<QPointer<QComboBox>> m_pending;
};
