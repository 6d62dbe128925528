#pragma once

#include "CommDriver.h"

class QIODevice;

// Fills the plain byte-stream interface from any QIODevice. Does not own the device.
class CommDriverQt : public CommDriver
{
public:
    explicit CommDriverQt(QIODevice *device);
    virtual ~CommDriverQt();

    int32_t write(const uint8_t *data, uint32_t length);
    // Never waits: reads at most the bytes the device already holds.
    int32_t read(uint8_t *buffer, uint32_t maximum);

private:
    QIODevice *m_device = nullptr;
};
