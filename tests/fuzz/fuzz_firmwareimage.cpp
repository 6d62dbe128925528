// Firmware files and the flashing tool's output through FirmwareImage: the version from the
// trailer, the temporary image and the progress figure, each checked against a restatement.
//
// Input: the bytes, taken both as a firmware file and as the tool's output.
#include "FirmwareImage.h"
#include "FrameCodec.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_firmwareimage: %s\n", what);
    std::abort();
}

// The last 8 bytes without white space, "v" and "."; up to 8 leading digits as nibbles.
uint32_t restatedVersion(const uint8_t *data, size_t size)
{
    const size_t from = size > 8 ? size - 8 : 0;
    uint32_t value = 0;
    int digits = 0;
    for (size_t i = from; i < size && digits < 8; ++i) {
        const char c = char(data[i]);
        if (c != '\0' && std::strchr(" \t\n\v\f\rv.", c))
            continue;
        if (c < '0' || c > '9')
            break;
        value = value << 4 | uint32_t(c - '0');
        ++digits;
    }
    return value;
}

uint32_t littleEndian(const QByteArray &bytes, int at)
{
    return TestFrame::get32(reinterpret_cast<const uint8_t *>(bytes.constData()) + at);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    const uint32_t version = FirmwareImage::version(bytes);
    if (version != restatedVersion(data, size))
        fail("version differs from the restated rule");

    const QByteArray image = FirmwareImage::temporaryImage(bytes);
    if (image.size() != bytes.size() + 8 || !image.startsWith(bytes))
        fail("the image is not the firmware followed by 8 bytes");
    if (littleEndian(image, bytes.size()) != version
        || littleEndian(image, bytes.size() + 4) != TestFrame::crc32(data, size))
        fail("the image's trailer is not version and CRC");

    if (const auto progress = FirmwareImage::progress(bytes)) {
        if (progress->permille < 0 || progress->permille > 1000)
            fail("progress beyond 0 to 100 %");
        if (progress->consumed != bytes.lastIndexOf("%) \r"))
            fail("what may be read away does not end before the last complete figure");
    }
    return 0;
}
