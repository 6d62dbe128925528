#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAbstractScrollArea;
class QMouseEvent;
class QScrollBar;
class QWidget;

// Kinetic scrolling for a scroll area. Watches the area and every widget
// inside it but the scroll bars, turns left-button drags into scrolling, keeps scrolling after a
// flick with a decaying speed and hands the events of a tap, or of a press
// held still, back to the widget that was touched.
//
// Positions are global screen pixels; speeds are pixels per 100 ms, positive
// toward higher scroll bar values.
class QPrivateFingerScroller : public QObject
{
    Q_OBJECT

public:
    enum State {
        Steady = 0,
        Pressed = 1,      // tap or drag not yet decided, events held back
        ManualScroll = 2, // the finger drags the content
        AutoScroll = 3,   // a flick is running
        Replaying = 7     // held-back events are being delivered
    };

    enum AxisState {
        AxisIdle = 0,
        AxisArmed = 1, // the bar has a range
        AxisDragging = 2,
        AxisFlicking = 3,
        AxisAtEnd = 4, // the flick ran into an end of the range
        AxisRebound = 5,
        AxisSettling = 6
    };

    // Drag threshold: sum of both directions, in pixels.
    static constexpr int DragThreshold = 20;
    // A press held this long without a drag goes to the widget.
    static constexpr int HoldTime = 200;
    static constexpr int FlickInterval = 50;
    static constexpr int MaxFlickSpeed = 100;
    static constexpr int MaxOvershoot = 150;
    static constexpr int SpeedDecayPercent = 93;
    static constexpr int SettleAcceleration = 5;

    explicit QPrivateFingerScroller(QAbstractScrollArea *area);
    ~QPrivateFingerScroller() override;

    [[nodiscard]] State state() const { return m_state; }

    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void replayEvents();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    // One scroll bar's share of a gesture.
    struct Axis {
        AxisState state = AxisIdle;
        int base = 0;   // bar value at the start of the drag or flick
        int offset = 0; // drag: current position; flick: distance since release
        int end = 0;    // the end of the range a flick ran into
        double ratio = 0.0; // bar units per screen pixel
        int speed = 0;
        int flickSpeed = 0; // speed of the sample before the last; drives the flick
    };

    // A scroll bar or its container, or a widget inside one.
    [[nodiscard]] bool isScrollBarPart(const QObject *object) const;
    bool handlePress(QObject *object, QMouseEvent *event);
    void handleMove(QMouseEvent *event);
    void handleRelease(QMouseEvent *event);
    void armAxis(Axis &axis, const QScrollBar *bar, int extent);
    void sampleSpeed(int x, int y);
    void startFlick(int x, int y);
    void stopFlick();

    // Flick steps; each returns the axis's overshoot limited to ±MaxOvershoot.
    int stepAxis(Axis &axis, QScrollBar *bar);
    int stepAtEnd(Axis &axis, QScrollBar *bar);
    void settleAxis(Axis &axis, QScrollBar *bar);
    void reboundIfFarOut(Axis &axis, int overshoot);

    void storeEvent(const QMouseEvent *event);
    void discardStoredEvents();
    void watch(QObject *object);
    void unwatch(QObject *object);

    QAbstractScrollArea *m_area = nullptr;
    State m_state = Steady;
    Axis m_horizontal;
    Axis m_vertical;
    QPointer<QWidget> m_pressedWidget;
    QList<QMouseEvent *> m_storedEvents;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_flickTimer = -1;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_lastSampleTime = 0; // ms since the press; 0 = no sample yet
    int m_lastEventTime = 0;
    QElapsedTimer m_pressClock;
    QTimer m_replayTimer;
};
