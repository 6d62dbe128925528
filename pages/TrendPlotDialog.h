#pragma once

#include "WidgetScaler.h"

#include <QDialog>
#include <QVector>

#include <cstdint>
#include <memory>

class QMenu;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotMarker;
class QwtPlotTextLabel;
class TrendLog;
class TrendSeries;
class TrendTimeScaleDraw;

namespace Ui {
class TrendPlotDialog;
}

// "Verlauf der Betriebswerte": the chosen operating values over the last ten
// minutes at the poll rate, one strip per value with its caption, unit and
// axis, the strips sharing one time axis. The values come from the trend log,
// which keeps filling while the dialog is closed. "Anhalten" freezes the view,
// dragging a span over a strip zooms into it (and freezes), "Letzte 10
// Minuten" returns to the live view; the time under the mouse and the values
// there are shown above the strips. Draws only while shown.
class TrendPlotDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr qint64 LiveSpan = 10 * 60 * 1000;
    // More strips than this would be too low to read on a small screen.
    static constexpr int MaximumStrips = 6;

    // The trend log is not owned and must outlive the dialog.
    explicit TrendPlotDialog(const TrendLog &trend, QWidget *parent = nullptr);
    ~TrendPlotDialog() override;

    // The parameter numbers shown, top to bottom; numbers not polled and those
    // beyond MaximumStrips are left out.
    void setShownParameters(const QVector<uint16_t> &ids);
    [[nodiscard]] QVector<uint16_t> shownParameters() const;
    // The parameters offered in the value menu.
    [[nodiscard]] QVector<uint16_t> offeredParameters() const;

    void setPaused(bool paused);
    [[nodiscard]] bool isPaused() const;
    // Shows the span from..to (milliseconds since the epoch) and freezes the view.
    void zoomTo(qint64 from, qint64 to);
    // Back to the live view of the last ten minutes.
    void showLive();
    [[nodiscard]] qint64 shownFrom() const { return m_to - m_span; }
    [[nodiscard]] qint64 shownTo() const { return m_to; }
    // Moves the cursor line to a time, as the mouse does.
    void showCursor(qint64 time);
    [[nodiscard]] QString cursorText() const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Strip
    {
        QwtPlot *plot = nullptr;
        QwtPlotCurve *curve = nullptr;
        TrendSeries *series = nullptr; // owned by the curve
        QwtPlotMarker *cursor = nullptr;
        QwtPlotTextLabel *caption = nullptr;
        TrendTimeScaleDraw *timeDraw = nullptr; // owned by the plot's axis
        int channel = 0;
    };

    void sampleAdded();
    void rebuildStrips();
    void redraw();
    void retranslate();
    void fillValueMenu();
    void updateCursorText();
    [[nodiscard]] qint64 newestTime() const;

    std::unique_ptr<Ui::TrendPlotDialog> m_ui;
    WidgetScaler m_scaler{this};
    const TrendLog &m_trend;
    QMenu *m_valueMenu = nullptr;
    QVector<Strip> m_strips;
    QVector<int> m_shownChannels;
    qint64 m_span = LiveSpan;
    qint64 m_to = 0;
    qint64 m_cursor = -1;
};
