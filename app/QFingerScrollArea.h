#pragma once

#include <QScrollArea>

class QPrivateFingerScroller;

// A scroll area that can be dragged and flicked with a finger or the mouse
// while taps still reach the widgets inside it. Used like any QScrollArea.
class QFingerScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit QFingerScrollArea(QWidget *parent = nullptr);

private:
    QPrivateFingerScroller *m_scroller = nullptr;
};
