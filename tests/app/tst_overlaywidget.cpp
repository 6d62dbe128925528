#include "OverlayWidget.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

class TestOverlayWidget : public QObject
{
    Q_OBJECT

private slots:
    void coversAndFollowsParent();
    void laterChildLiesBelow();
    void paintsTranslucentGrey();
    void withoutParentIsTopLevel();
    void followsNewParent();
};

void TestOverlayWidget::coversAndFollowsParent()
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *overlay = new OverlayWidget(&window);
    QVERIFY(overlay->isVisible());
    QVERIFY(overlay->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(overlay->geometry(), QRect(0, 0, 400, 300));

    window.resize(520, 350);
    QCOMPARE(overlay->size(), QSize(520, 350));
    window.resize(300, 200);
    QCOMPARE(overlay->size(), QSize(300, 200));
}

void TestOverlayWidget::laterChildLiesBelow()
{
    QWidget window;
    window.resize(400, 300);
    auto *before = new QLabel(QStringLiteral("vorher"), &window);
    before->setGeometry(10, 10, 100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *overlay = new OverlayWidget(&window);
    auto *after = new QLabel(QStringLiteral("nachher"), &window);
    after->setGeometry(10, 60, 100, 30);
    after->show();

    // Siblings are stacked in the order of the parent's child list.
    QCOMPARE(window.children().constLast(), overlay);
    QCOMPARE(window.childAt(20, 20), overlay);
    QCOMPARE(window.childAt(20, 70), overlay);
}

void TestOverlayWidget::paintsTranslucentGrey()
{
    QWidget window;
    window.resize(40, 30);
    auto *overlay = new OverlayWidget(&window);

    QImage image(overlay->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    overlay->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

    const QColor pixel = image.pixelColor(20, 15);
    QVERIFY2(qAbs(pixel.alpha() - 128) <= 1, qPrintable(QString::number(pixel.alpha())));
    QVERIFY2(qAbs(pixel.red() - 100) <= 1, qPrintable(QString::number(pixel.red())));
    QCOMPARE(pixel.red(), pixel.green());
    QCOMPARE(pixel.red(), pixel.blue());
}

void TestOverlayWidget::withoutParentIsTopLevel()
{
    OverlayWidget overlay(nullptr);
    QVERIFY(overlay.isWindow());
    QVERIFY(overlay.isVisible());
    QVERIFY(overlay.testAttribute(Qt::WA_TranslucentBackground));
}

void TestOverlayWidget::followsNewParent()
{
    QWidget first;
    first.resize(400, 300);
    QWidget second;
    second.resize(200, 100);
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    auto *overlay = new OverlayWidget(&first);
    overlay->setParent(&second);
    overlay->show();

    second.resize(250, 120);
    QCOMPARE(overlay->size(), QSize(250, 120));
    first.resize(450, 320);
    QCOMPARE(overlay->size(), QSize(250, 120));

    auto *sibling = new QLabel(&second);
    sibling->show();
    QCOMPARE(second.children().constLast(), overlay);
}

QTEST_MAIN(TestOverlayWidget)
#include "tst_overlaywidget.moc"
