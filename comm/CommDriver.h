// Byte-stream interface under the framing layer. Whoever fills the structure
// owns it; CommLink only points to it. The read function must never block
// beyond the bytes already received.
#pragma once

#include <cstdint>

struct CommDriver
{
    void *context = nullptr;
    int32_t (*write)(const uint8_t *data, uint32_t length, void *context) = nullptr;
    int32_t (*read)(uint8_t *buffer, uint32_t maximum, void *context) = nullptr;
};
