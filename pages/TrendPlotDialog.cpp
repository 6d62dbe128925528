#include "TrendPlotDialog.h"
#include "ui_TrendPlotDialog.h"

#include "ParameterId.h"
#include "TrendLog.h"
#include "TrendSeries.h"
#include "TrendTimeScaleDraw.h"

#include <QDateTime>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPen>

#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_picker.h>
#include <qwt_plot_textlabel.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>

#include <algorithm>

namespace {

// The values a technician watches before a trip: speed, currents, voltages,
// power, temperature, I²t load, and the analog set-point inputs.
const uint16_t Offered[] = {Param::ActualFrequencyInverter, Param::CurrentRatedFrequency, Param::MotorCurrent,
                            Param::PeakCurrent,            Param::MotorVoltage,          Param::ActivePower,
                            Param::DCLinkVoltage,          Param::InputVoltageInverter,  Param::HeatSinkTemperature,
                            Param::I2TLoad,                Param::InputCurrent,          Param::InputVoltage};
const QVector<uint16_t> Shown{Param::ActualFrequencyInverter, Param::MotorCurrent, Param::DCLinkVoltage,
                              Param::HeatSinkTemperature};
const QColor Colours[] = {QColor(0x00, 0x67, 0x5d), QColor(0x1e, 0x5a, 0xc8), QColor(0xc0, 0x39, 0x2b),
                          QColor(0x8e, 0x44, 0xad), QColor(0xd3, 0x7b, 0x00), QColor(0x2c, 0x3e, 0x50)};
constexpr int MajorTimeTicks = 6;
// A drag shorter than this is a click, not a zoom.
constexpr qint64 ShortestZoom = 2000;

QString clock(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

TrendPlotDialog::TrendPlotDialog(const TrendLog &trend, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TrendPlotDialog>()), m_trend(trend)
{
    m_ui->setupUi(this);
    m_scaler.scale();
    // Return belongs to the strips' zoom, not to a default button.
    for (QPushButton *button : {m_ui->pauseButton, m_ui->resetZoomButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    m_valueMenu = new QMenu(this);
    m_ui->valuesButton->setMenu(m_valueMenu);
    fillValueMenu();

    connect(m_ui->pauseButton, &QPushButton::toggled, this, [this](bool paused) {
        m_ui->pauseButton->setText(paused ? tr("Fortsetzen") : tr("Anhalten"));
        if (!paused)
            redraw();
    });
    connect(m_ui->resetZoomButton, &QPushButton::clicked, this, &TrendPlotDialog::showLive);
    connect(&m_trend, &TrendLog::sampleAdded, this, &TrendPlotDialog::sampleAdded);

    m_to = newestTime();
    setShownParameters(Shown);
}

TrendPlotDialog::~TrendPlotDialog() = default;

QVector<uint16_t> TrendPlotDialog::offeredParameters() const
{
    QVector<uint16_t> ids;
    for (uint16_t id : Offered)
        if (m_trend.channels().channelOf(id) >= 0)
            ids << id;
    return ids;
}

void TrendPlotDialog::fillValueMenu()
{
    m_valueMenu->clear();
    for (uint16_t id : offeredParameters()) {
        const int channel = m_trend.channels().channelOf(id);
        QAction *action = m_valueMenu->addAction(m_trend.channels().captionWithUnit(channel));
        action->setCheckable(true);
        action->setChecked(m_shownChannels.contains(channel));
        action->setData(int(id));
        connect(action, &QAction::toggled, this, [this, id](bool on) {
            QVector<uint16_t> ids = shownParameters();
            if (on && !ids.contains(id))
                ids << id;
            else if (!on)
                ids.removeAll(id);
            // One value stays.
            if (ids.isEmpty()) {
                fillValueMenu();
                return;
            }
            // In the menu's order, so that the strips do not jump around.
            QVector<uint16_t> ordered;
            for (uint16_t offered : offeredParameters())
                if (ids.contains(offered))
                    ordered << offered;
            setShownParameters(ordered);
        });
    }
}

void TrendPlotDialog::setShownParameters(const QVector<uint16_t> &ids)
{
    m_shownChannels.clear();
    for (uint16_t id : ids) {
        const int channel = m_trend.channels().channelOf(id);
        if (channel >= 0 && !m_shownChannels.contains(channel) && m_shownChannels.size() < MaximumStrips)
            m_shownChannels << channel;
    }
    const bool full = m_shownChannels.size() >= MaximumStrips;
    for (QAction *action : m_valueMenu->actions()) {
        const QSignalBlocker blocker(action);
        const bool shown = m_shownChannels.contains(m_trend.channels().channelOf(uint16_t(action->data().toInt())));
        action->setChecked(shown);
        action->setEnabled(shown || !full);
    }
    rebuildStrips();
}

QVector<uint16_t> TrendPlotDialog::shownParameters() const
{
    QVector<uint16_t> ids;
    for (int channel : m_shownChannels)
        ids << m_trend.channels().id(channel);
    return ids;
}

void TrendPlotDialog::rebuildStrips()
{
    for (const Strip &strip : qAsConst(m_strips))
        delete strip.plot; // with its curve, marker and pickers
    m_strips.clear();

    const QFont axisFont = font();
    // The same width for every value axis, so that the strips' times line up.
    const int extent = QFontMetrics(axisFont).horizontalAdvance(QStringLiteral("-00000.0")) + 8;
    for (int i = 0; i < m_shownChannels.size(); ++i) {
        Strip strip;
        strip.channel = m_shownChannels.at(i);
        strip.plot = new QwtPlot(m_ui->plotArea);
        QwtPlot *plot = strip.plot;
        plot->setCanvasBackground(Qt::white);
        plot->setMinimumHeight(QFontMetrics(axisFont).height() * 7 / 2);

        strip.timeDraw = new TrendTimeScaleDraw();
        plot->setAxisScaleDraw(QwtPlot::xBottom, strip.timeDraw);
        // Only the lowest strip labels the times.
        plot->enableAxis(QwtPlot::xBottom, i == m_shownChannels.size() - 1);
        plot->setAxisAutoScale(QwtPlot::yLeft, true);
        plot->setAxisMaxMajor(QwtPlot::yLeft, 4);
        plot->setAxisMaxMinor(QwtPlot::yLeft, 2);
        plot->axisScaleDraw(QwtPlot::yLeft)->setMinimumExtent(extent);
        // The caption sits in the strip: a vertical axis title would not fit a low strip.
        strip.caption = new QwtPlotTextLabel();
        strip.caption->attach(plot);

        strip.series = new TrendSeries(m_trend, strip.channel);
        strip.curve = new QwtPlotCurve();
        strip.curve->setPen(QPen(Colours[i % int(std::size(Colours))], 1.5));
        // Many samples share a pixel column when ten minutes fill a few hundred pixels.
        strip.curve->setPaintAttribute(QwtPlotCurve::FilterPoints, true);
        strip.curve->setData(strip.series);
        strip.curve->attach(plot);

        strip.cursor = new QwtPlotMarker();
        strip.cursor->setLineStyle(QwtPlotMarker::VLine);
        strip.cursor->setLinePen(QPen(Qt::darkGray, 1, Qt::DashLine));
        strip.cursor->setVisible(m_cursor >= 0);
        strip.cursor->setXValue(double(m_cursor));
        strip.cursor->attach(plot);

        auto *canvas = qobject_cast<QwtPlotCanvas *>(plot->canvas());
        // Qwt's own buffer is made anew on every replot, twice a second here;
        // the window system buffers anyway.
        if (canvas)
            canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, false);
        plot->canvas()->setMouseTracking(true);
        auto *tracker = new QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::NoRubberBand,
                                          QwtPicker::AlwaysOff, plot->canvas());
        tracker->setStateMachine(new QwtPickerTrackerMachine());
        connect(tracker, QOverload<const QPointF &>::of(&QwtPlotPicker::moved), this,
                [this](const QPointF &point) { showCursor(qint64(point.x())); });
        auto *zoomer = new QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::RectRubberBand,
                                         QwtPicker::AlwaysOff, plot->canvas());
        zoomer->setStateMachine(new QwtPickerDragRectMachine());
        zoomer->setRubberBandPen(QPen(Qt::darkGray, 1, Qt::DotLine));
        connect(zoomer, QOverload<const QRectF &>::of(&QwtPlotPicker::selected), this, [this](const QRectF &rect) {
            const qint64 from = qint64(rect.left());
            const qint64 to = qint64(rect.right());
            if (to - from >= ShortestZoom)
                zoomTo(from, to);
        });

        m_ui->plotLayout->addWidget(plot, 1);
        m_strips.append(strip);
    }
    retranslate();
    redraw();
}

qint64 TrendPlotDialog::newestTime() const
{
    const TrendBuffer &buffer = m_trend.buffer();
    return buffer.isEmpty() ? QDateTime::currentMSecsSinceEpoch() : buffer.time(buffer.size() - 1);
}

void TrendPlotDialog::sampleAdded()
{
    if (!isVisible())
        return;
    if (isPaused()) {
        // Once the ring is full the samples move under the frozen view.
        for (const Strip &strip : qAsConst(m_strips))
            strip.series->setRange(shownFrom(), shownTo());
        return;
    }
    redraw();
}

void TrendPlotDialog::redraw()
{
    if (!isPaused())
        m_to = newestTime();
    for (const Strip &strip : qAsConst(m_strips)) {
        strip.series->setRange(shownFrom(), shownTo());
        strip.plot->setAxisScaleDiv(QwtPlot::xBottom,
                                    strip.timeDraw->divide(double(shownFrom()), double(shownTo()), MajorTimeTicks));
        strip.plot->replot();
    }
    updateCursorText();
}

void TrendPlotDialog::setPaused(bool paused)
{
    m_ui->pauseButton->setChecked(paused);
}

bool TrendPlotDialog::isPaused() const
{
    return m_ui->pauseButton->isChecked();
}

void TrendPlotDialog::zoomTo(qint64 from, qint64 to)
{
    if (to <= from)
        return;
    setPaused(true);
    m_span = to - from;
    m_to = to;
    redraw();
}

void TrendPlotDialog::showLive()
{
    m_span = LiveSpan;
    setPaused(false);
    redraw();
}

void TrendPlotDialog::showCursor(qint64 time)
{
    m_cursor = time;
    for (const Strip &strip : qAsConst(m_strips)) {
        strip.cursor->setXValue(double(time));
        strip.cursor->setVisible(true);
        strip.plot->replot();
    }
    updateCursorText();
}

void TrendPlotDialog::updateCursorText()
{
    m_ui->cursorLabel->setText(cursorText());
    m_ui->cursorLabel->setToolTip(m_ui->cursorLabel->text());
}

QString TrendPlotDialog::cursorText() const
{
    if (m_cursor < 0)
        return QString();
    const TrendBuffer &buffer = m_trend.buffer();
    const TrendChannels &channels = m_trend.channels();
    // The sample nearest to the cursor, if one lies within a poll or two of it.
    int index = buffer.firstAtOrAfter(m_cursor);
    if (index > 0 && (index == buffer.size() || m_cursor - buffer.time(index - 1) < buffer.time(index) - m_cursor))
        --index;
    const bool found = index < buffer.size() && qAbs(buffer.time(index) - m_cursor) <= 1000;
    if (!found)
        return tr("Cursor %1: keine Werte").arg(clock(m_cursor));
    QStringList values;
    for (int channel : m_shownChannels) {
        const QString unit = channels.unit(channel);
        const QString value = channels.text(channel, buffer.raw(index, channel));
        values << QStringLiteral("%1 %2").arg(channels.caption(channel), unit.isEmpty() ? value : value + QLatin1Char(' ') + unit);
    }
    return tr("Cursor %1: %2").arg(clock(m_cursor), values.join(QStringLiteral(", ")));
}

void TrendPlotDialog::retranslate()
{
    const TrendChannels &channels = m_trend.channels();
    for (const Strip &strip : qAsConst(m_strips)) {
        QwtText title(channels.captionWithUnit(strip.channel));
        title.setRenderFlags(Qt::AlignLeft | Qt::AlignTop);
        title.setColor(Colours[m_shownChannels.indexOf(strip.channel) % int(std::size(Colours))]);
        title.setBackgroundBrush(QColor(255, 255, 255, 200));
        strip.caption->setText(title);
    }
    for (QAction *action : m_valueMenu->actions())
        action->setText(channels.captionWithUnit(channels.channelOf(uint16_t(action->data().toInt()))));
    m_ui->pauseButton->setText(isPaused() ? tr("Fortsetzen") : tr("Anhalten"));
    updateCursorText();
}

void TrendPlotDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}

void TrendPlotDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Samples that came while the dialog was closed.
    redraw();
}
