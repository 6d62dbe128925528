#pragma once

#include <QtGlobal>

#include <cstdint>
#include <vector>

// A ring of samples, each a time stamp and one raw value per channel. All
// memory is taken at construction; append() never allocates, and once the ring
// is full each sample replaces the oldest. Times are milliseconds since the
// epoch and are expected to rise. GUI thread only.
class TrendBuffer
{
public:
    TrendBuffer(int capacity, int channels);

    [[nodiscard]] int capacity() const { return m_capacity; }
    [[nodiscard]] int channels() const { return m_channels; }
    [[nodiscard]] int size() const { return m_size; }
    [[nodiscard]] bool isEmpty() const { return m_size == 0; }

    // `values` holds channels() raw values.
    void append(qint64 msecs, const uint16_t *values);
    void clear();

    // Sample index 0 is the oldest kept, size() - 1 the newest.
    [[nodiscard]] qint64 time(int index) const { return m_times[slot(index)]; }
    [[nodiscard]] uint16_t raw(int index, int channel) const
    {
        return m_values[size_t(slot(index)) * size_t(m_channels) + size_t(channel)];
    }
    // The first sample at or after msecs; size() when there is none.
    [[nodiscard]] int firstAtOrAfter(qint64 msecs) const;

private:
    [[nodiscard]] int slot(int index) const
    {
        const int s = m_first + index;
        return s >= m_capacity ? s - m_capacity : s;
    }

    int m_capacity = 0;
    int m_channels = 0;
    int m_first = 0;
    int m_size = 0;
    std::vector<qint64> m_times;
    std::vector<uint16_t> m_values;
};
