#include "WidgetScaler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QSize LargeScreen(1920, 1280);

QFont withPointSize(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

// A dialog as the form designer leaves it: explicit point sizes, 16 x 16
// icons, spacing and margins set on the layout.
struct Form {
    QDialog dialog;
    QVBoxLayout *layout = new QVBoxLayout(&dialog);
    QLabel *label = new QLabel(QStringLiteral("Drehzahl"));
    QLabel *pixelLabel = new QLabel(QStringLiteral("Pixel"));
    QGroupBox *group = new QGroupBox(QStringLiteral("Motor"));
    QPushButton *push = new QPushButton(QStringLiteral("Start"));
    QPushButton *iconOnlyPush = new QPushButton;
    QToolButton *besideTool = new QToolButton;
    QToolButton *underTool = new QToolButton;
    QCheckBox *check = new QCheckBox(QStringLiteral("Aktiv"));
    QComboBox *combo = new QComboBox;
    QDialogButtonBox *box = new QDialogButtonBox(QDialogButtonBox::Ok);

    Form(int pointSize, int spacing, int margin)
    {
        dialog.resize(600, 400);
        layout->setSpacing(spacing);
        layout->setContentsMargins(margin, margin, margin, margin);
        const QList<QWidget *> widgets{label, pixelLabel, group, push, iconOnlyPush, besideTool,
                                       underTool, check, combo, box};
        for (QWidget *w : widgets) {
            w->setFont(withPointSize(w->font(), pointSize));
            layout->addWidget(w);
        }
        QFont pixelFont = pixelLabel->font();
        pixelFont.setPixelSize(14);
        pixelLabel->setFont(pixelFont);
        for (QAbstractButton *b : QList<QAbstractButton *>{push, iconOnlyPush, besideTool, underTool, check})
            b->setIconSize(QSize(16, 16));
        combo->setIconSize(QSize(16, 16));
        besideTool->setText(QStringLiteral("Hilfe"));
        besideTool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        underTool->setText(QStringLiteral("DIAGNOSE"));
        underTool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }

    void scale(double factor, const QSize &screen = LargeScreen)
    {
        WidgetScaler scaler(&dialog);
        scaler.setScreenMetrics(factor, screen);
        scaler.scale();
    }
};

} // namespace

class TestWidgetScaler : public QObject
{
    Q_OBJECT

private slots:
    void factors_data();
    void factors();
    void buttonTexts();
    void smallScreenDropsTextUnderIcon_data();
    void smallScreenDropsTextUnderIcon();
    void screenSizeClass_data();
    void screenSizeClass();
    void mainWindowKeepsItsSize();
    void scaledPixmapLabelMaximumSize();
    void primaryScreenFactor();
};

void TestWidgetScaler::factors_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("expectedPointSize");
    QTest::addColumn<int>("expectedSpacing");
    QTest::addColumn<int>("expectedMargin");
    QTest::addColumn<QSize>("expectedIcon");
    QTest::addColumn<QSize>("expectedCheckIcon");
    QTest::addColumn<QSize>("expectedDialog");

    QTest::newRow("96 dpi") << 1.0 << 8 << 6 << 9 << 8 << 6 << 9 << QSize(16, 16) << QSize(16, 16)
                            << QSize(600, 400);
    QTest::newRow("144 dpi") << 1.5 << 8 << 6 << 9 << 12 << 9 << 14 << QSize(24, 24) << QSize(36, 36)
                             << QSize(900, 600);
    // Fonts and spacing are truncated, margins and sizes rounded.
    QTest::newRow("120 dpi") << 1.25 << 10 << 5 << 5 << 12 << 6 << 6 << QSize(20, 20) << QSize(25, 25)
                             << QSize(750, 500);
    QTest::newRow("144 dpi, odd values") << 1.5 << 9 << 5 << 5 << 13 << 7 << 8 << QSize(24, 24)
                                         << QSize(36, 36) << QSize(900, 600);
}

void TestWidgetScaler::factors()
{
    QFETCH(double, factor);
    QFETCH(int, pointSize);
    QFETCH(int, spacing);
    QFETCH(int, margin);
    QFETCH(int, expectedMargin);

    Form form(pointSize, spacing, margin);
    form.scale(factor);

    for (QWidget *w : QList<QWidget *>{form.label, form.group, form.push, form.combo, form.check})
        QTEST(w->font().pointSize(), "expectedPointSize");
    // The box's buttons get the box's own point size scaled.
    QTEST(form.box->button(QDialogButtonBox::Ok)->font().pointSize(), "expectedPointSize");
    QCOMPARE(form.pixelLabel->font().pixelSize(), 14);
    QTEST(form.layout->spacing(), "expectedSpacing");
    QCOMPARE(form.layout->contentsMargins(),
             QMargins(expectedMargin, expectedMargin, expectedMargin, expectedMargin));
    QTEST(form.push->iconSize(), "expectedIcon");
    QTEST(form.besideTool->iconSize(), "expectedIcon");
    QTEST(form.combo->iconSize(), "expectedIcon");
    // Once as a button, once as a check box.
    QTEST(form.check->iconSize(), "expectedCheckIcon");
    QTEST(form.dialog.size(), "expectedDialog");
}

void TestWidgetScaler::buttonTexts()
{
    Form form(8, 6, 9);
    form.scale(1.0);

    QCOMPARE(form.push->text(), QStringLiteral(" Start"));
    QCOMPARE(form.iconOnlyPush->text(), QString());
    QCOMPARE(form.besideTool->text(), QStringLiteral(" Hilfe"));
    QCOMPARE(form.underTool->text(), QStringLiteral("DIAGNOSE"));
    QCOMPARE(form.check->text(), QStringLiteral("Aktiv"));
}

void TestWidgetScaler::smallScreenDropsTextUnderIcon_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("expectedStyle");

    QTest::newRow("144 dpi, 1366 x 768") << 1.5 << QSize(1366, 768) << int(Qt::ToolButtonIconOnly);
    QTest::newRow("144 dpi, 1920 x 1280") << 1.5 << QSize(1920, 1280) << int(Qt::ToolButtonTextUnderIcon);
    QTest::newRow("96 dpi, 1366 x 768") << 1.0 << QSize(1366, 768) << int(Qt::ToolButtonTextUnderIcon);
}

void TestWidgetScaler::smallScreenDropsTextUnderIcon()
{
    QFETCH(double, factor);
    QFETCH(QSize, screen);

    Form form(8, 6, 9);
    form.scale(factor, screen);

    QTEST(int(form.underTool->toolButtonStyle()), "expectedStyle");
    QCOMPARE(form.besideTool->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}

void TestWidgetScaler::screenSizeClass_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("expected");

    QTest::newRow("96 dpi small") << 1.0 << QSize(800, 600) << 0;
    QTest::newRow("96 dpi large") << 1.0 << QSize(3840, 2160) << 0;
    QTest::newRow("144 dpi narrow") << 1.5 << QSize(1279, 1400) << 2;
    QTest::newRow("144 dpi low") << 1.5 << QSize(1920, 1279) << 2;
    QTest::newRow("144 dpi at limit") << 1.5 << QSize(1280, 1280) << 1;
    QTest::newRow("120 dpi large") << 1.25 << QSize(2560, 1440) << 1;
}

void TestWidgetScaler::screenSizeClass()
{
    QFETCH(double, factor);
    QFETCH(QSize, screen);
    QTEST(WidgetScaler::screenSizeClass(factor, screen), "expected");
}

void TestWidgetScaler::mainWindowKeepsItsSize()
{
    QMainWindow window;
    window.resize(800, 500);
    auto *label = new QLabel(QStringLiteral("Status"));
    label->setFont(withPointSize(label->font(), 8));
    window.setCentralWidget(label);

    WidgetScaler scaler(&window);
    scaler.setScreenMetrics(1.5, LargeScreen);
    scaler.scale();

    QCOMPARE(window.size(), QSize(800, 500));
    QCOMPARE(label->font().pointSize(), 12);
}

void TestWidgetScaler::scaledPixmapLabelMaximumSize()
{
    QDialog dialog;
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::red);
    auto *logo = new QLabel(&dialog);
    logo->setPixmap(pixmap);
    logo->setScaledContents(true);
    logo->setMaximumSize(100, 50);
    auto *plain = new QLabel(&dialog);
    plain->setPixmap(pixmap);
    plain->setMaximumSize(100, 50);

    WidgetScaler scaler(&dialog);
    scaler.setScreenMetrics(1.5, LargeScreen);
    scaler.scale();

    QCOMPARE(logo->maximumSize(), QSize(150, 75));
    QCOMPARE(plain->maximumSize(), QSize(100, 50));
}

void TestWidgetScaler::primaryScreenFactor()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    QCOMPARE(WidgetScaler::screenFactor(), screen->logicalDotsPerInch() / 96.0);
    QCOMPARE(WidgetScaler::screenSizeClass(),
             WidgetScaler::screenSizeClass(WidgetScaler::screenFactor(), screen->geometry().size()));
}

QTEST_MAIN(TestWidgetScaler)
#include "tst_widgetscaler.moc"
