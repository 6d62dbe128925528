// The framing layer's byte stream over the simulator's pseudo-terminal:
// reads come straight from the master side, writes (whole frames) pass the
// fault injector and leave through the transmit queue.
#pragma once

#include "CommDriver.h"

#include <QtGlobal>

class FaultInjector;
class PtyEndpoint;
class TransmitQueue;

class PtyCommDriver : public CommDriver
{
public:
    PtyCommDriver(PtyEndpoint *endpoint, TransmitQueue *queue, FaultInjector *faults);
    PtyCommDriver(const PtyCommDriver &) = delete;
    PtyCommDriver &operator=(const PtyCommDriver &) = delete;

    int32_t write(const uint8_t *data, uint32_t length);
    int32_t read(uint8_t *buffer, uint32_t maximum);

    // Bytes read so far; lets the reader tell whether a receive call made progress.
    qint64 bytesRead() const { return m_bytesRead; }

private:
    PtyEndpoint *m_endpoint = nullptr;
    TransmitQueue *m_queue = nullptr;
    FaultInjector *m_faults = nullptr;
    qint64 m_bytesRead = 0;
};
