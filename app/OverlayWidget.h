#pragma once

#include <QColor>
#include <QWidget>

// Dims its parent while a modal dialog runs in front of it: a translucent
// grey child that covers the whole parent, follows its size and stays above
// the parent's other children. Without a parent it is a translucent
// top-level widget of default size.
class OverlayWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OverlayWidget(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fillColor{100, 100, 100, 128};
};
