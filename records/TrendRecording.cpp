#include "TrendRecording.h"

#include "BackgroundFileWriter.h"
#include "TrendCsv.h"
#include "TrendLog.h"

TrendRecording::TrendRecording(const QString &folder, const TrendLog &trend, BackgroundFileWriter &writer,
                               QObject *parent)
    : QObject(parent), m_folder(folder), m_trend(trend), m_writer(writer)
{
}

TrendRecording::~TrendRecording()
{
    stop();
}

QString TrendRecording::fileName(const QString &folder, uint16_t serial, const QDateTime &time)
{
    return QStringLiteral("%1/%2 %3.csv").arg(folder).arg(serial).arg(time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
}

QString TrendRecording::start(uint16_t serial, const QDateTime &time)
{
    if (isRunning())
        return m_fileName;
    m_fileName = fileName(m_folder, serial, time);
    m_rows = 0;
    m_writer.append(m_fileName, TrendCsv::header(m_trend.channels()));
    emit started(m_fileName);
    return m_fileName;
}

void TrendRecording::stop()
{
    if (!isRunning())
        return;
    const QString name = m_fileName;
    m_fileName.clear();
    m_writer.close(name);
    emit stopped(name, m_rows);
}

void TrendRecording::sampleAdded()
{
    const TrendBuffer &buffer = m_trend.buffer();
    if (!isRunning() || buffer.isEmpty())
        return;
    m_writer.append(m_fileName, TrendCsv::row(m_trend.channels(), buffer, buffer.size() - 1));
    ++m_rows;
}
