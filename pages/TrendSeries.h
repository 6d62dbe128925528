#pragma once

#include <qwt_series_data.h>

#include <QPointF>
#include <QRectF>

class TrendLog;

// One channel of the trend log between two times, as a Qwt curve reads it:
// the samples stay in the ring buffer, nothing is copied. x is the time in
// milliseconds since the epoch (as QwtDate counts), y the value in the units
// the pages show. setRange() must follow every change of the buffer before
// the plot draws again.
class TrendSeries : public QwtSeriesData<QPointF>
{
public:
    TrendSeries(const TrendLog &trend, int channel);

    void setRange(qint64 from, qint64 to);
    [[nodiscard]] int channel() const { return m_channel; }

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

private:
    const TrendLog &m_trend;
    int m_channel = 0;
    int m_first = 0;
    int m_end = 0;
};
