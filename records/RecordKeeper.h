#pragma once

#include "BackgroundFileWriter.h"
#include "EventLog.h"
#include "EventRecorder.h"
#include "FaultHistory.h"
#include "FaultSnapshots.h"
#include "TrendLog.h"
#include "TrendRecording.h"

#include <QObject>
#include <QSet>
#include <QString>

class CommunicationController;
class DatasetController;

// Everything the program remembers over time, below one data folder: the event
// log ("Logs"), the trend of the operating values in memory, recordings
// ("Trends"), fault snapshots ("Snapshots") and the fault history with times.
// Created once beside the controllers and fed by their signals; files are
// written on a thread of their own. Destroying it finishes every file.
class RecordKeeper : public QObject
{
    Q_OBJECT

public:
    // An empty data folder keeps everything in memory only.
    RecordKeeper(DatasetController &model, CommunicationController &communication, const QString &dataFolder,
                 QObject *parent = nullptr);
    ~RecordKeeper() override;

    [[nodiscard]] EventLog &eventLog() { return m_log; }
    [[nodiscard]] EventRecorder &eventRecorder() { return m_recorder; }
    [[nodiscard]] TrendLog &trend() { return m_trend; }
    [[nodiscard]] const FaultHistory &faultHistory() const { return m_faults; }
    [[nodiscard]] TrendRecording &recording() { return m_recording; }

    // The error table's texts for the fault history, its log lines and the report.
    void setFaultLookup(FaultLookup lookup);

    [[nodiscard]] QString dataFolder() const { return m_dataFolder; }
    [[nodiscard]] QString logFolder() const;
    [[nodiscard]] QString recordingFolder() const;
    [[nodiscard]] QString snapshotFolder() const;
    [[nodiscard]] QString reportFolder() const;

    // Starts a recording of the connected inverter; false while not connected.
    bool startRecording();
    void stopRecording();
    void noteReportWritten(const QString &fileName);

    // Waits until every file handed over so far is on the disk.
    void flushFiles();

signals:
    void recordingChanged(bool running);

private:
    void pollArrived();
    void disconnected();
    void writeFailed(const QString &fileName);
    [[nodiscard]] static QString subfolder(const QString &dataFolder, const char *name);

    DatasetController &m_model;
    CommunicationController &m_communication;
    QString m_dataFolder;
    BackgroundFileWriter m_writer;
    EventLog m_log;
    TrendLog m_trend;
    FaultHistory m_faults;
    TrendRecording m_recording;
    FaultSnapshots m_snapshots;
    EventRecorder m_recorder;
    QSet<QString> m_failedFiles;
};
