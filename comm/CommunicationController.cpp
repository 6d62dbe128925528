#include "CommunicationController.h"

#include "CommDriverQt.h"
#include "CommFrontendQt.h"
#include "CommLink.h"
#include "QFTD2XXDevice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMetaType>

#include <cstring>
#include <utility>

CommunicationController::CommunicationController(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<uint16_t>("uint16_t");
    qRegisterMetaType<CommErrorCode>("CommErrorCode");
    qRegisterMetaType<QMap<uint16_t, uint16_t>>("QMap<uint16_t,uint16_t>");
    qRegisterMetaType<QMap<uint16_t, CommErrorCode>>("QMap<uint16_t,CommErrorCode>");

    connect(&m_runTimer, &QTimer::timeout, this, &CommunicationController::run);
    m_runTimer.start(RunInterval);
}

CommunicationController::~CommunicationController()
{
    m_runTimer.stop();
    unhook();
    deleteTransport();
}

int32_t CommunicationController::comPortNumber() const
{
    return m_device ? m_device->comPortNumber() : -1;
}

void CommunicationController::suspend()
{
    m_state = Suspending;
}

void CommunicationController::resume()
{
    if (m_state == Suspending || m_state == Suspended)
        m_state = Scanning;
}

void CommunicationController::run()
{
    // Tear-down lets the event loop run briefly; a tick must not start inside it.
    if (m_running)
        return;
    m_running = true;
    step();
    m_running = false;
}

void CommunicationController::step()
{
    switch (m_state) {
    case Scanning:
        m_devices = QFTD2XXDevice::availableDevices();
        m_deviceIndex = -1;
        if (!m_devices.isEmpty())
            m_state = Opening;
        break;
    case Opening:
        openNextDevice();
        break;
    case Probing:
        if (!m_activityTimer.isValid()) {
            m_frontend->sendDeviceInfoRequest();
            m_frontend->sendParameterRequest({36, 39});
            m_activityTimer.start();
        } else if (m_activityTimer.elapsed() > ProbeTimeout) {
            m_activityTimer.invalidate();
            m_state = Opening;
        }
        break;
    case Connected:
        if (m_activityTimer.isValid() && m_activityTimer.elapsed() > WatchdogTimeout)
            m_state = ConnectionLost;
        break;
    case ConnectionLost:
        emit disconnectedFromDevice();
        unhook();
        m_activityTimer.invalidate();
        m_state = Closing;
        break;
    case Closing:
        // Set before the tear-down: a suspend() from a handler that runs
        // during its event processing must stand.
        m_state = Scanning;
        tearDown();
        break;
    case Suspending:
        emit disconnectedFromDevice();
        unhook();
        m_activityTimer.invalidate();
        // Likewise for a resume() during the tear-down.
        m_state = Suspended;
        tearDown();
        break;
    case Suspended:
        break;
    }
}

void CommunicationController::openNextDevice()
{
    tearDown();
    // A handler run during the tear-down may have suspended the controller.
    if (m_state != Opening)
        return;
    m_activityTimer.invalidate();

    for (++m_deviceIndex; m_deviceIndex < m_devices.size(); ++m_deviceIndex) {
        m_device = new QFTD2XXDevice(m_devices.at(m_deviceIndex), this);
        m_device->setBaudRate(38400);
        m_device->setDataCharacteristics(FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
        m_device->setTimeout(500);
        if (m_device->open(QIODevice::ReadWrite)) {
            m_driver = new CommDriverQt(m_device);
            m_link = new CommLink;
            commLinkInit(m_link, m_driver);
            m_frontend = new CommFrontendQt(m_link, this);
            m_state = Probing;
            hookUp();
            return;
        }
        // Nothing was hooked up to a device that did not open.
        deleteTransport();
    }
    m_state = Scanning;
}

void CommunicationController::hookUp()
{
    const auto q = Qt::QueuedConnection;
    connect(m_frontend, &CommFrontendQt::currentParametersetUpdate, this,
            &CommunicationController::collectCurrentParameterset, q);
    connect(m_frontend, &CommFrontendQt::motorParametersetUpdate, this,
            &CommunicationController::collectMotorParameterset, q);
    connect(m_frontend, &CommFrontendQt::parameterUpdate, this, &CommunicationController::updateParameters, q);
    connect(m_frontend, &CommFrontendQt::deviceInfoUpdate, this, &CommunicationController::updateDeviceInfo, q);
    connect(m_frontend, &CommFrontendQt::parameterStateReceived, this,
            &CommunicationController::parameterStateReceived, q);
    connect(m_frontend, &CommFrontendQt::resetResponseReceived, this,
            &CommunicationController::resetResponseReceived, q);
    connect(m_frontend, &CommFrontendQt::factoryResetResponseReceived, this,
            &CommunicationController::factoryResetResponseReceived, q);
    connect(m_frontend, &CommFrontendQt::writeParametersetResponseReceived, this,
            &CommunicationController::writeParametersetResponseReceived, q);
    connect(m_frontend, &CommFrontendQt::deleteParametersetResponseReceived, this,
            &CommunicationController::deleteParametersetResponseReceived, q);
    connect(m_device, &QFTD2XXDevice::writeTimeoutExpired, this, &CommunicationController::writeTimeoutExpired, q);
}

void CommunicationController::unhook()
{
    if (m_frontend)
        disconnect(m_frontend, nullptr, this, nullptr);
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
}

void CommunicationController::tearDown()
{
    unhook();
    // Queued signals of the old objects are delivered before they go away.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    deleteTransport();
    m_incomingSet.clear();
}

// In reverse order of creation; deleting the device closes it.
void CommunicationController::deleteTransport()
{
    delete m_frontend;
    m_frontend = nullptr;
    delete m_link;
    m_link = nullptr;
    delete m_driver;
    m_driver = nullptr;
    delete m_device;
    m_device = nullptr;
}

// Answers of a connection that is being torn down may still be queued when
// the state has moved on; they must neither count as a sign of life nor
// reach the model.
bool CommunicationController::acceptsAnswers() const
{
    return m_state == Probing || m_state == Connected;
}

void CommunicationController::noteSignOfLife()
{
    if (m_state == Probing) {
        m_state = Connected;
        setCurrentTimeOnInverter();
        emit connectedToDevice();
    }
    m_activityTimer.start();
}

void CommunicationController::updateParameters(QMap<uint16_t, uint16_t> parameters)
{
    if (!acceptsAnswers())
        return;
    releaseIncomingSet();
    noteSignOfLife();
    emit parameterUpdateFromDevice(parameters);
}

void CommunicationController::updateDeviceInfo(uint16_t inverterType, uint16_t inverterSerial, QByteArray firmware)
{
    if (!acceptsAnswers())
        return;
    releaseIncomingSet();
    noteSignOfLife();
    emit deviceInfoUpdateFromDevice(inverterType, inverterSerial, firmware);
}

void CommunicationController::collectCurrentParameterset(QMap<uint16_t, uint16_t> part)
{
    collect(false, part);
}

void CommunicationController::collectMotorParameterset(QMap<uint16_t, uint16_t> part)
{
    collect(true, part);
}

void CommunicationController::collect(bool motorSet, const QMap<uint16_t, uint16_t> &part)
{
    if (!acceptsAnswers())
        return;
    if (motorSet != m_incomingIsMotorSet)
        releaseIncomingSet();
    m_incomingIsMotorSet = motorSet;
    noteSignOfLife();
    for (auto it = part.cbegin(); it != part.cend(); ++it)
        m_incomingSet.insert(it.key(), it.value());
    if (size_t(part.size()) < CommFrame::MaxPairs)
        releaseIncomingSet();
}

// The values reach the listeners before the set is reported.
void CommunicationController::releaseIncomingSet()
{
    if (m_incomingSet.isEmpty())
        return;
    const QMap<uint16_t, uint16_t> set = std::exchange(m_incomingSet, {});
    emit parametersetFromDevice(set, m_incomingIsMotorSet);
    if (m_incomingIsMotorSet)
        emit motorParametersReceived();
    else
        emit currentParametersetReceived();
}

void CommunicationController::writeTimeoutExpired()
{
    // A late time-out of a device already given up changes nothing.
    if (acceptsAnswers())
        m_state = m_state == Probing ? Opening : ConnectionLost;
}

CommFrontendQt *CommunicationController::connectedFrontend() const
{
    return m_state == Connected ? m_frontend : nullptr;
}

void CommunicationController::sendCurrentParametersetRequest()
{
    if (auto *f = connectedFrontend())
        f->sendCurrentParametersetRequest();
}

void CommunicationController::sendParameterRequest(QVector<uint16_t> parameterIDs)
{
    if (auto *f = connectedFrontend())
        f->sendParameterRequest(parameterIDs);
}

void CommunicationController::sendSetParameterCommand(QMap<uint16_t, uint16_t> &parameters)
{
    if (auto *f = connectedFrontend())
        f->sendSetParameterCommand(parameters);
}

void CommunicationController::sendSetParameterCommand(uint16_t paramID, uint16_t value)
{
    if (auto *f = connectedFrontend())
        f->sendSetParameterCommand(paramID, value);
}

void CommunicationController::sendStoreOnEepromCommand()
{
    if (auto *f = connectedFrontend())
        f->sendStoreOnEepromCommand();
}

void CommunicationController::sendFactoryResetCommand()
{
    if (auto *f = connectedFrontend())
        f->sendFactoryResetCommand();
}

void CommunicationController::sendInverterResetCommand()
{
    if (auto *f = connectedFrontend())
        f->sendInverterResetCommand();
}

void CommunicationController::setCurrentTimeOnInverter()
{
    auto *f = connectedFrontend();
    if (!f)
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const uint16_t fields[6] = {uint16_t(now.date().day()),  uint16_t(now.date().month()),
                                uint16_t(now.date().year()), uint16_t(now.time().hour()),
                                uint16_t(now.time().minute()), uint16_t(now.time().second())};
    uint8_t data[CommFrame::DataSize] = {};
    for (size_t i = 0; i < 6; ++i)
        CommFrame::writeU16(data + 2 * i, fields[i]);
    f->sendTime(data);
}

void CommunicationController::sendBootloaderResetCommand()
{
    if (auto *f = connectedFrontend())
        f->sendBootloaderResetCommand();
}

void CommunicationController::sendLoadMotorParamsCommand(uint16_t motorIndex)
{
    if (auto *f = connectedFrontend())
        f->sendLoadMotorParamsCommand(20, motorIndex);
}

void CommunicationController::sendMotorParamsToDeviceMemory(uint16_t motorIndex, QMap<uint16_t, uint16_t> motorParams)
{
    if (auto *f = connectedFrontend())
        f->sendMotorParamsToDeviceMemory(20, motorIndex, motorParams);
}

void CommunicationController::sendDeleteMotorParamsCommand(uint16_t motorIndex)
{
    if (auto *f = connectedFrontend())
        f->sendDeleteMotorParamsCommand(20, motorIndex);
}
