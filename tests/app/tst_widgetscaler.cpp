#include "WidgetScaler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A dialog as the form designer leaves it: point sizes, 16 x 16 icons, layout spacing and margins.
struct Form {
    QDialog dialog;
    QVBoxLayout *layout = new QVBoxLayout(&dialog);
    QLabel *label = new QLabel(QStringLiteral("Drehzahl"));
    QLabel *pixelLabel = new QLabel(QStringLiteral("Pixel"));
    QPushButton *push = new QPushButton(QStringLiteral("Start"));
    QPushButton *iconOnlyPush = new QPushButton;
    QToolButton *besideTool = new QToolButton;
    QToolButton *underTool = new QToolButton;
    QCheckBox *check = new QCheckBox(QStringLiteral("Aktiv"));
    QComboBox *combo = new QComboBox;
    QDialogButtonBox *box = new QDialogButtonBox(QDialogButtonBox::Ok);

    Form(double factor, const QSize &screen, int pointSize = 8, int spacing = 6, int margin = 9)
    {
        dialog.resize(600, 400);
        layout->setSpacing(spacing);
        layout->setContentsMargins(margin, margin, margin, margin);
        for (QWidget *w : QList<QWidget *>{label, pixelLabel, push, iconOnlyPush, besideTool, underTool, check, combo, box}) {
            QFont font = w->font();
            font.setPointSize(pointSize);
            w->setFont(font);
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
    void factors_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QVector<int>>("given");    // point size, spacing, margin
        QTest::addColumn<QVector<int>>("expected"); // point size, spacing, margin, icon, check box icon
        QTest::addColumn<QSize>("dialog");
        QTest::newRow("96 dpi") << 1.0 << QVector<int>{8, 6, 9} << QVector<int>{8, 6, 9, 16, 16} << QSize(600, 400);
        QTest::newRow("144 dpi") << 1.5 << QVector<int>{8, 6, 9} << QVector<int>{12, 9, 14, 24, 36} << QSize(900, 600);
        // Fonts and spacing are truncated, margins and sizes rounded.
        QTest::newRow("120 dpi") << 1.25 << QVector<int>{10, 5, 5} << QVector<int>{12, 6, 6, 20, 25} << QSize(750, 500);
        QTest::newRow("97 dpi, within 2 %") << 97.0 / 96 << QVector<int>{8, 6, 9} << QVector<int>{8, 6, 9, 16, 16} << QSize(600, 400);
        QTest::newRow("144 dpi, odd") << 1.5 << QVector<int>{9, 5, 5} << QVector<int>{13, 7, 8, 24, 36} << QSize(900, 600);
    }

    void factors()
    {
        QFETCH(double, factor);
        QFETCH(QVector<int>, given);
        QFETCH(QVector<int>, expected);
        Form form(factor, QSize(1920, 1280), given[0], given[1], given[2]);
        for (QWidget *w : QList<QWidget *>{form.label, form.push, form.combo, form.check, form.box->buttons().first()})
            QCOMPARE(w->font().pointSize(), expected[0]);
        QCOMPARE(form.pixelLabel->font().pixelSize(), 14);
        QCOMPARE(form.layout->spacing(), expected[1]);
        QCOMPARE(form.layout->contentsMargins(), QMargins(expected[2], expected[2], expected[2], expected[2]));
        for (const QSize &icon : {form.push->iconSize(), form.besideTool->iconSize(), form.combo->iconSize()})
            QCOMPARE(icon, QSize(expected[3], expected[3]));
        QCOMPARE(form.check->iconSize(), QSize(expected[4], expected[4])); // once as a button, once as a check box
        QTEST(form.dialog.size(), "dialog");
        // Push buttons and beside-icon tool buttons with text get a leading blank, at every factor.
        const QStringList texts{form.push->text(), form.iconOnlyPush->text(), form.besideTool->text(),
                                form.underTool->text(), form.check->text()};
        QCOMPARE(texts, (QStringList{" Start", "", " Hilfe", "DIAGNOSE", "Aktiv"}));
    }

    void screenSizeClass_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("expected");
        QTest::newRow("96 dpi small") << 1.0 << QSize(800, 600) << 0;
        QTest::newRow("96.04 dpi (X screen of 1600 x 1000)") << 96.04 / 96 << QSize(1600, 1000) << 0;
        QTest::newRow("144 dpi narrow") << 1.5 << QSize(1279, 1400) << 2;
        QTest::newRow("144 dpi low") << 1.5 << QSize(1920, 1279) << 2;
        QTest::newRow("144 dpi at limit") << 1.5 << QSize(1280, 1280) << 1;
        QTest::newRow("120 dpi large") << 1.25 << QSize(2560, 1440) << 1;
    }

    // Class 2 (a small screen of high resolution) drops the text under tool button icons.
    void screenSizeClass()
    {
        QFETCH(double, factor);
        QFETCH(QSize, screen);
        QFETCH(int, expected);
        QCOMPARE(WidgetScaler::screenSizeClass(factor, screen), expected);
        Form form(factor, screen);
        QCOMPARE(form.underTool->toolButtonStyle(), expected == 2 ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        QCOMPARE(form.besideTool->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    }

    // A main window keeps its size; a label's maximum size grows only when it scales its pixmap.
    void keptSizes()
    {
        QMainWindow window;
        window.resize(800, 500);
        auto *central = new QWidget;
        window.setCentralWidget(central);
        QPixmap pixmap(10, 10);
        pixmap.fill(Qt::red);
        auto *logo = new QLabel(central), *plain = new QLabel(central);
        for (QLabel *label : {logo, plain}) {
            label->setPixmap(pixmap);
            label->setMaximumSize(100, 50);
        }
        logo->setScaledContents(true);
        WidgetScaler scaler(&window);
        scaler.setScreenMetrics(1.5, QSize(1920, 1280));
        scaler.scale();
        QCOMPARE(window.size(), QSize(800, 500));
        QCOMPARE(logo->maximumSize(), QSize(150, 75));
        QCOMPARE(plain->maximumSize(), QSize(100, 50));
    }
};

QTEST_MAIN(TestWidgetScaler)
#include "tst_widgetscaler.moc"
