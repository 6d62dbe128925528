#include "TrendBuffer.h"

#include <algorithm>

TrendBuffer::TrendBuffer(int capacity, int channels)
    : m_capacity(std::max(1, capacity))
    , m_channels(std::max(1, channels))
    , m_times(size_t(m_capacity), 0)
    , m_values(size_t(m_capacity) * size_t(m_channels), 0)
{
}

void TrendBuffer::append(qint64 msecs, const uint16_t *values)
{
    int target = 0;
    if (m_size < m_capacity) {
        target = slot(m_size);
        ++m_size;
    } else {
        target = m_first;
        m_first = m_first + 1 == m_capacity ? 0 : m_first + 1;
    }
    m_times[size_t(target)] = msecs;
    std::copy(values, values + m_channels, m_values.begin() + ptrdiff_t(target) * m_channels);
}

void TrendBuffer::clear()
{
    m_first = 0;
    m_size = 0;
}

int TrendBuffer::firstAtOrAfter(qint64 msecs) const
{
    int low = 0;
    int high = m_size;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (time(middle) < msecs)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
