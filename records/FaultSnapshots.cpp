#include "FaultSnapshots.h"

#include "BackgroundFileWriter.h"
#include "TrendCsv.h"
#include "TrendLog.h"

#include <algorithm>

FaultSnapshots::FaultSnapshots(const QString &folder, const TrendLog &trend, BackgroundFileWriter &writer,
                               QObject *parent)
    : QObject(parent), m_folder(folder), m_trend(trend), m_writer(writer)
{
}

FaultSnapshots::~FaultSnapshots()
{
    writePending();
}

QString FaultSnapshots::fileName(const QString &folder, uint16_t serial, const QDateTime &time, int code)
{
    return QStringLiteral("%1/%2 %3 E%4.csv")
        .arg(folder)
        .arg(serial)
        .arg(time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")))
        .arg(code);
}

void FaultSnapshots::errorAppeared(int code, uint16_t serial, const QDateTime &time)
{
    m_pending.append({code, serial, time});
}

void FaultSnapshots::sampleAdded()
{
    const TrendBuffer &buffer = m_trend.buffer();
    if (m_pending.isEmpty() || buffer.isEmpty())
        return;
    const qint64 newest = buffer.time(buffer.size() - 1);
    for (int i = 0; i < m_pending.size();) {
        if (newest >= m_pending.at(i).time.toMSecsSinceEpoch() + After) {
            write(m_pending.takeAt(i));
            continue;
        }
        ++i;
    }
}

void FaultSnapshots::writePending()
{
    for (const Pending &pending : qAsConst(m_pending))
        write(pending);
    m_pending.clear();
}

void FaultSnapshots::write(const Pending &pending)
{
    const TrendBuffer &buffer = m_trend.buffer();
    const qint64 at = pending.time.toMSecsSinceEpoch();
    const int first = buffer.firstAtOrAfter(at - Before);
    // Up to the first sample at or after the end of the span, so that the
    // file covers all of it.
    const int end = std::min(buffer.size(), buffer.firstAtOrAfter(at + After) + 1);
    const QString name = fileName(m_folder, pending.serial, pending.time, pending.code);
    m_writer.writeWhole(name, TrendCsv::table(m_trend.channels(), buffer, first, end));
    emit snapshotWritten(name, pending.code);
}
