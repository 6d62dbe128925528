// Request layer: each function sends one request frame through the link.
// Plain structure, no Qt types; does not own the link.
#pragma once

#include "CommLink.h"

#include <cstdint>

struct CommFrontend
{
    CommLink *link = nullptr;

    void sendInverterResetCommand();
    void sendFactoryResetCommand();
    void sendStoreOnEepromCommand();
    void sendCurrentParametersetRequest();
    void sendDeviceInfoRequest();
    void sendBootloaderResetCommand();
    // 50-byte data field in layout B (day, month, year, hour, minute, second).
    void sendTime(const uint8_t *data);
    // Type 6 or type 8 with a complete layout A data field.
    void sendParameterRequestFrame(const uint8_t *data);
    void sendSetParameterFrame(const uint8_t *data);

protected:
    void sendEmpty(uint8_t type);
    void sendData(uint8_t type, const uint8_t *data);
};
