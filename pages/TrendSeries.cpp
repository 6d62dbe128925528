#include "TrendSeries.h"

#include "TrendLog.h"

#include <algorithm>

TrendSeries::TrendSeries(const TrendLog &trend, int channel) : m_trend(trend), m_channel(channel) {}

void TrendSeries::setRange(qint64 from, qint64 to)
{
    const TrendBuffer &buffer = m_trend.buffer();
    m_first = buffer.firstAtOrAfter(from);
    m_end = buffer.firstAtOrAfter(to + 1);
    double low = 0;
    double high = 0;
    for (int i = m_first; i < m_end; ++i) {
        const double v = m_trend.channels().value(m_channel, buffer.raw(i, m_channel));
        low = i == m_first ? v : std::min(low, v);
        high = i == m_first ? v : std::max(high, v);
    }
    // Qwt asks for the bounding rectangle to scale the axes; computed once here.
    this->d_boundingRect = m_end > m_first ? QRectF(double(buffer.time(m_first)), low,
                                              double(buffer.time(m_end - 1) - buffer.time(m_first)), high - low)
                                     : QRectF(0, 0, -1, -1);
}

size_t TrendSeries::size() const
{
    return size_t(std::max(0, m_end - m_first));
}

QPointF TrendSeries::sample(size_t i) const
{
    const TrendBuffer &buffer = m_trend.buffer();
    const int index = m_first + int(i);
    return {double(buffer.time(index)), m_trend.channels().value(m_channel, buffer.raw(index, m_channel))};
}

QRectF TrendSeries::boundingRect() const
{
    return this->d_boundingRect;
}
