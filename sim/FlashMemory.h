// Memory map of the inverter's STM32F10x high-density controller as its serial
// bootloader sees it: 512 KiB flash in 2 KiB pages at 0x08000000 (the maker's
// bootloader in pages 0..5, the firmware from page 6 at 0x08003000) and 64 KiB
// RAM at 0x20000000. Flash bits can only be programmed from 1 to 0; an erase
// sets a page back to 0xFF.
#pragma once

#include <QByteArray>

#include <cstdint>

class FlashMemory
{
public:
    static constexpr uint32_t FlashBase = 0x08000000;
    static constexpr uint32_t FlashSize = 512 * 1024;
    static constexpr uint32_t PageSize = 2048;
    static constexpr uint32_t PageCount = FlashSize / PageSize;
    static constexpr uint32_t FirmwareStart = FlashBase + 6 * PageSize;
    // The firmware region that a firmware update erases: 50 pages from page 6.
    static constexpr uint32_t FirmwareEnd = FirmwareStart + 50 * PageSize;
    static constexpr uint32_t RamBase = 0x20000000;
    static constexpr uint32_t RamSize = 64 * 1024;
    static constexpr uint32_t SystemMemoryBase = 0x1FFFF000;
    static constexpr uint32_t SystemMemorySize = 0x800;
    static constexpr uint32_t OptionBytesBase = 0x1FFFF800;
    static constexpr uint32_t OptionBytesSize = 16;

    FlashMemory();

    bool isReadable(uint32_t address, uint32_t length = 1) const;
    bool isWritable(uint32_t address, uint32_t length = 1) const;
    bool isExecutable(uint32_t address) const;

    // False when the range is not readable.
    bool read(uint32_t address, uint32_t length, QByteArray *out) const;
    // False when the range is not writable or a flash byte is not erased
    // (writing the same value again is allowed, as on the real part).
    bool write(uint32_t address, const QByteArray &data);
    bool erasePage(uint32_t page);
    void eraseAll();

    // Starts a bootloader session: forgets what was written before.
    void beginSession()
    {
        m_sessionEnd = 0;
        m_bootloaderWritten = false;
    }
    // The version from the trailer (4 bytes version, 4 bytes CRC-32 of the
    // image, little-endian) of an image that starts at imageStart and ends
    // with the last flash byte written during this session; false when there
    // is none or its CRC does not match.
    bool imageVersion(uint32_t imageStart, uint32_t *version) const;
    // The same for the firmware area, where the maker's bootloader starts it.
    bool writtenFirmwareVersion(uint32_t *version) const { return imageVersion(FirmwareStart, version); }
    // Bytes of the firmware region behind the image written in this session
    // that are not erased: what an earlier, longer image left there.
    uint32_t leftoverBytes() const;
    // Whether this session wrote into the maker's bootloader (pages 0..5).
    bool bootloaderWritten() const { return m_bootloaderWritten; }
    // "v" and the version's hexadecimal digits separated by dots: 0x195 → "v1.9.5".
    static QByteArray versionText(uint32_t version);

private:
    QByteArray m_flash;
    QByteArray m_ram;
    uint32_t m_sessionEnd = 0; // address behind the highest flash byte written in this session
    bool m_bootloaderWritten = false;
};
