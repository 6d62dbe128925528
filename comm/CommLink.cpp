#include "CommLink.h"

#include "Crc32.h"

#include <cstring>

using namespace CommFrame;

void commBuildFrame(uint8_t *frame, uint8_t type, uint8_t status, const uint8_t *data)
{
    writeU32(frame + StartMarkOffset, StartMark);
    frame[TypeOffset] = type;
    frame[StatusOffset] = status;
    if (data)
        std::memcpy(frame + DataOffset, data, DataSize);
    else
        std::memset(frame + DataOffset, 0, DataSize);
    writeU32(frame + EndMarkOffset, EndMark);
    writeU32(frame + CrcOffset, crc32(frame + DataOffset, DataSize));
}

void commLinkInit(CommLink *link, CommDriver *driver)
{
    link->driver = driver;
    std::memset(link->buffer, 0, sizeof link->buffer);
    link->fill = 0;
    commBuildFrame(link->lastFrame, 0, 0, nullptr);
}

void commLinkSend(CommLink *link, const uint8_t *frame)
{
    if (!link->driver || !link->driver->write)
        return;
    link->driver->write(frame, uint32_t(Size), link->driver->context);
}

void commLinkSendFrame(CommLink *link, uint8_t type, uint8_t status, const uint8_t *data)
{
    uint8_t frame[Size];
    commBuildFrame(frame, type, status, data);
    commLinkSend(link, frame);
}

bool commLinkReceive(CommLink *link)
{
    if (link->driver && link->driver->read && link->fill < CommLink::BufferSize) {
        const int32_t n = link->driver->read(link->buffer + link->fill, CommLink::BufferSize - link->fill,
                                             link->driver->context);
        if (n > 0)
            link->fill += uint32_t(n) <= CommLink::BufferSize - link->fill ? uint32_t(n)
                                                                            : CommLink::BufferSize - link->fill;
    }
    if (link->fill < Size)
        return false;

    const uint32_t last = link->fill - uint32_t(Size);
    for (uint32_t p = 0; p <= last; ++p) {
        const uint8_t *candidate = link->buffer + p;
        if (readU32(candidate + StartMarkOffset) != StartMark || readU32(candidate + EndMarkOffset) != EndMark)
            continue;
        const bool valid = crc32(candidate + DataOffset, DataSize) == readU32(candidate + CrcOffset);
        if (valid)
            std::memcpy(link->lastFrame, candidate, Size);
        const uint32_t consumed = p + uint32_t(Size);
        std::memmove(link->buffer, link->buffer + consumed, link->fill - consumed);
        link->fill -= consumed;
        return valid;
    }

    // No frame: keep only the last 64 bytes, which may hold the start of one.
    if (link->fill > Size) {
        std::memmove(link->buffer, link->buffer + link->fill - Size, Size);
        link->fill = uint32_t(Size);
    }
    return false;
}
