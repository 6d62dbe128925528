#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>

class BackgroundFileWriter;
class TrendLog;

// Writes the course of a fault: when an error appears, the trend of the last
// Before ms and the following After ms go to
// "<folder>/<serial> yyyy-MM-dd_HH-mm-ss E<code>.csv" (the time of the error)
// in the recording's format, once the After time has passed, or at once when
// the connection ends or the program closes before.
class FaultSnapshots : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 Before = 60000;
    static constexpr qint64 After = 10000;

    // The writer and the trend are not owned.
    FaultSnapshots(const QString &folder, const TrendLog &trend, BackgroundFileWriter &writer,
                   QObject *parent = nullptr);
    ~FaultSnapshots() override;

    // An error appeared at `time` on the inverter with this serial number.
    void errorAppeared(int code, uint16_t serial, const QDateTime &time);
    // A sample came in: snapshots whose time is up are written.
    void sampleAdded();
    // Writes what is pending now.
    void writePending();

    [[nodiscard]] static QString fileName(const QString &folder, uint16_t serial, const QDateTime &time, int code);

signals:
    void snapshotWritten(const QString &fileName, int code);

private:
    struct Pending
    {
        int code = 0;
        uint16_t serial = 0;
        QDateTime time;
    };
    void write(const Pending &pending);

    QString m_folder;
    const TrendLog &m_trend;
    BackgroundFileWriter &m_writer;
    QVector<Pending> m_pending;
};
