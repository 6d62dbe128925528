#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

class DatasetController;

// The polled operating values as channels of a trend: their parameter numbers
// in the order of the dataset controller's cyclic list, captions, units and the
// conversion of a raw value into the units the pages show (min-1 where the
// speed display says so). refresh() takes over a changed speed display or pole
// pair count. GUI thread only.
class TrendChannels
{
    Q_DECLARE_TR_FUNCTIONS(TrendChannels)

public:
    explicit TrendChannels(const DatasetController &model);

    [[nodiscard]] int count() const { return int(m_channels.size()); }
    [[nodiscard]] uint16_t id(int channel) const { return m_channels.at(size_t(channel)).id; }
    // The channel of a parameter number; -1 when it is not polled.
    [[nodiscard]] int channelOf(uint16_t id) const;

    // Translated caption ("Frequenzistwert", "Drehzahlistwert") and unit ("Hz", "min-1"; empty for none).
    [[nodiscard]] QString caption(int channel) const;
    [[nodiscard]] QString unit(int channel) const;
    // "Frequenzistwert [Hz]", or the caption alone without a unit.
    [[nodiscard]] QString captionWithUnit(int channel) const;
    // Bit words and codes: plotted as numbers they mean nothing.
    [[nodiscard]] bool isMeasurement(int channel) const { return m_channels.at(size_t(channel)).measurement; }

    [[nodiscard]] double value(int channel, uint16_t raw) const;
    [[nodiscard]] int decimals(int channel) const;
    // The value as a number with the channel's decimals and a dot ("48.0").
    [[nodiscard]] QString text(int channel, uint16_t raw) const;

    void refresh();

private:
    struct Channel
    {
        uint16_t id = 0;
        int32_t divisor = 1;
        double minimum = 0;
        double maximum = 0;
        bool convertible = false;
        bool measurement = true;
    };

    const DatasetController &m_model;
    std::vector<Channel> m_channels;
    double m_speedFactor = 1; // 1 while in Hz
};
