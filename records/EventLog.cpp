#include "EventLog.h"

#include "BackgroundFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {

const char *const KindNames[] = {
    QT_TRANSLATE_NOOP("EventLog", "Programm"),       QT_TRANSLATE_NOOP("EventLog", "Verbindung"),
    QT_TRANSLATE_NOOP("EventLog", "Schreiben"),      QT_TRANSLATE_NOOP("EventLog", "Ablehnung"),
    QT_TRANSLATE_NOOP("EventLog", "Befehl"),         QT_TRANSLATE_NOOP("EventLog", "Motorspeicher"),
    QT_TRANSLATE_NOOP("EventLog", "Fehler/Warnung"), QT_TRANSLATE_NOOP("EventLog", "Spindeleinlauf"),
    QT_TRANSLATE_NOOP("EventLog", "Firmware-Update"), QT_TRANSLATE_NOOP("EventLog", "Aufzeichnung"),
};
const char *const KindKeys[] = {"PROGRAM", "LINK",  "WRITE",    "REFUSED",  "COMMAND",
                                "MEMORY",  "FAULT", "RUNIN",    "FIRMWARE", "RECORD"};
static_assert(sizeof(KindNames) / sizeof(*KindNames) == EventLog::KindCount, "one name per kind");
static_assert(sizeof(KindKeys) / sizeof(*KindKeys) == EventLog::KindCount, "one key per kind");

const QString DateFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

EventLog::EventLog(const QString &folder, BackgroundFileWriter *writer, QObject *parent)
    : QObject(parent), m_folder(folder), m_writer(writer)
{
    m_batchTimer.setSingleShot(true);
    m_batchTimer.setInterval(BatchDelay);
    connect(&m_batchTimer, &QTimer::timeout, this, &EventLog::flush);
}

EventLog::~EventLog()
{
    flush();
}

void EventLog::append(Kind kind, const QString &text)
{
    append(QDateTime::currentDateTime(), kind, text);
}

void EventLog::append(const QDateTime &time, Kind kind, const QString &text)
{
    // One event, one line: line breaks of multi-line texts become "; ".
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString flat = text;
    flat.replace(lineBreaks, QStringLiteral("; "));
    Entry entry{time, kind, flat.trimmed()};
    int dropped = 0;
    if (int(m_entries.size()) >= Capacity) {
        m_entries.pop_front();
        dropped = 1;
    }
    if (m_writer && !m_folder.isEmpty()) {
        const QDate day = time.date();
        if (m_pending.isEmpty() || m_pending.last().first != day)
            m_pending.append({day, QByteArray()});
        m_pending.last().second += line(entry).toUtf8() + '\n';
        if (!m_batchTimer.isActive())
            m_batchTimer.start();
    }
    m_entries.push_back(std::move(entry));
    emit entryAdded(dropped);
}

void EventLog::flush()
{
    m_batchTimer.stop();
    if (!m_writer)
        return;
    for (const auto &[day, bytes] : qAsConst(m_pending))
        m_writer->append(fileName(m_folder, day), bytes);
    m_pending.clear();
}

QStringList EventLog::lastLines(int count) const
{
    QStringList lines;
    const int first = std::max(0, size() - count);
    for (int i = first; i < size(); ++i)
        lines << line(entry(i));
    return lines;
}

QString EventLog::line(const Entry &entry)
{
    // With the offset, so that a file read elsewhere or after a change of
    // daylight saving time still says when.
    const QDateTime withOffset = entry.time.toOffsetFromUtc(entry.time.offsetFromUtc());
    return withOffset.toString(Qt::ISODateWithMs) + QLatin1Char(' ') + key(entry.kind) + QLatin1Char(' ')
        + entry.text;
}

QString EventLog::key(Kind kind)
{
    return QLatin1String(KindKeys[int(kind)]);
}

QString EventLog::name(Kind kind)
{
    return QCoreApplication::translate("EventLog", KindNames[int(kind)]);
}

QString EventLog::fileName(const QString &folder, const QDate &date)
{
    return folder + QLatin1Char('/') + date.toString(DateFormat) + QStringLiteral(".log");
}

int EventLog::removeExpired(const QString &folder, const QDate &today, int days)
{
    QDir dir(folder);
    int removed = 0;
    const QStringList names = dir.entryList({QStringLiteral("*.log")}, QDir::Files);
    for (const QString &name : names) {
        if (name.size() != 14)
            continue;
        const QDate date = QDate::fromString(name.left(10), DateFormat);
        if (date.isValid() && date.daysTo(today) > days && dir.remove(name))
            ++removed;
    }
    return removed;
}
