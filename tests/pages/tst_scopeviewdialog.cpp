#include "ScopeViewDialog.h"

#include "TemporaryHomeMain.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include "PageChecks.h"

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

namespace {
QVector<QVector<QPointF>> samples(const QwtPlot *plot)
{
    QVector<QVector<QPointF>> curves;
    for (const QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const auto *curve = static_cast<const QwtPlotCurve *>(item);
        curves.append(QVector<QPointF>());
        for (size_t i = 0; i < curve->dataSize(); ++i)
            curves.last().append(curve->sample(int(i)));
    }
    return curves;
}

// The motor data page's example: two slopes, flat at the end.
const double exampleX[] = {0, 333, 1135, 1666};
const double exampleY[] = {2.9, 20, 49, 49};
const QVector<QPointF> example = {{0, 2.9}, {333, 20}, {1135, 49}, {1666, 49}};
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

    void pointsAndAxes()
    {
        ScopeViewDialog dialog;
        QwtPlot *view = plot(dialog);
        QCOMPARE(dialog.windowTitle(), QString("U/f Tabelle"));
        QCOMPARE(view->title().text(), QString("U/f Diagramm"));
        QCOMPARE(view->axisTitle(QwtPlot::xBottom).text(), QString("f [Hz]"));
        QCOMPARE(view->axisTitle(QwtPlot::yLeft).text(), QString("U [V~]"));
        // The line first, so that the dots are drawn over it.
        const auto curves = view->itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(curves.size(), 2);
        QCOMPARE(static_cast<QwtPlotCurve *>(curves.at(0))->style(), QwtPlotCurve::Lines);
        QCOMPARE(static_cast<QwtPlotCurve *>(curves.at(1))->style(), QwtPlotCurve::Dots);
        QCOMPARE(samples(view), (QVector<QVector<QPointF>>(2, QVector<QPointF>(4, QPointF(0, 0)))));

        dialog.setPoints(exampleX, exampleY);
        dialog.setPoint(4, 9999, 9999);
        dialog.setPoint(-1, 9999, 9999);
        QCOMPARE(samples(view), (QVector<QVector<QPointF>>(2, example)));
        const QwtScaleDiv x = view->axisScaleDiv(QwtPlot::xBottom);
        const QwtScaleDiv y = view->axisScaleDiv(QwtPlot::yLeft);
        QVERIFY(x.lowerBound() <= 0 && x.upperBound() >= 1666 && x.upperBound() < 2500);
        QVERIFY(y.lowerBound() <= 2.9 && y.upperBound() >= 49 && y.upperBound() < 100);

        dialog.setPoint(3, 2000, 60);
        const double voltages[] = {5, 25, 50, 55};
        dialog.setPoints(nullptr, voltages); // frequencies stay
        const QVector<QPointF> changed = {{0, 5}, {333, 25}, {1135, 50}, {2000, 55}};
        QCOMPARE(samples(view), (QVector<QVector<QPointF>>(2, changed)));
    }

    void geometryPersists()
    {
        const QSize size = ScopeViewDialog().size() + QSize(70, 50);
        {
            ScopeViewDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.resize(size);
            dialog.move(123, 87);
            QVERIFY(dialog.close());
        }
        QSettings settings;
        QCOMPARE(settings.value("Diagram/Size").toSize(), size);
        QCOMPARE(settings.value("Diagram/Position").toPoint(), QPoint(123, 87));
        ScopeViewDialog reopened;
        QCOMPARE(reopened.size(), size);
        QCOMPARE(reopened.pos(), QPoint(123, 87));

        // Escape hides the dialog without a close event; the geometry is kept all the same.
        settings.clear();
        reopened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reopened));
        QTest::keyClick(&reopened, Qt::Key_Escape);
        QCOMPARE(settings.value("Diagram/Size").toSize(), size);
    }

    void languageChangeRetitles()
    {
        ScopeViewDialog dialog;
        const QwtPlot *view = plot(dialog);
        {
            English english;
            QTRY_COMPARE(dialog.windowTitle(), QString("V/Hz table"));
            QCOMPARE(view->title().text(), QString("V/Hz diagram"));
        }
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
