#pragma once

#include "QFTD2XXDeviceInfo.h"
#include "ftd2xx.h"

#include <QIODevice>
#include <QList>

#include <cstdint>

// QIODevice over one D2XX device. Opened unbuffered; reads never wait because
// they only ask for bytes already queued, writes wait at most the write time-out.
class QFTD2XXDevice : public QIODevice
{
    Q_OBJECT

public:
    explicit QFTD2XXDevice(const QFTD2XXDeviceInfo &deviceInfo, QObject *parent = nullptr);
    ~QFTD2XXDevice() override;

    static QList<QFTD2XXDeviceInfo> availableDevices();

    void setBaudRate(uint32_t rate);
    void setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity);
    void setTimeout(uint32_t milliseconds);

    bool open(OpenMode mode) override;
    void close() override;
    qint64 bytesAvailable() const override;

    int32_t comPortNumber() const { return m_comPortNumber; }
    QString driverVersion() const { return m_driverVersionText; }
    const QFTD2XXDeviceInfo &deviceInfo() const { return m_deviceInfo; }

signals:
    void writeTimeoutExpired();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QFTD2XXDeviceInfo m_deviceInfo;
    uint32_t m_driverVersion = 0;
    QString m_driverVersionText;
    int32_t m_comPortNumber = -1;
    uint32_t m_baudRate = 0;
    uint8_t m_wordLength = FT_BITS_8;
    uint8_t m_stopBits = FT_STOP_BITS_1;
    uint8_t m_parity = FT_PARITY_NONE;
    FT_HANDLE m_handle = nullptr;
    FT_STATUS m_lastStatus = FT_OK;
    bool m_isOpen = false;
    uint32_t m_timeout = 1000;
};
