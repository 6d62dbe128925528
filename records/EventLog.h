#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <deque>

class BackgroundFileWriter;

// What happened, when: one line per event, kept in memory for the session
// (the newest Capacity entries) and appended to a daily file
// "<folder>/yyyy-MM-dd.log" (UTF-8, ISO time stamp first, then the kind's key
// and the text). Lines are handed to the file writer in batches at most
// BatchDelay after they were logged and reach the disk within the writer's
// sync interval after that; the destructor hands over what is left.
//
// Texts are stored as given, in the interface language of the moment.
class EventLog : public QObject
{
    Q_OBJECT

public:
    enum class Kind {
        Program,
        Connection,
        Write,
        Refusal,
        Command,
        MotorMemory,
        Fault,
        RunIn,
        Firmware,
        Record,
    };
    Q_ENUM(Kind)
    static constexpr int KindCount = int(Kind::Record) + 1;

    struct Entry
    {
        QDateTime time;
        Kind kind = Kind::Program;
        QString text;
    };

    static constexpr int Capacity = 5000;
    static constexpr int BatchDelay = 1000;
    static constexpr int KeptDays = 90;

    // Without a folder (empty) nothing is written to disk. The writer is not owned.
    EventLog(const QString &folder, BackgroundFileWriter *writer, QObject *parent = nullptr);
    ~EventLog() override;

    void append(Kind kind, const QString &text);
    // The same with an explicit time (tests, and events noted after the fact).
    void append(const QDateTime &time, Kind kind, const QString &text);

    [[nodiscard]] int size() const { return int(m_entries.size()); }
    // 0 is the oldest entry kept.
    [[nodiscard]] const Entry &entry(int index) const { return m_entries[size_t(index)]; }
    // The newest count entries as file lines, oldest first.
    [[nodiscard]] QStringList lastLines(int count) const;
    [[nodiscard]] QString folder() const { return m_folder; }

    // "2026-12-06T14:03:11.250+01:00 WRITE P42 ..."
    [[nodiscard]] static QString line(const Entry &entry);
    // The kind as written in the files ("WRITE"); never translated.
    [[nodiscard]] static QString key(Kind kind);
    // The kind's translated name for the log window's filter.
    [[nodiscard]] static QString name(Kind kind);
    // "<folder>/yyyy-MM-dd.log"
    [[nodiscard]] static QString fileName(const QString &folder, const QDate &date);
    // Removes the daily files of the folder that are more than `days` days older
    // than `today`; other files stay. Answers how many were removed.
    static int removeExpired(const QString &folder, const QDate &today, int days = KeptDays);

    // Hands the pending lines to the writer now.
    void flush();

signals:
    // An entry was added at the end; when `dropped` is 1 the oldest one went.
    void entryAdded(int dropped);

private:
    QString m_folder;
    BackgroundFileWriter *m_writer = nullptr;
    std::deque<Entry> m_entries;
    // Lines not yet handed to the writer, by day.
    QVector<QPair<QDate, QByteArray>> m_pending;
    QTimer m_batchTimer;
};
