#pragma once

#include "CommunicationController.h"
#include "DatasetController.h"
#include "ExitStatus.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>

// The program's two controllers for one command: the communication controller
// finds, probes and watches the inverter exactly as in the program, and the
// dataset controller reads the current parameter set once after connecting.
// The session reports when that set is in (ready), and ends the command when no
// inverter answers within the time-out, when the connection is lost or when an
// awaited answer does not come.
class InverterSession : public QObject
{
    Q_OBJECT

public:
    // An awaited answer arrives within a few frames; this much silence on an
    // awaited answer ends the command (the watchdog covers a silent inverter).
    static constexpr int AnswerTimeoutMs = 10000;

    explicit InverterSession(QObject *parent = nullptr);
    ~InverterSession() override;

    CommunicationController &communication() { return m_communication; }
    DatasetController &dataset() { return m_dataset; }

    // Looks for the inverter for at most `timeoutSeconds`; ready() follows once
    // it is connected and its parameter set is in. Called again after a
    // deliberate release (firmware update), it waits for the reconnection.
    void start(double timeoutSeconds);
    [[nodiscard]] bool isReady() const { return m_phase == Phase::Ready; }

    // An operation waits for an answer: failed() when none completes it in time.
    // Every call restarts the wait; answered() ends it.
    void expectAnswer();
    void answered();

    // The firmware update releases the device on purpose.
    void releaseDevice();

    // Sends a request whose answer can only come after everything sent before
    // it has been taken (the inverter answers in order); delivered() follows it.
    // Used after a command that has no answer of its own (the EEPROM store), so
    // that closing the device cannot cut it off.
    void confirmDelivery();

signals:
    void ready();
    void delivered();
    void failed(ExitStatus status, const QString &message);

private:
    enum class Phase { Idle, Searching, Reading, Ready, Released };

    void onConnected();
    void onDisconnected();
    void onParametersetReceived();
    void onParameters(const QMap<uint16_t, uint16_t> &parameters);
    void fail(ExitStatus status, const QString &message);

    CommunicationController m_communication;
    DatasetController m_dataset{&m_communication};
    Phase m_phase = Phase::Idle;
    double m_timeoutSeconds = 0;
    QTimer m_searchTimer;
    QTimer m_answerTimer;
    bool m_awaitingDelivery = false;
};
