// Framing layer: sends single frames and cuts received frames out of the byte
// stream. Fixed buffers only; receiving never allocates.
#pragma once

#include "CommDriver.h"
#include "CommFrame.h"

#include <cstdint>

struct CommLink
{
    static constexpr uint32_t BufferSize = 1024;

    CommDriver *driver = nullptr;
    uint8_t buffer[BufferSize] = {};
    uint32_t fill = 0;
    uint8_t lastFrame[CommFrame::Size] = {};
};

// Stores the driver, empties the buffer and sets the last frame to an empty,
// well-formed frame.
void commLinkInit(CommLink *link, CommDriver *driver);

// Hands the 64 bytes to the driver; the write result is not examined.
void commLinkSend(CommLink *link, const uint8_t *frame);

// Reads what the driver has and looks for one frame. True when a frame with a
// valid CRC was placed in lastFrame; at most one frame per call.
bool commLinkReceive(CommLink *link);

// Builds a frame of the given type and status around the 50-byte data field
// (marks, CRC) and sends it.
void commLinkSendFrame(CommLink *link, uint8_t type, uint8_t status, const uint8_t *data);

// Fills a 64-byte frame buffer (marks, type, status, data, CRC).
void commBuildFrame(uint8_t *frame, uint8_t type, uint8_t status, const uint8_t *data);
