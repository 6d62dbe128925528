#include "FaultInjector.h"

#include "CommFrame.h"

#include <algorithm>

FaultInjector::FaultInjector(QObject *parent)
    : QObject(parent)
{
    connect(&m_garbageTimer, &QTimer::timeout, this, [this] { burstGarbage(m_garbageBytes); });
}

void FaultInjector::setCorruptPercent(int32_t percent)
{
    m_corruptPercent = std::clamp(percent, 0, 100);
}

bool FaultInjector::corruptFrame(QByteArray &frame)
{
    if (m_corruptPercent <= 0 || frame.size() != int(CommFrame::Size))
        return false;
    if (int32_t(m_random.bounded(100)) >= m_corruptPercent)
        return false;
    const int offset = int(CommFrame::DataOffset + m_random.bounded(quint32(CommFrame::DataSize)));
    frame[offset] = char(frame[offset] ^ char(1 + m_random.bounded(255)));
    ++m_corrupted;
    return true;
}

void FaultInjector::setGarbage(int32_t bytes, int32_t periodMs)
{
    m_garbageBytes = std::max(0, bytes);
    m_garbageTimer.stop();
    if (m_garbageBytes == 0)
        return;
    if (periodMs > 0)
        m_garbageTimer.start(periodMs);
    else
        burstGarbage(m_garbageBytes);
}

void FaultInjector::burstGarbage(int32_t bytes)
{
    if (bytes <= 0)
        return;
    QByteArray burst(bytes, Qt::Uninitialized);
    for (char &c : burst) {
        // Leave out the first byte of both frame marks so that a burst never
        // forms a frame boundary by chance.
        uint8_t b = uint8_t(m_random.bounded(256));
        if (b == 0xEF || b == 0xBE)
            b ^= 0x01;
        c = char(b);
    }
    emit garbage(burst);
}

void FaultInjector::setRefusal(uint16_t id, CommErrorCode state)
{
    if (state == CommError::NoError)
        m_refusals.remove(id);
    else
        m_refusals.insert(id, state);
}
