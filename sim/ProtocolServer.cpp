#include "ProtocolServer.h"

#include "BootloaderEmulator.h"
#include "CommFrame.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "ParameterId.h"
#include "PtyEndpoint.h"
#include "TransmitQueue.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <cstring>

using namespace CommFrame;

namespace {

// A motor set holds far fewer pairs; this bounds a sequence that never closes.
constexpr int MaxCollectedPairs = 256;

QVector<QPair<uint16_t, uint16_t>> pairsOf(const uint8_t *data)
{
    QVector<QPair<uint16_t, uint16_t>> pairs;
    const size_t count = std::min<size_t>(readU16(data), MaxPairs);
    for (size_t k = 0; k < count; ++k)
        pairs.append({ pairNumber(data, k), pairValue(data, k) });
    return pairs;
}

} // namespace

ProtocolServer::ProtocolServer(PtyEndpoint *endpoint, InverterModel *model, BootloaderEmulator *bootloader,
                               TransmitQueue *queue, FaultInjector *faults, QObject *parent)
    : QObject(parent)
    , m_endpoint(endpoint)
    , m_model(model)
    , m_bootloader(bootloader)
    , m_queue(queue)
    , m_faults(faults)
    , m_driver(endpoint, queue, faults)
{
    commLinkInit(&m_link, &m_driver);
    connect(endpoint, &PtyEndpoint::readyRead, this, &ProtocolServer::onReadyRead);
    connect(bootloader, &BootloaderEmulator::transmit, this, [this](const QByteArray &bytes) {
        if (!m_faults->isSilent() && !m_lineCut)
            m_queue->send(bytes);
    });
    connect(bootloader, &BootloaderEmulator::go, this, &ProtocolServer::leaveBootloader);
    m_bootloaderStart.setSingleShot(true);
    m_bootloaderStart.setInterval(BootloaderStartMs);
    connect(&m_bootloaderStart, &QTimer::timeout, this, [this] {
        if (m_mode == Mode::Bootloader)
            emit bootloaderReady();
    });
}

void ProtocolServer::enterBootloader()
{
    m_mode = Mode::Bootloader;
    m_motorSet.clear();
    m_bootloaderStart.start();
    m_bootloader->enter();
    emit bootloaderEntered();
}

void ProtocolServer::restart()
{
    m_mode = Mode::Application;
    m_bootloaderStart.stop();
    commLinkInit(&m_link, &m_driver);
    m_motorSet.clear();
    m_cutType = 0;
    m_cutCountdown = 0;
    m_lineCut = false;
}

void ProtocolServer::cutLineAt(uint8_t type, int32_t count)
{
    m_cutType = type;
    m_cutCountdown = count < 1 ? 1 : count;
}

bool ProtocolServer::reachesCut(uint8_t type)
{
    if (m_cutType == 0 || type != m_cutType || --m_cutCountdown > 0)
        return false;
    m_cutType = 0;
    m_lineCut = true;
    emit lineCut();
    return true;
}

void ProtocolServer::leaveBootloader(quint32 address)
{
    restart();
    emit applicationStarted(address);
}

void ProtocolServer::onReadyRead()
{
    if (m_mode == Mode::Bootloader) {
        readBootloaderBytes();
        return;
    }
    // Unlike the program's timer-driven receiver, keep going while the link
    // makes progress: the notifier does not fire again for bytes already read.
    for (;;) {
        const qint64 readBefore = m_driver.bytesRead();
        const uint32_t fillBefore = m_link.fill;
        if (commLinkReceive(&m_link)) {
            if (!m_faults->isSilent() && !m_lineCut)
                dispatch(m_link.lastFrame);
            if (m_mode == Mode::Bootloader) {
                readBootloaderBytes();
                return;
            }
            continue;
        }
        if (m_driver.bytesRead() == readBefore && m_link.fill == fillBefore)
            return;
    }
}

void ProtocolServer::readBootloaderBytes()
{
    uint8_t buffer[512];
    for (;;) {
        const int32_t n = m_endpoint->read(buffer, sizeof buffer);
        if (n <= 0)
            return;
        if (m_faults->isSilent() || m_bootloaderStart.isActive())
            continue;
        m_bootloader->feed(QByteArray(reinterpret_cast<const char *>(buffer), n));
        if (m_mode != Mode::Bootloader)
            return; // Go: what follows belongs to the application
    }
}

void ProtocolServer::dispatch(const uint8_t *frame)
{
    const uint8_t type = frame[TypeOffset];
    const uint8_t *data = frame + DataOffset;
    if (reachesCut(type))
        return; // lost with the cable
    ++m_framesReceived;
    emit frameReceived(type);

    switch (type) {
    case InverterResetCommand:
        sendFrame(InverterResetResponse, m_model->resetFaults());
        break;
    case FactoryResetCommand:
        sendFrame(FactoryResetResponse, m_model->factoryReset());
        break;
    case StoreOnEepromCommand:
        m_model->storeInEeprom();
        break;
    case CurrentParametersetRequest: {
        Pairs all;
        for (uint16_t id : m_model->ids())
            all.append({ id, m_model->raw(id) });
        sendPairs(CurrentParametersetResponse, all);
        break;
    }
    case ParameterRequest:
        answerParameterRequest(pairsOf(data));
        break;
    case SetParameterCommand:
        answerSetParameters(pairsOf(data));
        break;
    case DeviceInfoRequest:
        answerDeviceInfo();
        break;
    case SetTimeCommand:
        rememberClock(data);
        break;
    case BootloaderResetCommand:
        enterBootloader();
        break;
    case LoadMotorParamsCommand:
        answerMotorLoad(pairsOf(data));
        break;
    case WriteMotorParamsCommand: {
        const Pairs pairs = pairsOf(data);
        if (pairs.size() == 1 && pairs.first().first == Param::MotorCode) {
            answerMotorStore(pairs.first().second);
        } else if (m_motorSet.size() + pairs.size() <= MaxCollectedPairs) {
            m_motorSet += pairs;
        }
        break;
    }
    case DeleteMotorParamsCommand:
        answerDelete(pairsOf(data));
        break;
    default:
        break; // answers and unknown types are not for the inverter
    }
}

void ProtocolServer::answerParameterRequest(const Pairs &pairs)
{
    Pairs values;
    for (const auto &pair : pairs) {
        if (m_model->isKnown(pair.first))
            values.append({ pair.first, m_model->raw(pair.first) });
    }
    sendPairs(ParameterResponse, values);
}

void ProtocolServer::answerSetParameters(const Pairs &pairs)
{
    // One state frame per received frame, also for an empty one.
    uint8_t data[DataSize] = {};
    writeU16(data, uint16_t(pairs.size()));
    for (int k = 0; k < pairs.size(); ++k) {
        const CommErrorCode refused = m_faults->refusal(pairs[k].first);
        const CommErrorCode state = refused ? refused : m_model->write(pairs[k].first, pairs[k].second);
        setPair(data, size_t(k), pairs[k].first, state);
    }
    sendFrame(ParameterStateResponse, 0, data);
}

void ProtocolServer::answerMotorStore(uint16_t slot)
{
    const Pairs pairs = m_motorSet;
    m_motorSet.clear();
    const CommErrorCode injected = m_faults->memoryFailure();
    if (injected != CommError::NoError) {
        sendFrame(WriteMotorParamsResponse, injected);
        return;
    }
    const InverterModel::MotorStoreResult result = m_model->storeMotorSet(slot, pairs);
    if (result.general != CommError::NoError) {
        sendFrame(WriteMotorParamsResponse, result.general);
        return;
    }
    // States in the order received, the closing MotorCode entry last: the
    // program regards the answer as complete once that entry is in.
    Pairs states;
    for (const auto &state : result.states)
        states.append({ state.first, state.second });
    sendPairs(WriteMotorParamsResponse, states);
}

void ProtocolServer::answerMotorLoad(const Pairs &pairs)
{
    if (pairs.size() != 1 || pairs.first().first != Param::MotorCode)
        return;
    Pairs loaded;
    if (m_model->loadMotorSet(pairs.first().second, &loaded))
        sendPairs(MotorParamsResponse, loaded);
}

void ProtocolServer::answerDelete(const Pairs &pairs)
{
    if (pairs.size() != 1 || pairs.first().first != Param::MotorCode) {
        sendFrame(DeleteMotorParamsResponse, CommError::ParametersetMemoryUnusable);
        return;
    }
    sendFrame(DeleteMotorParamsResponse, m_model->deleteMotorSet(pairs.first().second));
}

void ProtocolServer::answerDeviceInfo()
{
    uint8_t data[DataSize] = {};
    writeU16(data, m_model->inverterType());
    writeU16(data + 2, m_model->serialNumber());
    const QByteArray firmware = m_model->firmware().left(int(FirmwareMaxLength));
    std::memcpy(data + FirmwareOffset, firmware.constData(), size_t(firmware.size()));
    sendFrame(DeviceInfoResponse, 0, data);
}

void ProtocolServer::rememberClock(const uint8_t *data)
{
    const QDate date(readU16(data + 4), readU16(data + 2), readU16(data));
    const QTime time(readU16(data + 6), readU16(data + 8), readU16(data + 10));
    const QDateTime clock(date, time, Qt::UTC);
    if (clock.isValid())
        m_model->setClock(clock);
}

void ProtocolServer::sendFrame(uint8_t type, uint8_t status, const uint8_t *data)
{
    if (m_lineCut)
        return;
    ++m_framesSent;
    commLinkSendFrame(&m_link, type, status, data);
    reachesCut(type);
}

void ProtocolServer::sendPairs(uint8_t type, const Pairs &pairs)
{
    for (int first = 0; first < pairs.size(); first += int(MaxPairs)) {
        uint8_t data[DataSize] = {};
        const int count = std::min<int>(int(MaxPairs), pairs.size() - first);
        writeU16(data, uint16_t(count));
        for (int k = 0; k < count; ++k)
            setPair(data, size_t(k), pairs[first + k].first, pairs[first + k].second);
        sendFrame(type, 0, data);
    }
}
