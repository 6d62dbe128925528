#include "BootloaderEmulator.h"

namespace {

constexpr uint8_t CmdGet = 0x00;
constexpr uint8_t CmdGetVersion = 0x01;
constexpr uint8_t CmdGetId = 0x02;
constexpr uint8_t CmdReadMemory = 0x11;
constexpr uint8_t CmdGo = 0x21;
constexpr uint8_t CmdWriteMemory = 0x31;
constexpr uint8_t CmdErase = 0x43;
// Offered in Get but refused: the protection commands.
constexpr uint8_t CmdWriteProtect = 0x63;
constexpr uint8_t CmdWriteUnprotect = 0x73;
constexpr uint8_t CmdReadoutProtect = 0x82;
constexpr uint8_t CmdReadoutUnprotect = 0x92;

uint8_t byteAt(const QByteArray &bytes, int i) { return uint8_t(bytes.at(i)); }

} // namespace

BootloaderEmulator::BootloaderEmulator(QObject *parent)
    : QObject(parent)
{
}

void BootloaderEmulator::enter()
{
    m_input.clear();
    m_state = State::WaitSync;
    m_flash.beginSession();
}

void BootloaderEmulator::feed(const QByteArray &bytes)
{
    m_input += bytes;
    for (;;) {
        bool done = false;
        switch (m_state) {
        case State::WaitSync: {
            // Anything before the synchronisation byte is line noise to the autobaud logic.
            const int sync = m_input.indexOf(char(Sync));
            if (sync < 0) {
                m_input.clear();
                return;
            }
            m_input.remove(0, sync + 1);
            reply({ Ack });
            m_state = State::Command;
            done = true;
            break;
        }
        case State::Command:
            done = handleCommand();
            break;
        case State::ReadAddress:
        case State::WriteAddress:
        case State::GoAddress:
            done = handleAddress();
            break;
        case State::ReadLength:
            done = handleReadLength();
            break;
        case State::WriteData:
            done = handleWriteData();
            break;
        case State::Erase:
            done = handleErase();
            break;
        }
        if (!done)
            return;
    }
}

bool BootloaderEmulator::handleCommand()
{
    if (m_input.size() < 2)
        return false;
    const uint8_t command = byteAt(m_input, 0);
    const uint8_t complement = byteAt(m_input, 1);
    m_input.remove(0, 2);
    if (uint8_t(command ^ complement) != 0xFF) {
        reply({ Nack });
        return true;
    }
    ++m_commands;
    switch (command) {
    case CmdGet:
        reply({ Ack, 11, Version, CmdGet, CmdGetVersion, CmdGetId, CmdReadMemory, CmdGo, CmdWriteMemory, CmdErase,
                CmdWriteProtect, CmdWriteUnprotect, CmdReadoutProtect, CmdReadoutUnprotect, Ack });
        break;
    case CmdGetVersion:
        reply({ Ack, Version, 0x00, 0x00, Ack });
        break;
    case CmdGetId:
        reply({ Ack, 0x01, uint8_t(ProductId >> 8), uint8_t(ProductId & 0xFF), Ack });
        break;
    case CmdReadMemory:
        reply({ Ack });
        m_state = State::ReadAddress;
        break;
    case CmdWriteMemory:
        reply({ Ack });
        m_state = State::WriteAddress;
        break;
    case CmdGo:
        reply({ Ack });
        m_state = State::GoAddress;
        break;
    case CmdErase:
        reply({ Ack });
        m_state = State::Erase;
        break;
    default: // Extended Erase, protection commands, unknown codes
        reply({ Nack });
        break;
    }
    return true;
}

bool BootloaderEmulator::handleAddress()
{
    if (m_input.size() < 5)
        return false;
    uint8_t checksum = 0;
    uint32_t address = 0;
    for (int i = 0; i < 4; ++i) {
        address = (address << 8) | byteAt(m_input, i);
        checksum ^= byteAt(m_input, i);
    }
    const bool valid = checksum == byteAt(m_input, 4);
    m_input.remove(0, 5);
    const State state = m_state;
    m_state = State::Command;

    bool accepted = false;
    if (valid) {
        switch (state) {
        case State::ReadAddress: accepted = m_flash.isReadable(address); break;
        case State::WriteAddress: accepted = m_flash.isWritable(address); break;
        case State::GoAddress: accepted = m_flash.isExecutable(address); break;
        default: break;
        }
    }
    if (!accepted) {
        reply({ Nack });
        return true;
    }
    reply({ Ack });
    m_address = address;
    if (state == State::ReadAddress) {
        m_state = State::ReadLength;
    } else if (state == State::WriteAddress) {
        m_state = State::WriteData;
    } else {
        // The application takes over the line; nothing after Go is for us.
        m_state = State::WaitSync;
        m_input.clear();
        emit go(address);
        return false;
    }
    return true;
}

bool BootloaderEmulator::handleReadLength()
{
    if (m_input.size() < 2)
        return false;
    const uint8_t n = byteAt(m_input, 0);
    const uint8_t complement = byteAt(m_input, 1);
    m_input.remove(0, 2);
    m_state = State::Command;
    QByteArray data;
    if (uint8_t(n ^ complement) != 0xFF || !m_flash.read(m_address, uint32_t(n) + 1, &data)) {
        reply({ Nack });
        return true;
    }
    reply(QByteArray(1, char(Ack)) + data);
    return true;
}

bool BootloaderEmulator::handleWriteData()
{
    if (m_input.isEmpty())
        return false;
    const int n = byteAt(m_input, 0) + 1;
    if (m_input.size() < n + 2)
        return false;
    uint8_t checksum = uint8_t(n - 1);
    for (int i = 1; i <= n; ++i)
        checksum ^= byteAt(m_input, i);
    const bool valid = checksum == byteAt(m_input, n + 1);
    const QByteArray data = m_input.mid(1, n);
    m_input.remove(0, n + 2);
    m_state = State::Command;
    reply({ valid && m_flash.write(m_address, data) ? Ack : Nack });
    return true;
}

bool BootloaderEmulator::handleErase()
{
    if (m_input.isEmpty())
        return false;
    const uint8_t n = byteAt(m_input, 0);
    if (n == 0xFF) { // global erase: 0xFF, checksum 0x00
        if (m_input.size() < 2)
            return false;
        const bool valid = byteAt(m_input, 1) == 0x00;
        m_input.remove(0, 2);
        m_state = State::Command;
        if (valid)
            m_flash.eraseAll();
        reply({ valid ? Ack : Nack });
        return true;
    }
    const int pages = n + 1;
    if (m_input.size() < pages + 2)
        return false;
    uint8_t checksum = n;
    for (int i = 1; i <= pages; ++i)
        checksum ^= byteAt(m_input, i);
    bool ok = checksum == byteAt(m_input, pages + 1);
    if (ok) {
        for (int i = 1; i <= pages; ++i)
            ok = m_flash.erasePage(byteAt(m_input, i)) && ok;
    }
    m_input.remove(0, pages + 2);
    m_state = State::Command;
    reply({ ok ? Ack : Nack });
    return true;
}

void BootloaderEmulator::reply(std::initializer_list<uint8_t> bytes)
{
    QByteArray out;
    out.reserve(int(bytes.size()));
    for (uint8_t b : bytes)
        out += char(b);
    emit transmit(out);
}

void BootloaderEmulator::reply(const QByteArray &bytes)
{
    emit transmit(bytes);
}
