#include "EventRecorder.h"

#include "CommunicationController.h"
#include "FaultHistory.h"
#include "ParameterId.h"
#include "ParameterTexts.h"

namespace {

using Kind = EventLog::Kind;

QString firmwareText(const QByteArray &firmware)
{
    const int length = int(qstrnlen(firmware.constData(), uint(firmware.size())));
    return QString::fromUtf8(firmware.constData(), length).trimmed();
}

} // namespace

EventRecorder::EventRecorder(EventLog &log, DatasetController &model, CommunicationController &communication,
                             FaultHistory &faults, QObject *parent)
    : QObject(parent), m_log(log), m_model(model), m_communication(communication), m_faults(faults)
{
    // The device information normally answers the probe first; should a poll
    // come before it, the connection is noted with what is known then.
    // Direct connections: the model's and the window's queued reactions (which
    // clear the identity after a disconnect) come later.
    connect(&communication, &CommunicationController::connectedToDevice, this, &EventRecorder::connected);
    connect(&communication, &CommunicationController::disconnectedFromDevice, this, &EventRecorder::disconnected);
    connect(&model, &DatasetController::inverterDataUpdated, this, &EventRecorder::noteIdentity);
    connect(&model, &DatasetController::cyclicValuesReceived, this, &EventRecorder::noteIdentity);
    connect(&model, &DatasetController::writeAnswered, this, &EventRecorder::writeAnswered);
    connect(&model, &DatasetController::commandSent, this, &EventRecorder::commandSent);

    connect(&communication, &CommunicationController::resetResponseReceived, this, [this](CommErrorCode error) {
        m_log.append(Kind::Command, error == CommError::NoError
                                        ? tr("Fehler-Reset durchgeführt")
                                        : tr("Fehler-Reset abgelehnt (%1)").arg(stateText(error)));
    });
    connect(&communication, &CommunicationController::factoryResetResponseReceived, this,
            [this](CommErrorCode error) {
                m_log.append(Kind::Command, error == CommError::NoError
                                                ? tr("Werkseinstellungen geladen")
                                                : tr("Werkseinstellungen nicht geladen (%1)").arg(stateText(error)));
            });
    connect(&communication, &CommunicationController::motorParametersReceived, this, [this] {
        if (!m_loadPending)
            return;
        m_loadPending = false;
        m_log.append(Kind::MotorMemory, tr("Motorspeicher %1 geladen").arg(memoryName(m_loadCode)));
    });
    connect(&model, &DatasetController::writeMotorParametersetDone, this,
            [this](CommErrorCode error, const QString &details) {
                if (error == CommError::NoError)
                    m_log.append(Kind::MotorMemory, tr("Motorspeicher %1 gespeichert").arg(memoryName(m_storeCode)));
                else
                    m_log.append(Kind::MotorMemory, tr("Motorspeicher %1 nicht gespeichert (%2)")
                                                        .arg(memoryName(m_storeCode),
                                                             details.isEmpty() ? stateText(error) : details));
            });
    connect(&communication, &CommunicationController::deleteParametersetResponseReceived, this,
            [this](CommErrorCode error) {
                m_log.append(Kind::MotorMemory,
                             error == CommError::NoError
                                 ? tr("Motorspeicher %1 gelöscht").arg(memoryName(m_deleteCode))
                                 : tr("Motorspeicher %1 nicht gelöscht (%2)")
                                       .arg(memoryName(m_deleteCode), stateText(error)));
            });

    connect(&faults, &FaultHistory::faultAppeared, this,
            [this](int code, FaultText::Kind kind, const QDateTime &) { faultAppeared(code, kind); });
    connect(&faults, &FaultHistory::faultCleared, this, &EventRecorder::faultCleared);
}

QString EventRecorder::parameterName(uint16_t id)
{
    return QStringLiteral("P%1 %2").arg(id).arg(ParameterTexts::caption(id));
}

QString EventRecorder::stateText(CommErrorCode state)
{
    switch (state) {
    case CommError::InvalidParameterId:
        return tr("Parameter-Id ungültig");
    case CommError::ChangeNotPermitted:
        return tr("Änderung nicht zulässig");
    case CommError::ValueOutOfRange:
        return tr("Wert außerhalb des gültigen Bereichs");
    case CommError::ParametersetMemoryUnusable:
        return tr("Parametersatzspeicher nicht verwendbar");
    case CommError::EepromWriteError:
        return tr("Fehler beim Schreiben ins EEPROM");
    default:
        return tr("Status 0x%1").arg(state, 2, 16, QLatin1Char('0'));
    }
}

QString EventRecorder::memoryName(uint16_t motorCode)
{
    return QStringLiteral("M%1").arg(int(motorCode) + 1);
}

// ---- connection --------------------------------------------------------------------------

void EventRecorder::connected()
{
    m_identityPending = true;
    m_loadPending = false;
}

void EventRecorder::noteIdentity()
{
    if (!m_identityPending || m_communication.state() != CommunicationController::Connected)
        return;
    m_type = m_model.rawValue(Param::Inverter);
    m_serial = m_model.rawValue(Param::SerialNumber);
    m_firmware = firmwareText(m_model.deviceFirmware());
    m_identityPending = false;
    m_log.append(Kind::Connection, tr("Verbunden: %1, Firmware %2").arg(identity(), m_firmware));
}

QString EventRecorder::identity() const
{
    return tr("Umrichtertyp %1, Seriennummer %2").arg(m_type).arg(m_serial);
}

void EventRecorder::disconnected()
{
    if (m_identityPending)
        noteIdentity();
    m_identityPending = false;
    m_log.append(Kind::Connection, tr("Verbindung getrennt (%1)").arg(identity()));
}

// ---- writes and commands ---------------------------------------------------------------

void EventRecorder::writeAnswered(uint16_t id, bool oldKnown, uint16_t oldRaw, uint16_t newRaw, CommErrorCode state)
{
    // Start and stop are noted as commands.
    if (id == Param::StartStop)
        return;
    const QString written = m_model.displayText(id, newRaw);
    if (state != CommError::NoError) {
        m_log.append(Kind::Refusal,
                     tr("%1: %2 abgelehnt (%3)").arg(parameterName(id), written, stateText(state)));
        return;
    }
    // A transmission sends every writable parameter; only changes are news.
    if (oldKnown && oldRaw == newRaw)
        return;
    const QString before = oldKnown ? m_model.displayText(id, oldRaw) : QStringLiteral("?");
    m_log.append(Kind::Write, QStringLiteral("%1: %2 → %3").arg(parameterName(id), before, written));
}

void EventRecorder::commandSent(DatasetController::Command command, uint16_t argument)
{
    switch (command) {
    case DatasetController::Command::Start:
        m_log.append(Kind::Command,
                     tr("Startbefehl (Sollwert %1)").arg(m_model.displayText(Param::RatedFrequency, argument)));
        break;
    case DatasetController::Command::Stop:
        m_log.append(Kind::Command, tr("Stoppbefehl"));
        break;
    case DatasetController::Command::MotorMemoryLoad:
        m_loadCode = argument;
        m_loadPending = true;
        break;
    case DatasetController::Command::MotorMemoryStore:
        m_storeCode = argument;
        break;
    case DatasetController::Command::MotorMemoryDelete:
        m_deleteCode = argument;
        break;
    }
}

// ---- faults ----------------------------------------------------------------------------------

QString EventRecorder::faultName(int code, FaultText::Kind kind) const
{
    const QString title = m_faults.text(code).title;
    switch (kind) {
    case FaultText::Error:
        return tr("Fehler %1 - %2").arg(code).arg(title);
    case FaultText::Warning:
        return tr("Warnung %1 - %2").arg(code).arg(title);
    case FaultText::Unknown:
        break;
    }
    return tr("Störung %1 (ohne Beschreibung)").arg(code);
}

void EventRecorder::faultAppeared(int code, FaultText::Kind kind)
{
    m_log.append(Kind::Fault, faultName(code, kind));
}

void EventRecorder::faultCleared(int code, FaultText::Kind kind)
{
    m_log.append(Kind::Fault, tr("%1: nicht mehr aktiv").arg(faultName(code, kind)));
}

// ---- service functions -------------------------------------------------------------------

void EventRecorder::noteRunInStarted()
{
    m_log.append(Kind::RunIn, tr("Spindeleinlauf gestartet"));
}

void EventRecorder::noteRunInStep(int step, int steps, int setpoint, int seconds)
{
    const QString target = setpoint > 0 ? m_model.displayText(Param::RatedFrequency, uint16_t(setpoint))
                                        : tr("Stopp");
    m_log.append(Kind::RunIn, tr("Schritt %1/%2: %3 für %4 s").arg(step).arg(steps).arg(target).arg(seconds));
}

void EventRecorder::noteRunInAborted(const QString &reason)
{
    m_log.append(Kind::RunIn, tr("Spindeleinlauf abgebrochen: %1").arg(reason.trimmed()));
}

void EventRecorder::noteRunInStopped()
{
    m_log.append(Kind::RunIn, tr("Spindeleinlauf beendet"));
}

void EventRecorder::noteFirmwareStep(const QString &text)
{
    const QString step = text.trimmed();
    if (step.isEmpty() || step == m_lastFirmwareStep)
        return;
    m_lastFirmwareStep = step;
    m_log.append(Kind::Firmware, step);
}

void EventRecorder::noteFlashToolOutput(const QByteArray &output)
{
    m_toolLine += output;
    int end = 0;
    while ((end = m_toolLine.indexOf('\n')) >= 0) {
        QByteArray line = m_toolLine.left(end);
        m_toolLine.remove(0, end + 1);
        // What a terminal would show of a line that rewrote itself.
        while (line.endsWith('\r'))
            line.chop(1);
        line = line.mid(line.lastIndexOf('\r') + 1).trimmed();
        if (!line.isEmpty())
            m_log.append(Kind::Firmware, QStringLiteral("stm32flash: ") + QString::fromLocal8Bit(line));
    }
    // A tool that never ends its line must not grow this without bound.
    if (m_toolLine.size() > 4096)
        m_toolLine = m_toolLine.right(1024);
}
