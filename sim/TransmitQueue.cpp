#include "TransmitQueue.h"

#include "PtyEndpoint.h"

#include <algorithm>
#include <cmath>

namespace {
// Paced output is written in slices of this many milliseconds of wire time.
constexpr qint64 PaceSliceMs = 5;
}

TransmitQueue::TransmitQueue(PtyEndpoint *endpoint, QObject *parent)
    : QObject(parent)
    , m_endpoint(endpoint)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TransmitQueue::pump);
}

void TransmitQueue::send(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_items.push_back(Item { m_clock.elapsed() + m_latencyMs, bytes, 0 });
    if (m_latencyMs == 0 && !m_paced && m_items.size() == 1)
        pump();
    else if (!m_timer.isActive())
        arm(0);
}

void TransmitQueue::clear()
{
    m_items.clear();
    m_timer.stop();
}

void TransmitQueue::pump()
{
    const qint64 now = m_clock.elapsed();
    while (!m_items.empty()) {
        Item &item = m_items.front();
        if (item.due > now) {
            arm(item.due - now);
            return;
        }
        const int32_t remaining = item.bytes.size() - item.offset;
        if (!m_paced) {
            writeOut(item.bytes.constData() + item.offset, remaining);
            m_items.pop_front();
            continue;
        }
        const double byteMs = 1000.0 * m_endpoint->bitsPerCharacter() / m_endpoint->baudRate();
        const double start = std::max(m_wireFreeMs, double(item.due));
        const int32_t ready = start + byteMs <= now ? int32_t((now - start) / byteMs) : 0;
        const int32_t count = std::min(ready, remaining);
        if (count > 0) {
            writeOut(item.bytes.constData() + item.offset, count);
            item.offset += count;
            m_wireFreeMs = start + count * byteMs;
        }
        if (item.offset < item.bytes.size()) {
            const double next = std::max(m_wireFreeMs, double(item.due)) + byteMs;
            arm(std::max<qint64>(PaceSliceMs, qint64(std::ceil(next - now))));
            return;
        }
        m_items.pop_front();
    }
}

void TransmitQueue::writeOut(const char *data, int32_t length)
{
    const int32_t written = m_endpoint->write(reinterpret_cast<const uint8_t *>(data), uint32_t(length));
    m_sent += written;
    m_lost += length - written;
}

void TransmitQueue::arm(qint64 delayMs)
{
    m_timer.start(int(std::max<qint64>(0, delayMs)));
}
