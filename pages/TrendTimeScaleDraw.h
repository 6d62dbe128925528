#pragma once

#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>

#include <QString>

// The time axis of the trend plot: values are milliseconds since the epoch,
// labels the local clock time. The zone's offset is taken once per division
// (divide()), not per label: asking the time zone means a file check each time.
class TrendTimeScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override;

    // Ticks at whole seconds, minutes or their multiples of the local clock,
    // at most about maximumMajorTicks of them; sets the label format to fit.
    QwtScaleDiv divide(double from, double to, int maximumMajorTicks);

private:
    qint64 m_offset = 0; // local time minus UTC, ms
    QString m_format = QStringLiteral("HH:mm");
};
