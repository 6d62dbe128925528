#include "QPrivateFingerScroller.h"

#include <QAbstractScrollArea>
#include <QChildEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimerEvent>
#include <QWidget>

namespace {

QPoint roundedGlobalPosition(const QMouseEvent *event)
{
    return QPoint(qRound(event->screenPos().x()), qRound(event->screenPos().y()));
}

// Bar value at a distance in screen pixels from a base, truncated toward zero.
int barValue(int base, int distance, double ratio)
{
    return static_cast<int>(distance * ratio + base);
}

int limitedOvershoot(const QScrollBar *bar, int value)
{
    int overshoot = 0;
    if (value < bar->minimum())
        overshoot = bar->minimum() - value;
    else if (value > bar->maximum())
        overshoot = bar->maximum() - value;
    return qBound(-QPrivateFingerScroller::MaxOvershoot, overshoot,
                  QPrivateFingerScroller::MaxOvershoot);
}

int sampledSpeed(int previous, int current, int elapsedMs)
{
    return qRound(static_cast<float>(previous - current) * 100.0f / static_cast<float>(elapsedMs));
}

} // namespace

QPrivateFingerScroller::QPrivateFingerScroller(QAbstractScrollArea *area)
    : QObject(area)
    , m_area(area)
{
    m_replayTimer.setSingleShot(true);
    connect(&m_replayTimer, &QTimer::timeout, this, &QPrivateFingerScroller::replayEvents);
    watch(area);
}

QPrivateFingerScroller::~QPrivateFingerScroller()
{
    discardStoredEvents();
}

bool QPrivateFingerScroller::isScrollBarPart(const QObject *object) const
{
    const QWidget *vertical = m_area->verticalScrollBar()->parentWidget();
    const QWidget *horizontal = m_area->horizontalScrollBar()->parentWidget();
    for (const QObject *o = object; o && o != m_area; o = o->parent()) {
        if (qobject_cast<const QScrollBar *>(o) || o == vertical || o == horizontal)
            return true;
    }
    return false;
}

bool QPrivateFingerScroller::eventFilter(QObject *object, QEvent *event)
{
    if (m_state == Replaying || !object->isWidgetType())
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (m_state == AutoScroll)
            stopFlick();
        // Scroll bars, the area's and those of widgets inside, work as scroll
        // bars: dragging a handle moves it, not the content the other way.
        if (m_state == Steady && !isScrollBarPart(object))
            return handlePress(object, mouse);
        break;
    }
    case QEvent::MouseMove:
        if (m_state == Pressed || m_state == ManualScroll) {
            handleMove(static_cast<QMouseEvent *>(event));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_state == Pressed && mouse->button() == Qt::LeftButton) {
            // A tap: hand press and release to the widget once we are out of
            // this filter.
            storeEvent(mouse);
            m_replayTimer.start(0);
            mouse->accept();
            return true;
        }
        if (m_state == ManualScroll) {
            handleRelease(mouse);
            return true;
        }
        break;
    }
    case QEvent::ChildAdded:
        watch(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::ChildRemoved:
        unwatch(static_cast<QChildEvent *>(event)->child());
        break;
    default:
        break;
    }
    return false;
}

bool QPrivateFingerScroller::handlePress(QObject *object, QMouseEvent *event)
{
    const QPoint position = roundedGlobalPosition(event);
    m_pressX = position.x();
    m_pressY = position.y();
    armAxis(m_vertical, m_area->verticalScrollBar(), m_area->height());
    armAxis(m_horizontal, m_area->horizontalScrollBar(), m_area->width());
    if (m_vertical.state == AxisIdle && m_horizontal.state == AxisIdle)
        return false; // nothing to scroll: the press belongs to the widget

    m_pressedWidget = static_cast<QWidget *>(object);
    m_state = Pressed;
    storeEvent(event);
    // The timer is restarted by every press, so a press held still always gets
    // the full hold time before it is handed on.
    m_replayTimer.start(HoldTime);
    m_pressClock.start();
    m_lastSampleTime = 0;
    event->accept();
    return true;
}

void QPrivateFingerScroller::armAxis(Axis &axis, const QScrollBar *bar, int extent)
{
    axis.base = bar->value();
    axis.offset = 0;
    axis.ratio = 0.0;
    axis.state = AxisIdle;
    if (bar->minimum() < bar->maximum() && extent > 0) {
        axis.state = AxisArmed;
        axis.ratio = static_cast<double>(bar->pageStep()) / extent;
    }
}

void QPrivateFingerScroller::handleMove(QMouseEvent *event)
{
    const QPoint position = roundedGlobalPosition(event);
    const int x = position.x();
    const int y = position.y();

    if (m_state == Pressed) {
        storeEvent(event);
        if (qAbs(m_pressX - x) + qAbs(m_pressY - y) > DragThreshold) {
            m_state = ManualScroll;
            for (Axis *axis : {&m_vertical, &m_horizontal}) {
                if (axis->state == AxisArmed)
                    axis->state = AxisDragging;
            }
            discardStoredEvents(); // the touched widget never sees the press
        }
        return;
    }

    m_horizontal.offset = x;
    m_vertical.offset = y;
    if (m_vertical.state == AxisDragging)
        m_area->verticalScrollBar()->setValue(barValue(m_vertical.base, m_pressY - y, m_vertical.ratio));
    if (m_horizontal.state == AxisDragging)
        m_area->horizontalScrollBar()->setValue(barValue(m_horizontal.base, m_pressX - x, m_horizontal.ratio));
    sampleSpeed(x, y);
    event->accept();
}

// The first sample after a press only seeds the sampling; the flick uses the
// sample before the last, which is steadier than the final jerk of the finger.
void QPrivateFingerScroller::sampleSpeed(int x, int y)
{
    const int t = static_cast<int>(m_pressClock.elapsed());
    m_lastEventTime = t;
    if (t <= m_lastSampleTime)
        return;

    if (m_lastSampleTime == 0) {
        m_horizontal.speed = m_vertical.speed = 0;
        m_horizontal.flickSpeed = m_vertical.flickSpeed = 0;
    } else {
        m_horizontal.flickSpeed = m_horizontal.speed;
        m_vertical.flickSpeed = m_vertical.speed;
        m_horizontal.speed = sampledSpeed(m_lastX, x, t - m_lastSampleTime);
        m_vertical.speed = sampledSpeed(m_lastY, y, t - m_lastSampleTime);
    }
    m_lastSampleTime = t;
    m_lastX = x;
    m_lastY = y;
}

void QPrivateFingerScroller::handleRelease(QMouseEvent *event)
{
    m_state = Steady;
    event->accept();
    if (m_lastSampleTime == 0)
        return; // no movement was sampled: the gesture simply ends
    const QPoint position = roundedGlobalPosition(event);
    startFlick(position.x(), position.y());
}

void QPrivateFingerScroller::startFlick(int x, int y)
{
    for (Axis *axis : {&m_vertical, &m_horizontal})
        axis->flickSpeed = qBound(-MaxFlickSpeed, axis->flickSpeed, MaxFlickSpeed);
    m_lastEventTime = static_cast<int>(m_pressClock.elapsed());

    // From here on the offsets count the distance flicked since the release.
    m_vertical.base = barValue(m_vertical.base, m_pressY - y, m_vertical.ratio);
    m_horizontal.base = barValue(m_horizontal.base, m_pressX - x, m_horizontal.ratio);
    m_vertical.offset = 0;
    m_horizontal.offset = 0;

    if (m_flickTimer == -1)
        m_flickTimer = startTimer(FlickInterval, Qt::CoarseTimer);
    m_state = AutoScroll;
    for (Axis *axis : {&m_vertical, &m_horizontal}) {
        if (axis->state != AxisIdle)
            axis->state = AxisFlicking;
    }
}

// A press during a flick stops it at once, timer included, so that a flick
// started right after never runs on two timers.
void QPrivateFingerScroller::stopFlick()
{
    m_state = Steady;
    m_vertical.state = AxisIdle;
    m_horizontal.state = AxisIdle;
    if (m_flickTimer != -1) {
        killTimer(m_flickTimer);
        m_flickTimer = -1;
    }
}

void QPrivateFingerScroller::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_flickTimer) {
        QObject::timerEvent(event);
        return;
    }

    const int verticalOvershoot = stepAxis(m_vertical, m_area->verticalScrollBar());
    const int horizontalOvershoot = stepAxis(m_horizontal, m_area->horizontalScrollBar());
    reboundIfFarOut(m_vertical, verticalOvershoot);
    reboundIfFarOut(m_horizontal, horizontalOvershoot);
    m_area->show();

    if (m_vertical.state == AxisIdle && m_horizontal.state == AxisIdle) {
        killTimer(m_flickTimer);
        m_flickTimer = -1;
        m_state = Steady;
    }
}

int QPrivateFingerScroller::stepAxis(Axis &axis, QScrollBar *bar)
{
    switch (axis.state) {
    case AxisIdle:
        axis.flickSpeed = 0;
        return 0;
    case AxisFlicking: {
        // Half the speed per step; the speed is in pixels per 100 ms.
        const int next = axis.offset + axis.flickSpeed / 2;
        const int value = barValue(axis.base, next, axis.ratio);
        if (value <= bar->minimum() || value >= bar->maximum()) {
            axis.state = AxisAtEnd;
            axis.end = value <= bar->minimum() ? bar->minimum() : bar->maximum();
            return stepAtEnd(axis, bar);
        }
        bar->setValue(value);
        axis.offset = next;
        axis.flickSpeed = axis.flickSpeed * SpeedDecayPercent / 100;
        if (axis.flickSpeed == 0)
            axis.state = AxisIdle;
        return 0;
    }
    case AxisAtEnd:
        return stepAtEnd(axis, bar);
    case AxisRebound: {
        const int overshoot = limitedOvershoot(bar, barValue(axis.base, axis.offset, axis.ratio));
        axis.state = AxisSettling;
        return overshoot;
    }
    case AxisSettling:
        settleAxis(axis, bar);
        return 0;
    case AxisArmed:
    case AxisDragging:
        // A new gesture owns the axis; the flick timer only ticks idly.
        return 0;
    }
    return 0;
}

// The offset runs on past the end with a halving speed while the bar itself
// stays at the end of its range.
int QPrivateFingerScroller::stepAtEnd(Axis &axis, QScrollBar *bar)
{
    if (axis.flickSpeed != 0) {
        axis.flickSpeed /= 2;
        axis.offset += axis.flickSpeed;
        const int value = barValue(axis.base, axis.offset, axis.ratio);
        bar->setValue(value);
        return limitedOvershoot(bar, value);
    }
    const int overshoot = limitedOvershoot(bar, barValue(axis.base, axis.offset, axis.ratio));
    axis.state = AxisSettling;
    return overshoot;
}

void QPrivateFingerScroller::reboundIfFarOut(Axis &axis, int overshoot)
{
    if (axis.state != AxisAtEnd || qAbs(overshoot) != MaxOvershoot)
        return;
    axis.state = AxisRebound;
    axis.flickSpeed = 0;
    axis.offset = axis.ratio != 0.0 ? static_cast<int>((-axis.base - overshoot) / axis.ratio) : 0;
}

void QPrivateFingerScroller::settleAxis(Axis &axis, QScrollBar *bar)
{
    const int value = barValue(axis.base, axis.offset, axis.ratio);
    if (value < bar->minimum() || value > bar->maximum()) {
        axis.flickSpeed += value < bar->minimum() ? SettleAcceleration : -SettleAcceleration;
        axis.offset += axis.flickSpeed;
        bar->setValue(barValue(axis.base, axis.offset, axis.ratio));
        if (qAbs(axis.flickSpeed) <= SettleAcceleration)
            axis.state = AxisIdle;
        return;
    }
    bar->setValue(axis.end);
    axis.state = AxisIdle;
}

void QPrivateFingerScroller::replayEvents()
{
    if (m_state != Pressed)
        return;

    // The filter lets everything through while replaying, so the events are
    // not caught a second time on their way to the widget.
    m_state = Replaying;
    const QPointer<QPrivateFingerScroller> alive(this);
    while (!m_storedEvents.isEmpty()) {
        QMouseEvent *stored = m_storedEvents.takeFirst();
        if (m_pressedWidget)
            QCoreApplication::instance()->notify(m_pressedWidget, stored);
        delete stored;
        if (!alive)
            return; // a slot behind the tap deleted the area
    }
    m_state = Steady;
}

void QPrivateFingerScroller::storeEvent(const QMouseEvent *event)
{
    m_storedEvents.append(new QMouseEvent(*event));
}

void QPrivateFingerScroller::discardStoredEvents()
{
    qDeleteAll(m_storedEvents);
    m_storedEvents.clear();
}

void QPrivateFingerScroller::watch(QObject *object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    const QList<QWidget *> descendants = object->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->installEventFilter(this);
}

void QPrivateFingerScroller::unwatch(QObject *object)
{
    object->removeEventFilter(this);
    const QList<QWidget *> descendants = object->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        widget->removeEventFilter(this);
}
