#include "QFingerScrollArea.h"
#include "QPrivateFingerScroller.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

// Restated on purpose: the gesture timing is behaviour.
constexpr int HoldTimeMs = 200;
constexpr int FlickIntervalMs = 50;

class Recorder : public QWidget
{
public:
    using QWidget::QWidget;
    QVector<QEvent::Type> events;

protected:
    void mousePressEvent(QMouseEvent *e) override { events.append(e->type()); }
    void mouseMoveEvent(QMouseEvent *e) override { events.append(e->type()); }
    void mouseReleaseEvent(QMouseEvent *e) override { events.append(e->type()); }
};

// As the window delivers them: after a press every move and the release go to the pressed widget.
void send(QWidget *target, QEvent::Type type, const QPoint &global)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

struct Scene {
    QFingerScrollArea area;
    QWidget *content = new QWidget;
    QPushButton *button = new QPushButton(QStringLiteral("Taste"), content);
    Recorder *recorder = new Recorder(content);

    explicit Scene(int contentHeight, int value = 0)
    {
        area.resize(300, 200);
        content->resize(260, contentHeight);
        button->setGeometry(20, 20, 120, 40);
        recorder->setGeometry(20, 300, 200, 100);
        area.setWidget(content);
        area.show();
        if (!QTest::qWaitForWindowExposed(&area))
            qFatal("the scroll area was not shown");
        bar()->setValue(value);
    }

    QScrollBar *bar() const { return area.verticalScrollBar(); }
    QPrivateFingerScroller::State state() const { return area.findChild<QPrivateFingerScroller *>()->state(); }
    int scrolled(int pixels) const { return int(pixels * double(bar()->pageStep()) / area.height()); }

    // Drags `target` upward past the threshold (21 px), then `steps` moves of `step` pixels `pauseMs` apart.
    QPoint dragUp(QWidget *target, int steps, int step, int pauseMs = 10)
    {
        QPoint position = target->mapToGlobal(QPoint(50, 20));
        send(target, QEvent::MouseButtonPress, position);
        send(target, QEvent::MouseMove, position -= QPoint(0, 21));
        for (int i = 0; i < steps; ++i) {
            QTest::qWait(pauseMs);
            send(target, QEvent::MouseMove, position -= QPoint(0, step));
        }
        return position;
    }
};

} // namespace

class TestFingerScrollArea : public QObject
{
    Q_OBJECT

private slots:
    void tapClicksOnceAfterRelease_data()
    {
        QTest::addColumn<QPoint>("wobble");
        QTest::newRow("still") << QPoint(0, 0);
        QTest::newRow("20 px in sum") << QPoint(12, -8);
    }

    void tapClicksOnceAfterRelease()
    {
        QFETCH(QPoint, wobble);
        Scene scene(3000);
        QSignalSpy clicked(scene.button, &QAbstractButton::clicked);
        const QPoint at = scene.button->mapToGlobal(QPoint(30, 20));
        send(scene.button, QEvent::MouseButtonPress, at);
        QVERIFY(!scene.button->isDown());
        send(scene.button, QEvent::MouseMove, at + wobble);
        send(scene.button, QEvent::MouseButtonRelease, at + wobble);
        QCOMPARE(clicked.count(), 0);
        QTRY_COMPARE(clicked.count(), 1);
        QTest::qWait(HoldTimeMs + 50); // nothing is left for the hold timer to deliver again
        QVERIFY(clicked.count() == 1 && scene.bar()->value() == 0 && scene.state() == QPrivateFingerScroller::Steady);
    }

    void heldPressReachesWidget()
    {
        Scene scene(3000, 250);
        const QPoint at = scene.recorder->mapToGlobal(QPoint(100, 50));
        send(scene.recorder, QEvent::MouseButtonPress, at);
        QVERIFY(scene.recorder->events.isEmpty());
        QTRY_COMPARE(scene.recorder->events.size(), 1);
        send(scene.recorder, QEvent::MouseMove, at - QPoint(0, 40));
        send(scene.recorder, QEvent::MouseButtonRelease, at - QPoint(0, 40));
        QCOMPARE(scene.recorder->events, QVector<QEvent::Type>({QEvent::MouseButtonPress, QEvent::MouseMove,
                                                                QEvent::MouseButtonRelease}));
        QCOMPARE(scene.bar()->value(), 250);
    }

    void dragScrollsWithoutPress_data()
    {
        QTest::addColumn<int>("samples");
        QTest::newRow("released without a sample") << 0;
        QTest::newRow("one sample") << 1;
    }

    void dragScrollsWithoutPress()
    {
        QFETCH(int, samples);
        Scene scene(3000, 250);
        const QPoint end = scene.dragUp(scene.recorder, samples, 19, 0);
        QCOMPARE(scene.state(), QPrivateFingerScroller::ManualScroll);
        QCOMPARE(scene.bar()->value(), 250 + (samples ? scene.scrolled(40) : 0));
        send(scene.recorder, QEvent::MouseButtonRelease, end);
        if (!samples)
            QCOMPARE(scene.state(), QPrivateFingerScroller::Steady); // stops at once
        QTRY_COMPARE(scene.state(), QPrivateFingerScroller::Steady);
        QTest::qWait(HoldTimeMs + 50);
        QVERIFY(scene.recorder->events.isEmpty());
    }

    void flickSlowsAndStops()
    {
        Scene scene(5000);
        const QPoint end = scene.dragUp(scene.recorder, 4, 30);
        int previous = scene.bar()->value();
        QSignalSpy values(scene.bar(), &QScrollBar::valueChanged);
        send(scene.recorder, QEvent::MouseButtonRelease, end);
        QCOMPARE(scene.state(), QPrivateFingerScroller::AutoScroll);
        QTRY_COMPARE_WITH_TIMEOUT(scene.state(), QPrivateFingerScroller::Steady, 20000);
        QVERIFY(values.count() >= 3);
        QVector<int> steps;
        for (const QList<QVariant> &args : values) {
            steps.append(args.at(0).toInt() - previous);
            previous = args.at(0).toInt();
            QVERIFY2(steps.last() > 0, "a flick upward only moves toward higher values");
        }
        QVERIFY(steps.first() > steps.last() && scene.bar()->value() < scene.bar()->maximum());
        QTest::qWait(3 * FlickIntervalMs);
        QCOMPARE(scene.bar()->value(), previous);
    }

    void flickStopsAtEndOfRange()
    {
        Scene scene(3000);
        scene.bar()->setValue(scene.bar()->maximum() - 400);
        scene.recorder->move(20, scene.bar()->maximum() - 300);
        QSignalSpy values(scene.bar(), &QScrollBar::valueChanged);
        send(scene.recorder, QEvent::MouseButtonRelease, scene.dragUp(scene.recorder, 4, 15));
        QCOMPARE(scene.state(), QPrivateFingerScroller::AutoScroll);
        QTRY_COMPARE_WITH_TIMEOUT(scene.state(), QPrivateFingerScroller::Steady, 20000);
        QCOMPARE(scene.bar()->value(), scene.bar()->maximum());
        for (const QList<QVariant> &args : values)
            QVERIFY(args.at(0).toInt() <= scene.bar()->maximum());
    }

    void pressDuringFlickStopsIt()
    {
        Scene scene(5000);
        const QPoint end = scene.dragUp(scene.recorder, 4, 30);
        const int releaseValue = scene.bar()->value();
        send(scene.recorder, QEvent::MouseButtonRelease, end);
        QTRY_VERIFY(scene.bar()->value() > releaseValue);
        const QPoint at = scene.recorder->mapToGlobal(QPoint(50, 20));
        send(scene.recorder, QEvent::MouseButtonPress, at);
        QCOMPARE(scene.state(), QPrivateFingerScroller::Pressed);
        const int stopped = scene.bar()->value();
        QTest::qWait(3 * FlickIntervalMs);
        QCOMPARE(scene.bar()->value(), stopped);
        // The press began a new gesture: dragging scrolls from where the flick stopped.
        send(scene.recorder, QEvent::MouseMove, at - QPoint(0, 21));
        send(scene.recorder, QEvent::MouseMove, at - QPoint(0, 40));
        QCOMPARE(scene.bar()->value(), stopped + scene.scrolled(40));
        send(scene.recorder, QEvent::MouseButtonRelease, at - QPoint(0, 40));
    }

    void insertedWidgetIsDraggable()
    {
        Scene scene(3000);
        auto *holder = new QWidget(scene.content);
        holder->setGeometry(0, 100, 260, 60);
        auto *late = new Recorder(holder);
        late->setGeometry(10, 10, 200, 40);
        holder->show();
        send(late, QEvent::MouseButtonRelease, scene.dragUp(late, 1, 19, 0));
        QCOMPARE(scene.bar()->value(), scene.scrolled(40));
        QTRY_VERIFY(scene.state() == QPrivateFingerScroller::Steady && late->events.isEmpty());
    }

    // The area's scroll bar stays a scroll bar: dragging its handle down moves the view down, and
    // nothing flicks after the release.
    void scrollBarHandleIsNoFingerArea()
    {
        Scene scene(3000, 1400);
        QScrollBar *bar = scene.bar();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect handle = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        const QPoint at = bar->mapToGlobal(handle.center());
        send(bar, QEvent::MouseButtonPress, at);
        for (int step = 1; step <= 3; ++step)
            send(bar, QEvent::MouseMove, at + QPoint(0, 20 * step));
        send(bar, QEvent::MouseButtonRelease, at + QPoint(0, 60));
        const int dropped = bar->value();
        QVERIFY2(dropped > 1400, qPrintable(QString::number(dropped)));
        QTest::qWait(3 * FlickIntervalMs);
        QVERIFY(bar->value() == dropped && scene.state() == QPrivateFingerScroller::Steady);
    }

    void fittingContentPassesThrough()
    {
        Scene scene(150);
        QCOMPARE(scene.bar()->maximum(), 0);
        QSignalSpy clicked(scene.button, &QAbstractButton::clicked);
        const QPoint at = scene.button->mapToGlobal(QPoint(30, 20));
        send(scene.button, QEvent::MouseButtonPress, at);
        QVERIFY(scene.button->isDown());
        send(scene.button, QEvent::MouseButtonRelease, at);
        QVERIFY(clicked.count() == 1 && scene.state() == QPrivateFingerScroller::Steady);
    }
};

QTEST_MAIN(TestFingerScrollArea)
#include "tst_fingerscrollarea.moc"
