#include "FirmwareImage.h"

#include "Crc32.h"

#include <cmath>

namespace {

constexpr int TrailerTextLength = 8;
constexpr int MaximumVersionDigits = 8;
const QByteArray ProgressEnd = QByteArrayLiteral("%) \r");
const QByteArray ProgressStart = QByteArrayLiteral(" (");

void appendLittleEndian(QByteArray &bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFFu));
}

} // namespace

uint32_t FirmwareImage::version(const QByteArray &firmware)
{
    QByteArray text = firmware.right(TrailerTextLength).simplified();
    text.replace('v', QByteArray()).replace('.', QByteArray()).replace(' ', QByteArray());

    uint32_t value = 0;
    for (int i = 0; i < text.size() && i < MaximumVersionDigits; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            break;
        value = (value << 4) | uint32_t(c - '0');
    }
    return value;
}

QByteArray FirmwareImage::temporaryImage(const QByteArray &firmware)
{
    QByteArray image = firmware;
    image.reserve(firmware.size() + 8);
    appendLittleEndian(image, version(firmware));
    appendLittleEndian(image,
                       crc32(reinterpret_cast<const uint8_t *>(firmware.constData()), size_t(firmware.size())));
    return image;
}

std::optional<FirmwareImage::Progress> FirmwareImage::progress(const QByteArray &output)
{
    const int end = output.lastIndexOf(ProgressEnd);
    if (end < 0)
        return std::nullopt;
    const int start = output.left(end).lastIndexOf(ProgressStart);
    if (start < 0)
        return std::nullopt;

    bool ok = false;
    const QByteArray number = output.mid(start + ProgressStart.size(), end - start - ProgressStart.size());
    const double percentage = number.toDouble(&ok);
    // toDouble() also reads "inf" and "nan"; only a share of the whole counts.
    if (!ok || !std::isfinite(percentage) || percentage < 0.0 || percentage > 100.0)
        return std::nullopt;
    return Progress{int(percentage * 10.0), qint64(end)};
}

QStringList FirmwareImage::bootloaderArguments(const QString &imageFile, const QString &port)
{
    // "-s 0" is one argument, blank included; the tool skips the blank when it reads the page.
    return {QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"), QStringLiteral("8e1"),
            QStringLiteral("-e"), QStringLiteral("6"),      QStringLiteral("-s 0"), QStringLiteral("-w"),
            imageFile,            QStringLiteral("-v"),     port};
}

QStringList FirmwareImage::firmwareArguments(const QString &imageFile, const QString &port)
{
#ifdef Q_OS_WIN
    return {QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"), QStringLiteral("8e1"),
            QStringLiteral("-e"), QString::number(FirmwarePageCount), QStringLiteral("-s"),
            QString::number(FirstFirmwarePage), QStringLiteral("-w"), imageFile, QStringLiteral("-v"),
            QStringLiteral("-R"), port};
#else
    // stm32flash 0.7 (Debian) ignores "-s" and "-e" when it writes a file and
    // would put the firmware over the bootloader at 0x08000000; it refuses -S
    // together with -e. Start and length of the firmware region place the
    // image and make the tool erase the whole region, so that nothing of an
    // older, longer image stays behind it.
    const QString region = QStringLiteral("0x%1:0x%2")
                               .arg(FirmwareStart, 8, 16, QLatin1Char('0'))
                               .arg(FirmwareEnd - FirmwareStart, 0, 16);
    return {QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"), QStringLiteral("8e1"),
            QStringLiteral("-S"), region,                   QStringLiteral("-w"), imageFile,
            QStringLiteral("-v"), QStringLiteral("-R"),     port};
#endif
}

FirmwareImage::Facts FirmwareImage::check(const QByteArray &firmware, const QByteArray &bootloaderImage)
{
    Facts facts;
    facts.size = firmware.size();
    if (firmware.isEmpty())
        return facts;
    facts.version = version(firmware);
    facts.crc = crc32(reinterpret_cast<const uint8_t *>(firmware.constData()), size_t(firmware.size()));
    const auto word = [&firmware](int at) {
        const auto *b = reinterpret_cast<const uint8_t *>(firmware.constData()) + at;
        return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    };
    const bool hasVectors = firmware.size() >= 8;
    const uint32_t stack = hasVectors ? word(0) : 0;
    const uint32_t resetVector = hasVectors ? word(4) : 0;
    const uint32_t reset = resetVector & ~1u;
    const bool thumb = resetVector & 1u;
    if (qint64(firmware.size()) + TrailerSize > qint64(FirmwareEnd - FirmwareStart))
        facts.verdict = Verdict::TooLarge;
    else if (!hasVectors)
        facts.verdict = Verdict::NoVectorTable;
    else if ((!bootloaderImage.isEmpty() && firmware == bootloaderImage)
             || (thumb && reset >= FlashBase && reset < FirmwareStart))
        facts.verdict = Verdict::IsBootloader;
    else if (stack <= SramStart || stack > SramEnd)
        facts.verdict = Verdict::StackOutsideSram;
    else if (!thumb || reset < FirmwareStart || reset >= FirmwareStart + uint32_t(firmware.size()))
        facts.verdict = Verdict::ResetOutsideFirmware;
    else
        facts.verdict = Verdict::Valid;
    return facts;
}
