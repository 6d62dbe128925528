// The STM32 USART bootloader (ST application note AN3155) as far as the
// flashing tool needs it: 0x7F synchronisation, Get, Get Version, Get ID
// (PID 0x0414, STM32F10x high-density), Read Memory, Go, Write Memory and
// Erase. Extended Erase and the protection commands are refused with NACK.
// Bytes come in through feed(); answers leave through transmit().
#pragma once

#include "FlashMemory.h"

#include <QByteArray>
#include <QObject>

#include <cstdint>

class BootloaderEmulator : public QObject
{
    Q_OBJECT

public:
    static constexpr uint8_t Ack = 0x79;
    static constexpr uint8_t Nack = 0x1F;
    static constexpr uint8_t Sync = 0x7F;
    static constexpr uint8_t Version = 0x22;
    static constexpr uint16_t ProductId = 0x0414;

    explicit BootloaderEmulator(QObject *parent = nullptr);

    FlashMemory &flash() { return m_flash; }
    const FlashMemory &flash() const { return m_flash; }

    // Reset into the bootloader: waits for the synchronisation byte.
    void enter();
    void feed(const QByteArray &bytes);
    bool isSynchronised() const { return m_state != State::WaitSync; }
    qint64 commandCount() const { return m_commands; }

signals:
    void transmit(const QByteArray &bytes);
    // The Go command was acknowledged; the application starts.
    void go(quint32 address);

private:
    enum class State {
        WaitSync,
        Command,
        ReadAddress,
        ReadLength,
        WriteAddress,
        WriteData,
        GoAddress,
        Erase,
    };

    // Each handler consumes its bytes from m_input and returns false while
    // more bytes are needed.
    bool handleCommand();
    bool handleAddress();
    bool handleReadLength();
    bool handleWriteData();
    bool handleErase();
    void reply(std::initializer_list<uint8_t> bytes);
    void reply(const QByteArray &bytes);

    FlashMemory m_flash;
    QByteArray m_input;
    State m_state = State::WaitSync;
    uint32_t m_address = 0;
    qint64 m_commands = 0;
};
