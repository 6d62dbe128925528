#include "FlashMemory.h"

#include "CommFrame.h"
#include "Crc32.h"

#include <algorithm>

namespace {

bool inside(uint32_t address, uint32_t length, uint32_t base, uint32_t size)
{
    return address >= base && length <= size && address - base <= size - length;
}

// A recognisable stand-in for code that was on the part before any update.
void fillPattern(QByteArray &memory, uint32_t from, uint32_t length, uint8_t seed)
{
    for (uint32_t i = 0; i < length; ++i)
        memory[int(from + i)] = char(uint8_t(i * 37u + seed));
}

} // namespace

FlashMemory::FlashMemory()
    : m_flash(int(FlashSize), char(0xFF))
    , m_ram(int(RamSize), char(0))
{
    fillPattern(m_flash, 0, FirmwareStart - FlashBase, 0x5A);
    fillPattern(m_flash, FirmwareStart - FlashBase, 16 * 1024, 0xA5);
}

bool FlashMemory::isReadable(uint32_t address, uint32_t length) const
{
    return inside(address, length, FlashBase, FlashSize) || inside(address, length, RamBase, RamSize)
        || inside(address, length, SystemMemoryBase, SystemMemorySize)
        || inside(address, length, OptionBytesBase, OptionBytesSize);
}

bool FlashMemory::isWritable(uint32_t address, uint32_t length) const
{
    return inside(address, length, FlashBase, FlashSize) || inside(address, length, RamBase, RamSize);
}

bool FlashMemory::isExecutable(uint32_t address) const
{
    return inside(address, 1, FlashBase, FlashSize) || inside(address, 1, RamBase, RamSize);
}

bool FlashMemory::read(uint32_t address, uint32_t length, QByteArray *out) const
{
    if (!isReadable(address, length))
        return false;
    if (inside(address, length, FlashBase, FlashSize))
        *out = m_flash.mid(int(address - FlashBase), int(length));
    else if (inside(address, length, RamBase, RamSize))
        *out = m_ram.mid(int(address - RamBase), int(length));
    else
        *out = QByteArray(int(length), char(0xFF)); // system memory and option bytes: not modelled
    return true;
}

bool FlashMemory::write(uint32_t address, const QByteArray &data)
{
    const uint32_t length = uint32_t(data.size());
    if (!isWritable(address, length))
        return false;
    if (inside(address, length, RamBase, RamSize)) {
        m_ram.replace(int(address - RamBase), int(length), data);
        return true;
    }
    const int offset = int(address - FlashBase);
    for (int i = 0; i < data.size(); ++i) {
        const char old = m_flash.at(offset + i);
        if (old != char(0xFF) && old != data.at(i))
            return false;
    }
    m_flash.replace(offset, int(length), data);
    m_sessionEnd = std::max(m_sessionEnd, address + length);
    if (address < FirmwareStart)
        m_bootloaderWritten = true;
    return true;
}

bool FlashMemory::erasePage(uint32_t page)
{
    if (page >= PageCount)
        return false;
    m_flash.replace(int(page * PageSize), int(PageSize), QByteArray(int(PageSize), char(0xFF)));
    return true;
}

uint32_t FlashMemory::leftoverBytes() const
{
    if (m_sessionEnd <= FirmwareStart)
        return 0;
    uint32_t count = 0;
    for (uint32_t address = m_sessionEnd; address < FirmwareEnd; ++address)
        count += uint8_t(m_flash.at(int(address - FlashBase))) != 0xFF;
    return count;
}

void FlashMemory::eraseAll()
{
    m_flash.fill(char(0xFF));
}

bool FlashMemory::imageVersion(uint32_t imageStart, uint32_t *version) const
{
    if (m_sessionEnd <= imageStart || imageStart < FlashBase)
        return false;
    const auto *flash = reinterpret_cast<const uint8_t *>(m_flash.constData());
    const uint32_t start = imageStart - FlashBase;
    // The flashing tool pads the last block to a multiple of four with 0xFF.
    for (uint32_t pad = 0; pad < 4; ++pad) {
        const uint32_t end = m_sessionEnd - FlashBase - pad;
        if (end < start + 9)
            break;
        const uint32_t imageLength = end - 8 - start;
        if (crc32(flash + start, imageLength) == CommFrame::readU32(flash + end - 4)) {
            *version = CommFrame::readU32(flash + end - 8);
            return true;
        }
    }
    return false;
}

QByteArray FlashMemory::versionText(uint32_t version)
{
    const QByteArray digits = QByteArray::number(version, 16);
    QByteArray text("v");
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0)
            text += '.';
        text += digits.at(i);
    }
    return text;
}
