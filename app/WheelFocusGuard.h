#pragma once

#include <QObject>

class QWidget;

// Spin boxes and combo boxes on the scrolling pages change their value on the
// mouse wheel only while they have the focus (given by a click or the tab
// key, not by the wheel); otherwise the wheel passes to the page and scrolls
// it, so that scrolling over a field never changes a setting by accident.
class WheelFocusGuard : public QObject
{
    Q_OBJECT

public:
    explicit WheelFocusGuard(QObject *parent = nullptr);

    // Every spin box and combo box below root as it is now.
    void guard(QWidget *root);

    bool eventFilter(QObject *watched, QEvent *event) override;
};
