#include "ScopeViewDialog.h"
#include "ui_ScopeViewDialog.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QPen>
#include <QScreen>
#include <QSettings>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_widget.h>

#include <algorithm>

namespace {

const QString SizeKey = QStringLiteral("Diagram/Size");
const QString PositionKey = QStringLiteral("Diagram/Position");
constexpr int AxisTitleSpacing = 8; // pixels between an axis title and its tick labels, at 96 dpi

QwtPlotCurve *makeCurve(const QPen &pen)
{
    auto *curve = new QwtPlotCurve(QString());
    // Clipping would cut the dots at the axis ends, where the first and last points lie.
    curve->setPaintAttribute(QwtPlotCurve::ClipPolygons, false);
    curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    curve->setPen(pen);
    return curve;
}

} // namespace

ScopeViewDialog::ScopeViewDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_ui(std::make_unique<Ui::ScopeViewDialog>())
{
    m_ui->setupUi(this);
    // Scaled before the saved geometry is applied, so that a stored size is not
    // enlarged again on every start.
    m_scaler.scale();
    loadGeometrySettings();

    m_lineCurve = makeCurve(QPen(Qt::darkGreen, 2, Qt::SolidLine));
    m_pointCurve = makeCurve(QPen(Qt::black, 5, Qt::SolidLine));
    m_pointCurve->setStyle(QwtPlotCurve::Dots);

    QwtPlot *plot = m_ui->scopeView;
    plot->enableAxis(QwtPlot::xBottom);
    plot->enableAxis(QwtPlot::yLeft);
    plot->setAxisAutoScale(QwtPlot::xBottom);
    plot->setAxisAutoScale(QwtPlot::yLeft);
    // Qwt leaves 2 px between the rotated voltage title and its tick labels,
    // too little to read them apart; the frequency title gets the same room.
    for (const int axis : {QwtPlot::yLeft, QwtPlot::xBottom})
        plot->axisWidget(axis)->setSpacing(qRound(AxisTitleSpacing * WidgetScaler::screenFactor()));
    setTitles();
    // Attached in drawing order: the dots sit on top of the line.
    m_lineCurve->attach(plot);
    m_pointCurve->attach(plot);
    updateCurves();
}

ScopeViewDialog::~ScopeViewDialog() = default;

void ScopeViewDialog::setPoints(const double *x, const double *y)
{
    if (x)
        std::copy(x, x + PointCount, m_x.begin());
    if (y)
        std::copy(y, y + PointCount, m_y.begin());
    updateCurves();
}

void ScopeViewDialog::setPoint(int index, double x, double y)
{
    if (index < 0 || index >= PointCount)
        return;
    m_x[std::size_t(index)] = x;
    m_y[std::size_t(index)] = y;
    updateCurves();
}

void ScopeViewDialog::setTitles()
{
    QwtPlot *plot = m_ui->scopeView;
    plot->setTitle(tr("U/f Diagramm"));
    plot->setAxisTitle(QwtPlot::xBottom, tr("f [Hz]"));
    plot->setAxisTitle(QwtPlot::yLeft, tr("U [V~]"));
}

void ScopeViewDialog::updateCurves()
{
    m_lineCurve->setSamples(m_x.data(), m_y.data(), PointCount);
    m_pointCurve->setSamples(m_x.data(), m_y.data(), PointCount);
    m_ui->scopeView->replot();
}

void ScopeViewDialog::loadGeometrySettings()
{
    const QSettings settings;
    const QScreen *primary = QGuiApplication::primaryScreen();
    // A damaged value, or a position on a screen that is gone, must not leave
    // the dialog larger than the screen or out of reach.
    if (settings.contains(SizeKey))
        resize(settings.value(SizeKey).toSize().boundedTo(primary->availableGeometry().size()));
    if (settings.contains(PositionKey)) {
        move(settings.value(PositionKey).toPoint());
        const QScreen *screen = QGuiApplication::screenAt(geometry().center());
        const QRect available = (screen ? screen : primary)->availableGeometry();
        if (!available.contains(geometry().center()))
            move(available.center() - rect().center());
    }
}

void ScopeViewDialog::saveGeometrySettings() const
{
    QSettings settings;
    const QRect area = geometry();
    settings.setValue(SizeKey, QSize(area.width(), area.height()));
    settings.setValue(PositionKey, pos());
}

void ScopeViewDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setTitles();
        m_ui->scopeView->replot();
    }
    QDialog::changeEvent(event);
}

void ScopeViewDialog::closeEvent(QCloseEvent *event)
{
    saveGeometrySettings();
    event->accept();
}

void ScopeViewDialog::reject()
{
    saveGeometrySettings();
    QDialog::reject();
}
