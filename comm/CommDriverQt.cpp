#include "CommDriverQt.h"

#include <QIODevice>

#include <algorithm>

namespace {

int32_t forwardWrite(const uint8_t *data, uint32_t length, void *context)
{
    return static_cast<CommDriverQt *>(context)->write(data, length);
}

int32_t forwardRead(uint8_t *buffer, uint32_t maximum, void *context)
{
    return static_cast<CommDriverQt *>(context)->read(buffer, maximum);
}

} // namespace

CommDriverQt::CommDriverQt(QIODevice *device) : m_device(device)
{
    context = this;
    CommDriver::write = forwardWrite;
    CommDriver::read = forwardRead;
}

CommDriverQt::~CommDriverQt() = default;

int32_t CommDriverQt::write(const uint8_t *data, uint32_t length)
{
    if (!m_device || !m_device->isOpen())
        return 0;
    return int32_t(m_device->write(reinterpret_cast<const char *>(data), qint64(length)));
}

int32_t CommDriverQt::read(uint8_t *buffer, uint32_t maximum)
{
    if (!m_device)
        return 0;
    const qint64 n = std::min<qint64>(m_device->bytesAvailable(), qint64(maximum));
    if (n <= 0)
        return 0;
    return int32_t(m_device->read(reinterpret_cast<char *>(buffer), n));
}
