#include "InverterSession.h"

#include "ParameterId.h"

#include <cmath>

InverterSession::InverterSession(QObject *parent) : QObject(parent)
{
    m_searchTimer.setSingleShot(true);
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(AnswerTimeoutMs);

    connect(&m_searchTimer, &QTimer::timeout, this, [this] {
        fail(ExitStatus::NoInverter,
             tr("Kein Umrichter gefunden (nach %1 s).").arg(QString::number(m_timeoutSeconds)));
    });
    connect(&m_answerTimer, &QTimer::timeout, this,
            [this] { fail(ExitStatus::ConnectionLost, tr("Der Umrichter antwortet nicht.")); });

    auto *comm = &m_communication;
    connect(comm, &CommunicationController::connectedToDevice, this, &InverterSession::onConnected);
    connect(comm, &CommunicationController::disconnectedFromDevice, this, &InverterSession::onDisconnected);
    // Queued behind the dataset controller's own handling of the set, which is
    // connected first and directly.
    connect(comm, &CommunicationController::currentParametersetReceived, this,
            &InverterSession::onParametersetReceived, Qt::QueuedConnection);
    connect(comm, &CommunicationController::parameterUpdateFromDevice, this, &InverterSession::onParameters,
            Qt::QueuedConnection);
}

InverterSession::~InverterSession() = default;

void InverterSession::start(double timeoutSeconds)
{
    m_timeoutSeconds = timeoutSeconds;
    const bool first = m_phase == Phase::Idle;
    if (m_phase == Phase::Released)
        m_communication.resume();
    m_phase = Phase::Searching;
    m_searchTimer.start(int(std::ceil(timeoutSeconds * 1000)));
    // The controller's first scan, now rather than at its first tick: a command
    // is run for its answer, and the scan only lists the devices. The ticks
    // that follow (open, probe, watchdog) keep their period.
    if (first)
        m_communication.run();
}

void InverterSession::onConnected()
{
    if (m_phase != Phase::Searching)
        return;
    m_searchTimer.stop();
    // The dataset controller has asked for the parameter set on the same signal.
    m_phase = Phase::Reading;
    expectAnswer();
}

void InverterSession::onParametersetReceived()
{
    if (m_phase != Phase::Reading)
        return;
    answered();
    m_phase = Phase::Ready;
    emit ready();
}

void InverterSession::onDisconnected()
{
    if (m_phase == Phase::Released || m_phase == Phase::Idle)
        return;
    fail(ExitStatus::ConnectionLost, tr("Die Verbindung zum Umrichter wurde unterbrochen."));
}

void InverterSession::expectAnswer()
{
    m_answerTimer.start();
}

void InverterSession::answered()
{
    m_answerTimer.stop();
}

void InverterSession::releaseDevice()
{
    answered();
    m_phase = Phase::Released;
    m_communication.suspend();
}

void InverterSession::confirmDelivery()
{
    // The serial number is asked for only by the probe, never by the cyclic
    // requests, so its answer belongs to this request.
    m_awaitingDelivery = true;
    expectAnswer();
    m_communication.sendParameterRequest({Param::SerialNumber});
}

void InverterSession::onParameters(const QMap<uint16_t, uint16_t> &parameters)
{
    if (!m_awaitingDelivery || !parameters.contains(Param::SerialNumber))
        return;
    m_awaitingDelivery = false;
    answered();
    emit delivered();
}

void InverterSession::fail(ExitStatus status, const QString &message)
{
    m_searchTimer.stop();
    m_answerTimer.stop();
    m_phase = Phase::Idle;
    emit failed(status, message);
}
