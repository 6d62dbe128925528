#include "QFingerScrollArea.h"
#include "QPrivateFingerScroller.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

// Restated here on purpose: the gesture timing and threshold are behaviour.
constexpr int HoldTimeMs = 200;
constexpr int FlickIntervalMs = 50;

class Recorder : public QWidget
{
public:
    using QWidget::QWidget;
    QVector<QEvent::Type> events;

protected:
    void mousePressEvent(QMouseEvent *) override { events.append(QEvent::MouseButtonPress); }
    void mouseMoveEvent(QMouseEvent *) override { events.append(QEvent::MouseMove); }
    void mouseReleaseEvent(QMouseEvent *) override { events.append(QEvent::MouseButtonRelease); }
};

// Mouse events as the window would deliver them: after a press every move
// and the release go to the pressed widget, positions are global.
void send(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void press(QWidget *target, const QPoint &global)
{
    send(target, QEvent::MouseButtonPress, global, Qt::LeftButton);
}

void move(QWidget *target, const QPoint &global)
{
    send(target, QEvent::MouseMove, global, Qt::LeftButton);
}

void release(QWidget *target, const QPoint &global)
{
    send(target, QEvent::MouseButtonRelease, global, Qt::NoButton);
}

struct Scene {
    QFingerScrollArea area;
    QWidget *content = new QWidget;
    QPushButton *button = new QPushButton(QStringLiteral("Taste"), content);
    Recorder *recorder = new Recorder(content);

    explicit Scene(const QSize &contentSize)
    {
        area.resize(300, 200);
        content->resize(contentSize);
        button->setGeometry(20, 20, 120, 40);
        recorder->setGeometry(20, 300, 200, 100);
        area.setWidget(content);
        area.show();
    }

    QScrollBar *bar() const { return area.verticalScrollBar(); }
    QPrivateFingerScroller *scroller() const { return area.findChild<QPrivateFingerScroller *>(); }
    double ratio() const { return double(bar()->pageStep()) / area.height(); }

    // Drags the recorder upward: past the threshold, then `steps` moves of
    // `step` pixels, `pauseMs` apart so that the speed can be sampled.
    QPoint dragUp(int steps, int step, int pauseMs)
    {
        QPoint position = recorder->mapToGlobal(QPoint(100, 50));
        press(recorder, position);
        position.ry() -= 21;
        move(recorder, position);
        for (int i = 0; i < steps; ++i) {
            if (pauseMs > 0)
                QTest::qWait(pauseMs);
            position.ry() -= step;
            move(recorder, position);
        }
        return position;
    }
};

} // namespace

class TestFingerScrollArea : public QObject
{
    Q_OBJECT

private slots:
    void tapClicksOnceAfterRelease_data();
    void tapClicksOnceAfterRelease();
    void heldPressReachesWidget();
    void dragScrollsWithoutPress();
    void releaseWithoutSampleStopsAtOnce();
    void flickSlowsAndStops();
    void flickStopsAtEndOfRange();
    void pressDuringFlickStopsIt();
    void insertedWidgetIsDraggable();
    void fittingContentPassesThrough();
};

void TestFingerScrollArea::tapClicksOnceAfterRelease_data()
{
    QTest::addColumn<QPoint>("wobble");
    QTest::newRow("still") << QPoint(0, 0);
    QTest::newRow("20 px in sum") << QPoint(12, -8);
}

void TestFingerScrollArea::tapClicksOnceAfterRelease()
{
    QFETCH(QPoint, wobble);
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    QSignalSpy clicked(scene.button, &QAbstractButton::clicked);
    const QPoint at = scene.button->mapToGlobal(QPoint(30, 20));

    press(scene.button, at);
    QVERIFY(!scene.button->isDown());
    move(scene.button, at + wobble);
    release(scene.button, at + wobble);
    QCOMPARE(clicked.count(), 0);

    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(scene.bar()->value(), 0);
    // Nothing is left over for the hold timer to deliver again.
    QTest::qWait(HoldTimeMs + 50);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::Steady);
}

void TestFingerScrollArea::heldPressReachesWidget()
{
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    scene.bar()->setValue(250);
    const QPoint at = scene.recorder->mapToGlobal(QPoint(100, 50));

    press(scene.recorder, at);
    QVERIFY(scene.recorder->events.isEmpty());
    QTRY_COMPARE(scene.recorder->events,
                 QVector<QEvent::Type>({QEvent::MouseButtonPress}));

    move(scene.recorder, at - QPoint(0, 40));
    release(scene.recorder, at - QPoint(0, 40));
    QCOMPARE(scene.recorder->events,
             QVector<QEvent::Type>({QEvent::MouseButtonPress, QEvent::MouseMove,
                                    QEvent::MouseButtonRelease}));
    QCOMPARE(scene.bar()->value(), 250);
}

void TestFingerScrollArea::dragScrollsWithoutPress()
{
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    scene.bar()->setValue(250);

    const QPoint end = scene.dragUp(1, 19, 0);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::ManualScroll);
    QCOMPARE(scene.bar()->value(), int(40 * scene.ratio() + 250));
    release(scene.recorder, end);

    QTRY_COMPARE(scene.scroller()->state(), QPrivateFingerScroller::Steady);
    QTest::qWait(HoldTimeMs + 50);
    QVERIFY(scene.recorder->events.isEmpty());
}

void TestFingerScrollArea::releaseWithoutSampleStopsAtOnce()
{
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    scene.bar()->setValue(250);

    const QPoint end = scene.dragUp(0, 0, 0);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::ManualScroll);
    release(scene.recorder, end);

    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::Steady);
    QCOMPARE(scene.bar()->value(), 250);
    QVERIFY(scene.recorder->events.isEmpty());
}

void TestFingerScrollArea::flickSlowsAndStops()
{
    Scene scene(QSize(260, 5000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));

    const QPoint end = scene.dragUp(4, 30, 10);
    const int releaseValue = scene.bar()->value();
    QSignalSpy values(scene.bar(), &QScrollBar::valueChanged);
    release(scene.recorder, end);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::AutoScroll);

    QTRY_COMPARE_WITH_TIMEOUT(scene.scroller()->state(), QPrivateFingerScroller::Steady, 20000);
    QVERIFY(values.count() >= 3);
    QVector<int> steps;
    int previous = releaseValue;
    for (const QList<QVariant> &args : values) {
        steps.append(args.at(0).toInt() - previous);
        previous = args.at(0).toInt();
    }
    for (int step : steps)
        QVERIFY2(step > 0, "a flick upward only moves toward higher values");
    QVERIFY(steps.first() > steps.last());
    QVERIFY(scene.bar()->value() > releaseValue);
    QVERIFY(scene.bar()->value() < scene.bar()->maximum());

    // It has really stopped.
    const int stopped = scene.bar()->value();
    QTest::qWait(3 * FlickIntervalMs);
    QCOMPARE(scene.bar()->value(), stopped);
}

void TestFingerScrollArea::flickStopsAtEndOfRange()
{
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    scene.bar()->setValue(scene.bar()->maximum() - 400);
    scene.recorder->move(20, scene.bar()->maximum() - 300);

    QSignalSpy values(scene.bar(), &QScrollBar::valueChanged);
    const QPoint end = scene.dragUp(4, 15, 10);
    release(scene.recorder, end);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::AutoScroll);

    QTRY_COMPARE_WITH_TIMEOUT(scene.scroller()->state(), QPrivateFingerScroller::Steady, 20000);
    QCOMPARE(scene.bar()->value(), scene.bar()->maximum());
    for (const QList<QVariant> &args : values)
        QVERIFY(args.at(0).toInt() <= scene.bar()->maximum());
}

void TestFingerScrollArea::pressDuringFlickStopsIt()
{
    Scene scene(QSize(260, 5000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));

    const QPoint end = scene.dragUp(4, 30, 10);
    const int releaseValue = scene.bar()->value();
    release(scene.recorder, end);
    QTRY_VERIFY(scene.bar()->value() > releaseValue);

    const QPoint at = scene.recorder->mapToGlobal(QPoint(100, 50));
    press(scene.recorder, at);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::Pressed);
    const int stopped = scene.bar()->value();
    QTest::qWait(3 * FlickIntervalMs);
    QCOMPARE(scene.bar()->value(), stopped);

    // The press began a new gesture: dragging it scrolls from where the flick stopped.
    move(scene.recorder, at - QPoint(0, 21));
    move(scene.recorder, at - QPoint(0, 40));
    QCOMPARE(scene.bar()->value(), int(40 * scene.ratio() + stopped));
    release(scene.recorder, at - QPoint(0, 40));
}

void TestFingerScrollArea::insertedWidgetIsDraggable()
{
    Scene scene(QSize(260, 3000));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));

    auto *late = new Recorder;
    auto *holder = new QWidget(scene.content);
    holder->setGeometry(0, 100, 260, 60);
    late->setParent(holder);
    late->setGeometry(10, 10, 200, 40);
    holder->show();

    const QPoint at = late->mapToGlobal(QPoint(50, 20));
    press(late, at);
    move(late, at - QPoint(0, 21));
    move(late, at - QPoint(0, 40));
    QCOMPARE(scene.bar()->value(), int(40 * scene.ratio()));
    release(late, at - QPoint(0, 40));
    QTRY_COMPARE(scene.scroller()->state(), QPrivateFingerScroller::Steady);
    QVERIFY(late->events.isEmpty());
}

void TestFingerScrollArea::fittingContentPassesThrough()
{
    Scene scene(QSize(200, 150));
    QVERIFY(QTest::qWaitForWindowExposed(&scene.area));
    QCOMPARE(scene.bar()->maximum(), 0);
    QSignalSpy clicked(scene.button, &QAbstractButton::clicked);
    const QPoint at = scene.button->mapToGlobal(QPoint(30, 20));

    press(scene.button, at);
    QVERIFY(scene.button->isDown());
    release(scene.button, at);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(scene.scroller()->state(), QPrivateFingerScroller::Steady);
}

QTEST_MAIN(TestFingerScrollArea)
#include "tst_fingerscrollarea.moc"
