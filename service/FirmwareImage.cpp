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
            QStringLiteral("-e"), QStringLiteral("50"),     QStringLiteral("-s"), QStringLiteral("6"),
            QStringLiteral("-w"), imageFile,                QStringLiteral("-v"), QStringLiteral("-R"),
            port};
#else
    // stm32flash 0.7 (Debian) ignores "-s" and "-e" when it writes a file and
    // would put the firmware over the bootloader at 0x08000000; it refuses -S
    // together with -e. The start address of page 6 places the image, and the
    // tool erases exactly the pages it writes.
    return {QStringLiteral("-b"), QStringLiteral("115200"),     QStringLiteral("-m"), QStringLiteral("8e1"),
            QStringLiteral("-S"), QStringLiteral("0x08003000"), QStringLiteral("-w"), imageFile,
            QStringLiteral("-v"), QStringLiteral("-R"),         port};
#endif
}
