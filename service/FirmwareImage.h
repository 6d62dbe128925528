#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the firmware update knows about images and the flashing tool, as pure
// functions: the version a firmware file names in its trailer, the temporary
// image handed to the tool, the tool's command lines and the reading of its
// progress output. No widgets and no files, so that every function can be fed
// arbitrary bytes.
class FirmwareImage
{
public:
    FirmwareImage() = delete;

    // The controller's flash as the update uses it: the maker's bootloader in
    // pages 0 to 5, the firmware region in the 50 pages from page 6, which the
    // firmware update erases as a whole and writes.
    static constexpr uint32_t FlashBase = 0x08000000;
    static constexpr uint32_t PageSize = 2048;
    static constexpr uint32_t FirstFirmwarePage = 6;
    static constexpr uint32_t FirmwarePageCount = 50;
    static constexpr uint32_t FirmwareStart = FlashBase + FirstFirmwarePage * PageSize; // 0x08003000
    static constexpr uint32_t FirmwareEnd = FirmwareStart + FirmwarePageCount * PageSize; // 0x0801C000
    // RAM, where the initial stack pointer of a firmware's vector table points.
    static constexpr uint32_t SramStart = 0x20000000;
    static constexpr uint32_t SramEnd = 0x20010000;
    // Bytes the temporary image adds: version and CRC.
    static constexpr int TrailerSize = 8;

    enum class Verdict {
        Valid,
        Empty,
        TooLarge,             // the image with its trailer does not fit the firmware region
        NoVectorTable,        // shorter than a stack pointer and a reset vector
        StackOutsideSram,     // the initial stack pointer does not point into RAM
        ResetOutsideFirmware, // the reset vector is even or points outside the image in the region
        IsBootloader,         // the program's bootloader image, or one that starts in the bootloader pages
    };
    struct Facts
    {
        Verdict verdict = Verdict::Empty;
        qint64 size = 0;
        uint32_t version = 0;
        uint32_t crc = 0;
    };
    // Checks a firmware file before anything is sent to the inverter.
    [[nodiscard]] static Facts check(const QByteArray &firmware, const QByteArray &bootloaderImage = QByteArray());

    // One progress figure read from the tool's output.
    struct Progress
    {
        int permille = 0;       // the percentage × 10, truncated
        qint64 consumed = 0;    // bytes of the output that may be read away
    };

    // The version from the file's last 8 bytes: white space collapsed and
    // trimmed, every "v", "." and blank removed, then up to 8 leading decimal
    // digits taken as hexadecimal nibbles ("  v2.1.0" gives 0x210). 0 when the
    // text starts with no digit.
    [[nodiscard]] static uint32_t version(const QByteArray &firmware);

    // The firmware's bytes followed by its version and the CRC-32 of the
    // firmware's bytes, both little-endian. This is what the inverter's
    // bootloader checks before it starts the firmware.
    [[nodiscard]] static QByteArray temporaryImage(const QByteArray &firmware);

    // Reads the last complete progress figure from the tool's output. The tool
    // ends every figure with "%) " and starts the next one with a carriage
    // return, so a figure counts only once "%) \r" follows it; the number
    // stands between the last " (" before that marker and the marker. The
    // marker and what follows it stay unread. No value when there is no
    // complete figure or its number does not parse.
    [[nodiscard]] static std::optional<Progress> progress(const QByteArray &output);

    // The tool's argument lists for the bootloader (pages 0 to 5) and for the
    // firmware (from page 6, then a reset of the target); `port` is the
    // operating system's name of the serial port.
    [[nodiscard]] static QStringList bootloaderArguments(const QString &imageFile, const QString &port);
    [[nodiscard]] static QStringList firmwareArguments(const QString &imageFile, const QString &port);
};
