#include "CommFrontendQt.h"

#include <cstring>

using namespace CommFrame;

namespace {

// Entries are read from slot k mod 12 and later entries replace earlier ones, so
// with a count above 12 only the last 12 entries decide the map.
size_t firstEffectiveEntry(size_t count)
{
    return count > MaxPairs ? count - MaxPairs : 0;
}

QMap<uint16_t, uint16_t> collectValues(const uint8_t *data)
{
    QMap<uint16_t, uint16_t> map;
    const size_t count = readU16(data);
    for (size_t k = firstEffectiveEntry(count); k < count; ++k)
        map.insert(pairNumber(data, k), pairValue(data, k));
    return map;
}

QMap<uint16_t, CommErrorCode> collectStates(const uint8_t *data)
{
    QMap<uint16_t, CommErrorCode> map;
    const size_t count = readU16(data);
    for (size_t k = firstEffectiveEntry(count); k < count; ++k)
        map.insert(pairNumber(data, k), CommErrorCode(pairValue(data, k) & 0xFF));
    return map;
}

} // namespace

CommFrontendQt::CommFrontendQt(CommLink *link, QObject *parent) : QObject(parent)
{
    this->link = link;
    connect(&m_timer, &QTimer::timeout, this, &CommFrontendQt::receiveFramesFromDevice);
    m_timer.start(50);
}

CommFrontendQt::~CommFrontendQt()
{
    m_timer.stop();
}

void CommFrontendQt::sendPairs(uint8_t type, const QVector<QPair<uint16_t, uint16_t>> &pairs)
{
    if (!link)
        return;
    uint8_t data[DataSize];
    for (int first = 0; first < pairs.size(); first += int(MaxPairs)) {
        const int count = std::min(int(MaxPairs), pairs.size() - first);
        std::memset(data, 0, sizeof data);
        writeU16(data, uint16_t(count));
        for (int k = 0; k < count; ++k)
            setPair(data, size_t(k), pairs[first + k].first, pairs[first + k].second);
        commLinkSendFrame(link, type, 0, data);
    }
}

void CommFrontendQt::sendSinglePair(uint8_t type, uint16_t number, uint16_t value)
{
    if (!link)
        return;
    uint8_t data[DataSize] = {};
    if (number != 0) {
        writeU16(data, 1);
        setPair(data, 0, number, value);
    }
    commLinkSendFrame(link, type, 0, data);
}

void CommFrontendQt::sendParameterRequest(const QVector<uint16_t> &parameterIDs)
{
    QVector<QPair<uint16_t, uint16_t>> pairs;
    pairs.reserve(parameterIDs.size());
    for (uint16_t id : parameterIDs)
        pairs.append({id, 0});
    sendPairs(ParameterRequest, pairs);
}

void CommFrontendQt::sendSetParameterCommand(uint16_t paramID, uint16_t value)
{
    sendSinglePair(SetParameterCommand, paramID, value);
}

void CommFrontendQt::sendSetParameterCommand(const QMap<uint16_t, uint16_t> &parameters)
{
    QVector<QPair<uint16_t, uint16_t>> pairs;
    pairs.reserve(parameters.size());
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        pairs.append({it.key(), it.value()});
    sendPairs(SetParameterCommand, pairs);
}

void CommFrontendQt::sendLoadMotorParamsCommand(uint16_t number, uint16_t slot)
{
    sendSinglePair(LoadMotorParamsCommand, number, slot);
}

void CommFrontendQt::sendDeleteMotorParamsCommand(uint16_t number, uint16_t slot)
{
    sendSinglePair(DeleteMotorParamsCommand, number, slot);
}

void CommFrontendQt::sendMotorParamsToDeviceMemory(uint16_t number, uint16_t slot,
                                                   const QMap<uint16_t, uint16_t> &motorParams)
{
    QVector<QPair<uint16_t, uint16_t>> pairs;
    pairs.reserve(motorParams.size());
    for (auto it = motorParams.cbegin(); it != motorParams.cend(); ++it)
        pairs.append({it.key(), it.value()});
    sendPairs(WriteMotorParamsCommand, pairs);
    // The closing frame always names the memory slot, even for number 0.
    sendPairs(WriteMotorParamsCommand, {{number, slot}});
}

void CommFrontendQt::receiveFramesFromDevice()
{
    if (!link)
        return;
    while (commLinkReceive(link))
        dispatch(link->lastFrame);
}

void CommFrontendQt::dispatch(const uint8_t *frame)
{
    const uint8_t *data = frame + DataOffset;
    const CommErrorCode status = frame[StatusOffset];
    switch (frame[TypeOffset]) {
    case CurrentParametersetResponse: {
        const auto map = collectValues(data);
        if (!map.isEmpty())
            emit currentParametersetUpdate(map);
        break;
    }
    case ParameterResponse: {
        const auto map = collectValues(data);
        if (!map.isEmpty())
            emit parameterUpdate(map);
        break;
    }
    case MotorParamsResponse: {
        const auto map = collectValues(data);
        if (!map.isEmpty())
            emit motorParametersetUpdate(map);
        break;
    }
    case DeviceInfoResponse: {
        const char *text = reinterpret_cast<const char *>(data + FirmwareOffset);
        const QByteArray firmware(text, int(strnlen(text, FirmwareMaxLength)));
        emit deviceInfoUpdate(readU16(data), readU16(data + 2), firmware);
        break;
    }
    case WriteMotorParamsResponse:
        if (status == CommError::ParametersetMemoryUnusable || status == CommError::EepromWriteError)
            emit writeParametersetResponseReceived({}, status);
        else
            emit writeParametersetResponseReceived(collectStates(data), status);
        break;
    case DeleteMotorParamsResponse:
        emit deleteParametersetResponseReceived(status);
        break;
    case InverterResetResponse:
        emit resetResponseReceived(status);
        break;
    case FactoryResetResponse:
        emit factoryResetResponseReceived(status);
        break;
    case ParameterStateResponse: {
        const auto map = collectStates(data);
        if (!map.isEmpty())
            emit parameterStateReceived(map);
        break;
    }
    default:
        break;
    }
}
