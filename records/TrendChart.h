#pragma once

#include <QRectF>

class QPainter;
class TrendLog;

// One channel of the trend drawn with QPainter, for pages that cannot hold a
// plot widget (the service report): a frame, the course of the values between
// two times, the value range at the left and the times below.
class TrendChart
{
public:
    static void draw(QPainter &painter, const QRectF &area, const TrendLog &trend, int channel, qint64 from,
                     qint64 to);
};
