#include "QFTD2XXDevice.h"

#include <QByteArray>

#include <cstring>
#include <vector>

namespace {

QString fromFixedString(const char *text, size_t size)
{
    return QString::fromLatin1(text, int(strnlen(text, size)));
}

} // namespace

QFTD2XXDevice::QFTD2XXDevice(const QFTD2XXDeviceInfo &deviceInfo, QObject *parent)
    : QIODevice(parent), m_deviceInfo(deviceInfo)
{
}

QFTD2XXDevice::~QFTD2XXDevice()
{
    close();
}

QList<QFTD2XXDeviceInfo> QFTD2XXDevice::availableDevices()
{
    QList<QFTD2XXDeviceInfo> result;
    DWORD count = 0;
    if (FT_CreateDeviceInfoList(&count) != FT_OK || count == 0)
        return result;

    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
    std::memset(nodes.data(), 0, nodes.size() * sizeof(FT_DEVICE_LIST_INFO_NODE));
    if (FT_GetDeviceInfoList(nodes.data(), &count) != FT_OK)
        return result;

    for (size_t i = 0; i < nodes.size(); ++i) {
        const FT_DEVICE_LIST_INFO_NODE &node = nodes[i];
        QFTD2XXDeviceInfo info;
        info.serialNumber = fromFixedString(node.SerialNumber, sizeof node.SerialNumber);
        info.description = fromFixedString(node.Description, sizeof node.Description);
        info.id = node.ID;
        info.locationId = node.LocId;
        info.type = node.Type;
        info.flags = node.Flags;
        info.index = int32_t(i);
        result.append(info);
    }
    return result;
}

void QFTD2XXDevice::setBaudRate(uint32_t rate)
{
    m_baudRate = rate;
    if (m_isOpen)
        FT_SetBaudRate(m_handle, rate);
}

void QFTD2XXDevice::setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity)
{
    m_wordLength = wordLength;
    m_stopBits = stopBits;
    m_parity = parity;
    if (m_isOpen)
        FT_SetDataCharacteristics(m_handle, wordLength, stopBits, parity);
}

void QFTD2XXDevice::setTimeout(uint32_t milliseconds)
{
    m_timeout = milliseconds;
    if (m_isOpen)
        m_lastStatus = FT_SetTimeouts(m_handle, milliseconds, milliseconds);
}

bool QFTD2XXDevice::open(OpenMode mode)
{
    if (m_isOpen)
        return true;

    FT_STATUS status = FT_DEVICE_NOT_OPENED;
    if (!m_deviceInfo.serialNumber.isEmpty()) {
        QByteArray serial = m_deviceInfo.serialNumber.toLatin1();
        status = FT_OpenEx(serial.data(), FT_OPEN_BY_SERIAL_NUMBER, &m_handle);
    }
    if (status != FT_OK && m_deviceInfo.index >= 0)
        status = FT_Open(m_deviceInfo.index, &m_handle);
    m_lastStatus = status;
    if (status != FT_OK) {
        m_handle = nullptr;
        return false;
    }

    m_isOpen = true;
    QIODevice::open(mode | QIODevice::Unbuffered);

    LONG comPort = -1;
    m_comPortNumber = FT_GetComPortNumber(m_handle, &comPort) == FT_OK ? comPort : -1;

    if (m_baudRate != 0) {
        FT_SetBaudRate(m_handle, m_baudRate);
        FT_SetDataCharacteristics(m_handle, m_wordLength, m_stopBits, m_parity);
    }

    DWORD version = 0;
    if (FT_GetDriverVersion(m_handle, &version) == FT_OK) {
        m_driverVersion = version;
        m_driverVersionText = QStringLiteral("%1.%2.%3")
                                  .arg((version >> 16) & 0xFF)
                                  .arg((version >> 8) & 0xFF)
                                  .arg(version & 0xFF);
    }

    m_lastStatus = FT_SetTimeouts(m_handle, m_timeout, m_timeout);
    return true;
}

void QFTD2XXDevice::close()
{
    QIODevice::close();
    if (!m_isOpen)
        return;
    FT_Purge(m_handle, FT_PURGE_RX | FT_PURGE_TX);
    FT_Close(m_handle);
    m_handle = nullptr;
    m_isOpen = false;
    m_comPortNumber = -1;
}

qint64 QFTD2XXDevice::bytesAvailable() const
{
    if (!m_isOpen)
        return 0;
    DWORD waiting = 0;
    if (FT_GetQueueStatus(m_handle, &waiting) != FT_OK)
        return 0;
    return qint64(waiting);
}

qint64 QFTD2XXDevice::readData(char *data, qint64 maxSize)
{
    if (!data || maxSize < 1 || !m_isOpen)
        return -1;
    DWORD received = 0;
    m_lastStatus = FT_Read(m_handle, data, DWORD(maxSize), &received);
    return qint64(received);
}

qint64 QFTD2XXDevice::writeData(const char *data, qint64 maxSize)
{
    if (!data || maxSize < 1 || !m_isOpen)
        return -1;
    qint64 written = 0;
    while (written < maxSize) {
        if (m_lastStatus != FT_OK)
            return written;
        DWORD chunk = 0;
        m_lastStatus = FT_Write(m_handle, const_cast<char *>(data + written), DWORD(maxSize - written), &chunk);
        written += chunk;
        if (chunk == 0) {
            emit writeTimeoutExpired();
            return -1;
        }
    }
    return maxSize;
}
