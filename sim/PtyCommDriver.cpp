#include "PtyCommDriver.h"

#include "FaultInjector.h"
#include "PtyEndpoint.h"
#include "TransmitQueue.h"

#include <QByteArray>

namespace {

int32_t writeThunk(const uint8_t *data, uint32_t length, void *context)
{
    return static_cast<PtyCommDriver *>(context)->write(data, length);
}

int32_t readThunk(uint8_t *buffer, uint32_t maximum, void *context)
{
    return static_cast<PtyCommDriver *>(context)->read(buffer, maximum);
}

} // namespace

PtyCommDriver::PtyCommDriver(PtyEndpoint *endpoint, TransmitQueue *queue, FaultInjector *faults)
    : m_endpoint(endpoint)
    , m_queue(queue)
    , m_faults(faults)
{
    context = this;
    CommDriver::write = &writeThunk;
    CommDriver::read = &readThunk;
}

int32_t PtyCommDriver::write(const uint8_t *data, uint32_t length)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(length));
    m_faults->corruptFrame(bytes);
    m_queue->send(bytes);
    return int32_t(length);
}

int32_t PtyCommDriver::read(uint8_t *buffer, uint32_t maximum)
{
    const int32_t n = m_endpoint->read(buffer, maximum);
    m_bytesRead += n;
    return n;
}
