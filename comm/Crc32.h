#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 of IEEE 802.3 (reflected 0xEDB88320, initial and final XOR 0xFFFFFFFF),
// the checksum of the frame's data field.
uint32_t crc32(const uint8_t *data, size_t length);
