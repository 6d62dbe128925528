#pragma once

#include "CommErrorCode.h"
#include "DatasetController.h"
#include "EventLog.h"
#include "FaultText.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>

class CommunicationController;
class FaultHistory;

// Turns what the controllers report into lines of the event log: writes with
// old and new value, refusals, commands and their answers, motor memories,
// errors and warnings appearing and clearing, the connection with the
// inverter's identity, and what the service functions report through the
// note... slots. Texts are in the interface language of the moment.
class EventRecorder : public QObject
{
    Q_OBJECT

public:
    // Nothing is owned.
    EventRecorder(EventLog &log, DatasetController &model, CommunicationController &communication,
                  FaultHistory &faults, QObject *parent = nullptr);

    // The identity of the inverter connected now or last: type, serial number, firmware.
    [[nodiscard]] uint16_t lastInverterType() const { return m_type; }
    [[nodiscard]] uint16_t lastSerialNumber() const { return m_serial; }
    [[nodiscard]] QString lastFirmware() const { return m_firmware; }

    // "P42 Maximale Frequenz"
    [[nodiscard]] static QString parameterName(uint16_t id);
    // The text of a per-parameter state of the protocol.
    [[nodiscard]] static QString stateText(CommErrorCode state);

public slots:
    void noteRunInStarted();
    void noteRunInStep(int step, int steps, int setpoint, int seconds);
    void noteRunInAborted(const QString &reason);
    void noteRunInStopped();
    void noteFirmwareStep(const QString &text);
    // Raw output of the flashing tool; each complete line becomes one entry
    // (of a line rewritten with carriage returns, the last state).
    void noteFlashToolOutput(const QByteArray &output);

private:
    void connected();
    void disconnected();
    void noteIdentity();
    void writeAnswered(uint16_t id, bool oldKnown, uint16_t oldRaw, uint16_t newRaw, CommErrorCode state);
    void commandSent(DatasetController::Command command, uint16_t argument);
    void faultAppeared(int code, FaultText::Kind kind);
    void faultCleared(int code, FaultText::Kind kind);
    [[nodiscard]] QString faultName(int code, FaultText::Kind kind) const;
    [[nodiscard]] QString identity() const;
    [[nodiscard]] static QString memoryName(uint16_t motorCode);

    EventLog &m_log;
    DatasetController &m_model;
    CommunicationController &m_communication;
    FaultHistory &m_faults;
    bool m_identityPending = false;
    uint16_t m_type = 0;
    uint16_t m_serial = 0;
    QString m_firmware;
    // The motor memory of the command whose answer is awaited, per kind.
    uint16_t m_loadCode = 0;
    uint16_t m_storeCode = 0;
    uint16_t m_deleteCode = 0;
    bool m_loadPending = false;
    QString m_lastFirmwareStep;
    QByteArray m_toolLine;
};
