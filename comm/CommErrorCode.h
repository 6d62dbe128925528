// Result code of the frame protocol: carried in the status byte of the answer
// frames and in the low byte of per-parameter state entries.
#pragma once

#include <cstdint>

typedef uint8_t CommErrorCode;

namespace CommError {
enum : CommErrorCode {
    NoError = 0x00,
    InvalidParameterId = 0x01,
    ChangeNotPermitted = 0x02,
    ValueOutOfRange = 0x04,
    ParametersetMemoryUnusable = 0x10,
    EepromWriteError = 0x20,
    NoAcknowledge = 0xFF // the application's marker for an answer still awaited
};
}
