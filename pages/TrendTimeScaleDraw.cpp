#include "TrendTimeScaleDraw.h"

#include <QDateTime>
#include <QList>
#include <QTime>

#include <cmath>

namespace {

constexpr qint64 Day = 24 * 3600 * 1000;
// Steps in ms, finest first.
constexpr qint64 Steps[] = {1000, 2000, 5000, 10000, 15000, 30000, 60000, 120000, 300000, 600000, 900000, 1800000,
                            3600000};

} // namespace

QwtText TrendTimeScaleDraw::label(double value) const
{
    qint64 local = (qint64(std::llround(value)) + m_offset) % Day;
    if (local < 0)
        local += Day;
    return QwtText(QTime::fromMSecsSinceStartOfDay(int(local)).toString(m_format));
}

QwtScaleDiv TrendTimeScaleDraw::divide(double from, double to, int maximumMajorTicks)
{
    m_offset = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
    const double span = std::max(1.0, to - from);
    qint64 step = Steps[sizeof(Steps) / sizeof(*Steps) - 1];
    for (qint64 candidate : Steps) {
        if (span / double(candidate) <= maximumMajorTicks) {
            step = candidate;
            break;
        }
    }
    m_format = step < 60000 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    // The labels are cached by value; the format or offset may have changed,
    // and a cache kept across hours would grow with every minute shown.
    invalidateCache();
    const qint64 minor = step >= 60000 ? step / 2 : step / 5;
    QList<double> ticks[QwtScaleDiv::NTickTypes];
    // Aligned to the local clock, so that whole minutes fall on ticks.
    const qint64 first = qint64(std::ceil((from + double(m_offset)) / double(minor))) * minor - m_offset;
    for (qint64 t = first; double(t) <= to; t += minor)
        ticks[(t + m_offset) % step == 0 ? QwtScaleDiv::MajorTick : QwtScaleDiv::MinorTick] << double(t);
    return QwtScaleDiv(from, to, ticks);
}
