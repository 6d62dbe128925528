#include "RecordKeeper.h"

#include "CommunicationController.h"
#include "DatasetController.h"
#include "ParameterId.h"

#include <QDate>
#include <QDir>

#ifndef TORVANA_RECORDS_VERSION_TEXT
#error "TORVANA_RECORDS_VERSION_TEXT must be defined by the build"
#endif

RecordKeeper::RecordKeeper(DatasetController &model, CommunicationController &communication,
                           const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_communication(communication)
    , m_dataFolder(dataFolder)
    , m_log(subfolder(dataFolder, "Logs"), &m_writer)
    , m_trend(model)
    , m_recording(subfolder(dataFolder, "Trends"), m_trend, m_writer)
    , m_snapshots(subfolder(dataFolder, "Snapshots"), m_trend, m_writer)
    , m_recorder(m_log, model, communication, m_faults)
{
    if (!m_dataFolder.isEmpty())
        EventLog::removeExpired(logFolder(), QDate::currentDate());
    m_log.append(EventLog::Kind::Program,
                 tr("Torvana %1 gestartet").arg(QLatin1String(TORVANA_RECORDS_VERSION_TEXT)));

    connect(&model, &DatasetController::cyclicValuesReceived, this, &RecordKeeper::pollArrived);
    connect(&communication, &CommunicationController::connectedToDevice, this,
            [this] { m_faults.connected(QDateTime::currentDateTime()); });
    connect(&communication, &CommunicationController::disconnectedFromDevice, this, &RecordKeeper::disconnected);
    connect(&m_faults, &FaultHistory::faultAppeared, this, [this](int code, FaultText::Kind kind, const QDateTime &time) {
        if (kind != FaultText::Warning)
            m_snapshots.errorAppeared(code, m_model.rawValue(Param::SerialNumber), time);
    });
    connect(&m_snapshots, &FaultSnapshots::snapshotWritten, this, [this](const QString &fileName, int) {
        m_log.append(EventLog::Kind::Fault,
                     tr("Fehlerschnappschuss gespeichert: %1").arg(QDir::toNativeSeparators(fileName)));
    });
    connect(&m_recording, &TrendRecording::started, this, [this](const QString &fileName) {
        m_log.append(EventLog::Kind::Record, tr("Aufzeichnung gestartet: %1").arg(QDir::toNativeSeparators(fileName)));
        emit recordingChanged(true);
    });
    connect(&m_recording, &TrendRecording::stopped, this, [this](const QString &fileName, int rows) {
        m_log.append(EventLog::Kind::Record, tr("Aufzeichnung beendet: %1 (%n Zeilen)", nullptr, rows)
                                                 .arg(QDir::toNativeSeparators(fileName)));
        emit recordingChanged(false);
    });
    connect(&m_writer, &BackgroundFileWriter::writeFailed, this, &RecordKeeper::writeFailed);
}

RecordKeeper::~RecordKeeper()
{
    m_recording.stop();
    m_snapshots.writePending();
    m_log.append(EventLog::Kind::Program, tr("Torvana beendet"));
    m_log.flush();
}

QString RecordKeeper::subfolder(const QString &dataFolder, const char *name)
{
    return dataFolder.isEmpty() ? QString() : dataFolder + QLatin1Char('/') + QLatin1String(name);
}

QString RecordKeeper::logFolder() const
{
    return subfolder(m_dataFolder, "Logs");
}

QString RecordKeeper::recordingFolder() const
{
    return subfolder(m_dataFolder, "Trends");
}

QString RecordKeeper::snapshotFolder() const
{
    return subfolder(m_dataFolder, "Snapshots");
}

QString RecordKeeper::reportFolder() const
{
    return subfolder(m_dataFolder, "Reports");
}

void RecordKeeper::setFaultLookup(FaultLookup lookup)
{
    m_faults.setLookup(std::move(lookup));
}

// Trend first, so that a snapshot due at this poll holds its sample.
void RecordKeeper::pollArrived()
{
    // In UTC: the local time zone is looked up (a file check each time) only
    // where a time is shown.
    const qint64 msecs = QDateTime::currentMSecsSinceEpoch();
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    m_trend.sample(msecs);
    m_recording.sampleAdded();
    std::array<int, FaultHistory::Size> codes{};
    for (int i = 0; i < FaultHistory::Size; ++i)
        codes[size_t(i)] = m_model.rawValue(uint16_t(Param::FirstError + i));
    m_faults.update(codes, m_model.rawValue(Param::InverterFlags), m_model.rawValue(Param::SerialNumber), now);
    m_snapshots.sampleAdded();
}

void RecordKeeper::disconnected()
{
    m_faults.disconnected();
    m_recording.stop();
    m_snapshots.writePending();
}

bool RecordKeeper::startRecording()
{
    if (m_communication.state() != CommunicationController::Connected || m_dataFolder.isEmpty())
        return false;
    m_recording.start(m_model.rawValue(Param::SerialNumber), QDateTime::currentDateTime());
    return true;
}

void RecordKeeper::stopRecording()
{
    m_recording.stop();
}

void RecordKeeper::noteReportWritten(const QString &fileName)
{
    m_log.append(EventLog::Kind::Record, tr("Servicebericht erstellt: %1").arg(QDir::toNativeSeparators(fileName)));
}

void RecordKeeper::flushFiles()
{
    m_log.flush();
    m_writer.flush();
}

void RecordKeeper::writeFailed(const QString &fileName)
{
    // Once per file: a log file that cannot be written must not log its failure forever.
    if (m_failedFiles.contains(fileName))
        return;
    m_failedFiles.insert(fileName);
    m_log.append(EventLog::Kind::Program,
                 tr("Datei konnte nicht geschrieben werden: %1").arg(QDir::toNativeSeparators(fileName)));
}
