#include "ScopeViewDialog.h"

#include "TemporaryHomeMain.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

// Keys and texts restated from the dialog's description.
namespace {
const char sizeKey[] = "Diagram/Size";
const char positionKey[] = "Diagram/Position";

QList<QwtPlotCurve *> curves(const QwtPlot *plot)
{
    QList<QwtPlotCurve *> list;
    for (QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotCurve))
        list.append(static_cast<QwtPlotCurve *>(item));
    return list;
}

QVector<QPointF> samples(const QwtPlotCurve *curve)
{
    QVector<QPointF> points;
    for (size_t i = 0; i < curve->dataSize(); ++i)
        points.append(curve->sample(int(i)));
    return points;
}

// The motor data page's example: two slopes, flat at the end.
const double exampleX[] = {0, 333, 1135, 1666};
const double exampleY[] = {2.9, 20, 49, 49};
} // namespace

class TestScopeViewDialog : public QObject
{
    Q_OBJECT

    static QwtPlot *plot(const ScopeViewDialog &dialog) { return dialog.findChild<QwtPlot *>("scopeView"); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Orvask GmbH");
        QCoreApplication::setApplicationName("Torvana");
    }
    void init() { QSettings().clear(); }

    void form()
    {
        ScopeViewDialog dialog;
        QCOMPARE(dialog.objectName(), QString("ScopeViewDialog"));
        QCOMPARE(dialog.windowTitle(), QString("U/f Tabelle"));
        QVERIFY(!dialog.windowIcon().isNull());
        QwtPlot *view = plot(dialog);
        QVERIFY(view);
        QCOMPARE(view->title().text(), QString("U/f Diagramm"));
        QCOMPARE(view->axisTitle(QwtPlot::xBottom).text(), QString("f [Hz]"));
        QCOMPARE(view->axisTitle(QwtPlot::yLeft).text(), QString("U [V~]"));
        QVERIFY(view->axisEnabled(QwtPlot::xBottom) && view->axisEnabled(QwtPlot::yLeft));
        QVERIFY(view->axisAutoScale(QwtPlot::xBottom) && view->axisAutoScale(QwtPlot::yLeft));

        // The line first, so that the dots are drawn over it.
        const QList<QwtPlotCurve *> list = curves(view);
        QCOMPARE(list.size(), 2);
        const QwtPlotCurve *line = list.at(0);
        const QwtPlotCurve *dots = list.at(1);
        QCOMPARE(line->style(), QwtPlotCurve::Lines);
        QCOMPARE(line->pen().color(), QColor(Qt::darkGreen));
        QCOMPARE(line->pen().widthF(), 2.0);
        QCOMPARE(dots->style(), QwtPlotCurve::Dots);
        QCOMPARE(dots->pen().color(), QColor(Qt::black));
        QCOMPARE(dots->pen().widthF(), 5.0);
        for (const QwtPlotCurve *curve : list) {
            QVERIFY(curve->title().isEmpty());
            QCOMPARE(curve->pen().style(), Qt::SolidLine);
            QVERIFY(!curve->testPaintAttribute(QwtPlotCurve::ClipPolygons));
            QVERIFY(curve->testRenderHint(QwtPlotItem::RenderAntialiased));
        }
    }

    void points()
    {
        ScopeViewDialog dialog;
        const QList<QwtPlotCurve *> list = curves(plot(dialog));
        const QVector<QPointF> origin(4, QPointF(0, 0));
        for (const QwtPlotCurve *curve : list)
            QCOMPARE(samples(curve), origin);

        dialog.setPoints(exampleX, exampleY);
        const QVector<QPointF> example = {{0, 2.9}, {333, 20}, {1135, 49}, {1666, 49}};
        for (const QwtPlotCurve *curve : list)
            QCOMPARE(samples(curve), example);

        // Index 4 lies outside the table, as does -1.
        dialog.setPoint(4, 9999, 9999);
        dialog.setPoint(-1, 9999, 9999);
        for (const QwtPlotCurve *curve : list)
            QCOMPARE(samples(curve), example);

        dialog.setPoint(3, 2000, 60);
        const double voltages[] = {5, 25, 50, 55};
        dialog.setPoints(nullptr, voltages); // frequencies stay
        const QVector<QPointF> changed = {{0, 5}, {333, 25}, {1135, 50}, {2000, 55}};
        for (const QwtPlotCurve *curve : list)
            QCOMPARE(samples(curve), changed);
    }

    void axesFollowTheData()
    {
        ScopeViewDialog dialog;
        dialog.setPoints(exampleX, exampleY);
        const QwtPlot *view = plot(dialog);
        const QwtScaleDiv x = view->axisScaleDiv(QwtPlot::xBottom);
        const QwtScaleDiv y = view->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY(x.lowerBound() <= 0 && x.upperBound() >= 1666 && x.upperBound() < 2500);
        QVERIFY(y.lowerBound() <= 2.9 && y.upperBound() >= 49 && y.upperBound() < 100);
    }

    void geometryPersists()
    {
        QSize defaultSize;
        {
            ScopeViewDialog dialog;
            defaultSize = dialog.size();
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.resize(defaultSize + QSize(70, 50));
            dialog.move(123, 87);
            QVERIFY(dialog.close());
            QVERIFY(!dialog.isVisible());
        }
        QSettings settings;
        QCOMPARE(settings.value(sizeKey).toSize(), defaultSize + QSize(70, 50));
        QCOMPARE(settings.value(positionKey).toPoint(), QPoint(123, 87));

        ScopeViewDialog reopened;
        QCOMPARE(reopened.size(), defaultSize + QSize(70, 50));
        QCOMPARE(reopened.pos(), QPoint(123, 87));

        // Escape hides the dialog without a close event; the geometry is kept all the same.
        settings.clear();
        reopened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reopened));
        QTest::keyClick(&reopened, Qt::Key_Escape);
        QVERIFY(!reopened.isVisible());
        QCOMPARE(settings.value(sizeKey).toSize(), defaultSize + QSize(70, 50));
    }

    void languageChangeRetitles()
    {
        ScopeViewDialog dialog;
        const QwtPlot *view = plot(dialog);
        QTranslator english;
        QVERIFY(english.load(":/Translations/English.qm"));
        QVERIFY(QCoreApplication::installTranslator(&english));
        QTRY_COMPARE(dialog.windowTitle(), QString("V/Hz table"));
        QCOMPARE(view->title().text(), QString("V/Hz diagram"));
        QCOMPARE(view->axisTitle(QwtPlot::xBottom).text(), QString("f [Hz]"));
        QCOMPARE(view->axisTitle(QwtPlot::yLeft).text(), QString("U [V~]"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(dialog.windowTitle(), QString("U/f Tabelle"));
        QCOMPARE(view->title().text(), QString("U/f Diagramm"));
    }

    // Renders the example characteristic for a look by eye; the picture is kept
    // in the build folder.
    void renderExample()
    {
        ScopeViewDialog dialog;
        dialog.setPoints(exampleX, exampleY);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = dialog.grab().toImage();
        QVERIFY(!image.isNull());
        // The dark green line and the black dots are both on the picture.
        bool green = false;
        bool black = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green = green || c == QColor(Qt::darkGreen);
                black = black || c == QColor(Qt::black);
            }
        QVERIFY(green && black);
        // The run under a real X server names its own picture.
        const QString file =
            qEnvironmentVariable("TORVANA_UF_DIAGRAM_PICTURE", QStringLiteral(TORVANA_UF_DIAGRAM_PICTURE));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(image.save(file));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestScopeViewDialog)
#include "tst_scopeviewdialog.moc"
