#include "TrendChart.h"

#include "TrendLog.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {
// Four missed polls.
constexpr qint64 GapMs = 2000;
} // namespace

void TrendChart::draw(QPainter &painter, const QRectF &area, const TrendLog &trend, int channel, qint64 from,
                      qint64 to)
{
    const TrendBuffer &buffer = trend.buffer();
    const TrendChannels &channels = trend.channels();
    painter.save();
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("00000.0"));
    const double lineHeight = metrics.height();
    const QRectF plot(area.left() + labelWidth + lineHeight * 0.3, area.top() + lineHeight * 1.3,
                      area.width() - labelWidth - lineHeight * 0.3, area.height() - 2.5 * lineHeight);

    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     channels.captionWithUnit(channel));
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawRect(plot);

    const int first = buffer.firstAtOrAfter(from);
    const int end = buffer.firstAtOrAfter(to + 1);
    double low = 0;
    double high = 0;
    for (int i = first; i < end; ++i) {
        const double v = channels.value(channel, buffer.raw(i, channel));
        low = i == first ? v : std::min(low, v);
        high = i == first ? v : std::max(high, v);
    }
    if (high - low < 1e-9) {
        // A flat course sits in the middle of a small range.
        const double margin = std::max(1.0, std::fabs(high) * 0.1);
        low -= margin;
        high += margin;
    }
    const double span = double(std::max<qint64>(1, to - from));
    painter.setPen(QPen(QColor(0x00, 0x67, 0x5d), 0));
    QPolygonF line;
    line.reserve(end - first);
    for (int i = first; i < end; ++i) {
        // A time without polls (no connection) is a gap, not a straight line.
        if (i > first && buffer.time(i) - buffer.time(i - 1) > GapMs) {
            painter.drawPolyline(line);
            line.clear();
        }
        const double x = plot.left() + plot.width() * double(buffer.time(i) - from) / span;
        const double v = channels.value(channel, buffer.raw(i, channel));
        const double y = plot.bottom() - plot.height() * (v - low) / (high - low);
        line << QPointF(x, y);
    }
    painter.drawPolyline(line);

    painter.setPen(Qt::black);
    const int decimals = channels.decimals(channel);
    painter.drawText(QRectF(area.left(), plot.top(), labelWidth, lineHeight), Qt::AlignRight | Qt::AlignTop,
                     QString::number(high, 'f', decimals));
    painter.drawText(QRectF(area.left(), plot.bottom() - lineHeight, labelWidth, lineHeight),
                     Qt::AlignRight | Qt::AlignBottom, QString::number(low, 'f', decimals));
    const QRectF times(plot.left(), plot.bottom() + lineHeight * 0.1, plot.width(), lineHeight);
    const QString format = QStringLiteral("HH:mm:ss");
    painter.drawText(times, Qt::AlignLeft | Qt::AlignTop, QDateTime::fromMSecsSinceEpoch(from).toString(format));
    painter.drawText(times, Qt::AlignRight | Qt::AlignTop, QDateTime::fromMSecsSinceEpoch(to).toString(format));
    painter.restore();
}
