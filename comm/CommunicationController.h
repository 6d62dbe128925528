#pragma once

#include "CommErrorCode.h"
#include "QFTD2XXDeviceInfo.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <cstdint>

class CommDriverQt;
class CommFrontendQt;
class QFTD2XXDevice;
struct CommLink;

// Owns the connection to the inverter: a 100 ms state machine scans for
// devices, opens and probes them one after the other, watches the connection
// and tears it down when the inverter falls silent. Its request slots are the
// only way down to the inverter and send nothing unless connected.
class CommunicationController : public QObject
{
    Q_OBJECT

public:
    enum State {
        Scanning,
        Opening,
        Probing,
        Connected,
        ConnectionLost,
        Closing,
        Suspending,
        Suspended
    };
    Q_ENUM(State)

    static constexpr int RunInterval = 100;
    static constexpr qint64 ProbeTimeout = 500;
    static constexpr qint64 WatchdogTimeout = 5000;

    explicit CommunicationController(QObject *parent = nullptr);
    ~CommunicationController() override;

    State state() const { return m_state; }
    // COM port number of the open device, -1 when no device object exists.
    int32_t comPortNumber() const;
    // Releases the device (firmware update); resume() scans again.
    void suspend();
    void resume();

signals:
    void connectedToDevice();
    void disconnectedFromDevice();
    void currentParametersetReceived();
    void motorParametersReceived();
    void parameterStateReceived(QMap<uint16_t, CommErrorCode> paramStates);
    void resetResponseReceived(CommErrorCode error);
    void factoryResetResponseReceived(CommErrorCode error);
    void writeParametersetResponseReceived(QMap<uint16_t, CommErrorCode> motorParamStates,
                                           CommErrorCode generalError);
    void deleteParametersetResponseReceived(CommErrorCode error);
    // Values of single requests (type 7 answers).
    void parameterUpdateFromDevice(QMap<uint16_t, uint16_t> parameters);
    // A whole parameter set, emitted before currentParametersetReceived() or
    // motorParametersReceived(): the current set (type 5) or a motor set (type 14).
    void parametersetFromDevice(QMap<uint16_t, uint16_t> parameters, bool motorSet);
    void deviceInfoUpdateFromDevice(uint16_t inverterType, uint16_t inverterSerial, QByteArray firmware);

public slots:
    void run();
    void updateParameters(QMap<uint16_t, uint16_t> parameters);
    void updateDeviceInfo(uint16_t inverterType, uint16_t inverterSerial, QByteArray firmware);
    void writeTimeoutExpired();

    void sendCurrentParametersetRequest();
    void sendParameterRequest(QVector<uint16_t> parameterIDs);
    void sendSetParameterCommand(QMap<uint16_t, uint16_t> &parameters);
    void sendSetParameterCommand(uint16_t paramID, uint16_t value);
    void sendStoreOnEepromCommand();
    void sendFactoryResetCommand();
    void sendInverterResetCommand();
    void setCurrentTimeOnInverter();
    void sendBootloaderResetCommand();
    void sendLoadMotorParamsCommand(uint16_t motorIndex);
    void sendMotorParamsToDeviceMemory(uint16_t motorIndex, QMap<uint16_t, uint16_t> motorParams);
    void sendDeleteMotorParamsCommand(uint16_t motorIndex);

private:
    void step();
    void openNextDevice();
    void hookUp();
    void unhook();
    void tearDown();
    void deleteTransport();
    [[nodiscard]] bool acceptsAnswers() const;
    void noteSignOfLife();
    void collectCurrentParameterset(QMap<uint16_t, uint16_t> part);
    void collectMotorParameterset(QMap<uint16_t, uint16_t> part);
    void collect(bool motorSet, const QMap<uint16_t, uint16_t> &part);
    void releaseIncomingSet();
    CommFrontendQt *connectedFrontend() const;

    QTimer m_runTimer;
    QElapsedTimer m_activityTimer;
    State m_state = Scanning;
    QList<QFTD2XXDeviceInfo> m_devices;
    int32_t m_deviceIndex = -1;
    QFTD2XXDevice *m_device = nullptr;
    CommDriverQt *m_driver = nullptr;
    CommLink *m_link = nullptr;
    CommFrontendQt *m_frontend = nullptr;
    bool m_running = false;
    // A parameter set arrives in several frames. It is passed on whole once it
    // is complete: with a frame that is not full (the inverter fills each frame
    // before the next), or else with the inverter's next answer of another kind
    // (it answers in order). A set cut off by a connection loss is dropped, so
    // that the model never holds part of a set.
    QMap<uint16_t, uint16_t> m_incomingSet;
    bool m_incomingIsMotorSet = false;
};
