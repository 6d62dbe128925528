#pragma once

#include "TrendBuffer.h"
#include "TrendChannels.h"

#include <QObject>

#include <array>

class DatasetController;

// The polled operating values over the last hour: on every complete poll the
// model's 24 values go into a ring buffer whose memory is taken once, whether
// or not a plot shows them. GUI thread only.
class TrendLog : public QObject
{
    Q_OBJECT

public:
    // A little more than an hour at the poll rate of two per second.
    static constexpr int Capacity = 7680;
    static constexpr int MaximumChannels = 32;

    explicit TrendLog(const DatasetController &model, QObject *parent = nullptr);

    [[nodiscard]] const TrendBuffer &buffer() const { return m_buffer; }
    // For filling the buffer in benchmarks and tests.
    [[nodiscard]] TrendBuffer &buffer() { return m_buffer; }
    [[nodiscard]] const TrendChannels &channels() const { return m_channels; }

    // Takes the model's current values as the sample of this moment.
    void sample(qint64 msecs);

signals:
    void sampleAdded();

private:
    const DatasetController &m_model;
    TrendChannels m_channels;
    TrendBuffer m_buffer;
    std::array<uint16_t, MaximumChannels> m_scratch{};
};
