#pragma once

#include "CommErrorCode.h"
#include "CommFrontend.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <cstdint>

// Splits requests over frames and turns received frames into signals. Polls
// the link every 50 ms; one frame yields at most one signal.
class CommFrontendQt : public QObject, public CommFrontend
{
    Q_OBJECT

public:
    CommFrontendQt(CommLink *link, QObject *parent = nullptr);
    ~CommFrontendQt() override;

    void sendParameterRequest(const QVector<uint16_t> &parameterIDs);
    void sendSetParameterCommand(uint16_t paramID, uint16_t value);
    void sendSetParameterCommand(const QMap<uint16_t, uint16_t> &parameters);
    void sendLoadMotorParamsCommand(uint16_t number, uint16_t slot);
    void sendDeleteMotorParamsCommand(uint16_t number, uint16_t slot);
    void sendMotorParamsToDeviceMemory(uint16_t number, uint16_t slot, const QMap<uint16_t, uint16_t> &motorParams);

signals:
    void currentParametersetUpdate(QMap<uint16_t, uint16_t> parameters);
    void motorParametersetUpdate(QMap<uint16_t, uint16_t> motorParameters);
    void parameterUpdate(QMap<uint16_t, uint16_t> parameters);
    void deviceInfoUpdate(uint16_t inverterType, uint16_t inverterSerial, QByteArray inverterFirmware);
    void parameterStateReceived(QMap<uint16_t, CommErrorCode> paramStates);
    void resetResponseReceived(CommErrorCode error);
    void factoryResetResponseReceived(CommErrorCode error);
    void writeParametersetResponseReceived(QMap<uint16_t, CommErrorCode> motorParamStates, CommErrorCode commonError);
    void deleteParametersetResponseReceived(CommErrorCode error);

public slots:
    void receiveFramesFromDevice();

private:
    void dispatch(const uint8_t *frame);
    void sendPairs(uint8_t type, const QVector<QPair<uint16_t, uint16_t>> &pairs);
    void sendSinglePair(uint8_t type, uint16_t number, uint16_t value);

    QTimer m_timer;
};
