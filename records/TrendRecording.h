#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class BackgroundFileWriter;
class TrendLog;

// "Aufzeichnung starten/stoppen": while it runs, every sample of the trend
// becomes one row of "<folder>/<serial> yyyy-MM-dd_HH-mm-ss.csv" (the start
// time), in the format of TrendCsv. Rows go to the file as they come.
class TrendRecording : public QObject
{
    Q_OBJECT

public:
    // The trend and the writer are not owned.
    TrendRecording(const QString &folder, const TrendLog &trend, BackgroundFileWriter &writer,
                   QObject *parent = nullptr);
    ~TrendRecording() override;

    [[nodiscard]] bool isRunning() const { return !m_fileName.isEmpty(); }
    [[nodiscard]] QString fileName() const { return m_fileName; }
    [[nodiscard]] int rows() const { return m_rows; }

    // Answers the file's name; does nothing while running.
    QString start(uint16_t serial, const QDateTime &time);
    void stop();
    void sampleAdded();

    [[nodiscard]] static QString fileName(const QString &folder, uint16_t serial, const QDateTime &time);

signals:
    void started(const QString &fileName);
    void stopped(const QString &fileName, int rows);

private:
    QString m_folder;
    const TrendLog &m_trend;
    BackgroundFileWriter &m_writer;
    QString m_fileName;
    int m_rows = 0;
};
