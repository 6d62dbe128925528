#include "OverlayWidget.h"

#include <QLabel>
#include <QtTest>

class TestOverlayWidget : public QObject
{
    Q_OBJECT

private slots:
    void coversParentAndStaysOnTop()
    {
        QWidget window, other;
        window.resize(400, 300);
        other.resize(200, 100);
        window.show();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *overlay = new OverlayWidget(&window);
        QVERIFY(overlay->isVisible() && overlay->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(overlay->geometry(), QRect(0, 0, 400, 300));
        window.resize(520, 350);
        QCOMPARE(overlay->size(), QSize(520, 350));
        auto *later = new QLabel(QStringLiteral("nachher"), &window);
        later->setGeometry(10, 60, 100, 30);
        later->show();
        QCOMPARE(window.childAt(20, 70), overlay);

        // Moved to another parent, it follows that one only.
        overlay->setParent(&other);
        overlay->show();
        other.resize(250, 120);
        window.resize(450, 320);
        QCOMPARE(overlay->size(), QSize(250, 120));
        (new QLabel(&other))->show();
        QCOMPARE(other.children().constLast(), overlay);
    }

    void paintsTranslucentGrey()
    {
        QWidget window;
        window.resize(40, 30);
        auto *overlay = new OverlayWidget(&window);
        QImage image(overlay->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        overlay->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor pixel = image.pixelColor(20, 15);
        QVERIFY2(qAbs(pixel.alpha() - 128) <= 1 && qAbs(pixel.red() - 100) <= 1, qPrintable(pixel.name(QColor::HexArgb)));
        QVERIFY(pixel.red() == pixel.green() && pixel.red() == pixel.blue());
    }

    void withoutParentIsTopLevel()
    {
        OverlayWidget overlay(nullptr);
        QVERIFY(overlay.isWindow() && overlay.isVisible() && overlay.testAttribute(Qt::WA_TranslucentBackground));
    }
};

QTEST_MAIN(TestOverlayWidget)
#include "tst_overlaywidget.moc"
