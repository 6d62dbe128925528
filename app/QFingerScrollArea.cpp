#include "QFingerScrollArea.h"

#include "QPrivateFingerScroller.h"

QFingerScrollArea::QFingerScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    // Created last so that it finds the viewport and the scroll bars.
    m_scroller = new QPrivateFingerScroller(this);
}
