// Layout of the 64-byte frames exchanged with the inverter. Multi-byte fields
// are little-endian; the CRC covers the 50-byte data field only.
#pragma once

#include <cstddef>
#include <cstdint>

namespace CommFrame {

constexpr size_t Size = 64;
constexpr size_t StartMarkOffset = 0;
constexpr size_t CrcOffset = 4;
constexpr size_t TypeOffset = 8;
constexpr size_t StatusOffset = 9;
constexpr size_t DataOffset = 10;
constexpr size_t DataSize = 50;
constexpr size_t EndMarkOffset = 60;
constexpr uint32_t StartMark = 0xDEADBEEFu;
constexpr uint32_t EndMark = 0xCAFEBABEu;

// Data layout A: count, then up to 12 (number, value) pairs.
constexpr size_t MaxPairs = 12;
// Data layout C: firmware text from data offset 4, at most 46 bytes.
constexpr size_t FirmwareOffset = 4;
constexpr size_t FirmwareMaxLength = DataSize - FirmwareOffset;

enum Type : uint8_t {
    InverterResetCommand = 1,
    FactoryResetCommand = 2,
    StoreOnEepromCommand = 3,
    CurrentParametersetRequest = 4,
    CurrentParametersetResponse = 5,
    ParameterRequest = 6,
    ParameterResponse = 7,
    SetParameterCommand = 8,
    DeviceInfoRequest = 9,
    DeviceInfoResponse = 10,
    SetTimeCommand = 11,
    BootloaderResetCommand = 12,
    LoadMotorParamsCommand = 13,
    MotorParamsResponse = 14,
    WriteMotorParamsCommand = 15,
    WriteMotorParamsResponse = 16,
    DeleteMotorParamsCommand = 17,
    DeleteMotorParamsResponse = 18,
    InverterResetResponse = 19,
    FactoryResetResponse = 20,
    ParameterStateResponse = 22
};

inline uint16_t readU16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t readU32(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void writeU16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void writeU32(uint8_t *p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

// Pair k of a layout A data field; k is taken modulo 12 so that a count above 12
// never reads outside the data field.
inline uint16_t pairNumber(const uint8_t *data, size_t k) { return readU16(data + 2 + 4 * (k % MaxPairs)); }
inline uint16_t pairValue(const uint8_t *data, size_t k) { return readU16(data + 4 + 4 * (k % MaxPairs)); }
inline void setPair(uint8_t *data, size_t k, uint16_t number, uint16_t value)
{
    writeU16(data + 2 + 4 * k, number);
    writeU16(data + 4 + 4 * k, value);
}

} // namespace CommFrame
