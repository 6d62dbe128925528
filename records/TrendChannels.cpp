#include "TrendChannels.h"

#include "DatasetController.h"
#include "ParameterId.h"
#include "ParameterTexts.h"

#include <algorithm>
#include <cmath>

namespace {

bool isMeasurementId(uint16_t id)
{
    switch (id) {
    case Param::MotorCode:
    case Param::InverterFlags:
    case Param::FirstError:
    case Param::SecondError:
    case Param::ThirdError:
    case Param::FourthError:
    case Param::FifthError:
    case Param::RelayAndLEDControl:
    case Param::DinAndMotorTemperatureControl:
    case Param::MotorSets:
        return false;
    default:
        return true;
    }
}

} // namespace

TrendChannels::TrendChannels(const DatasetController &model) : m_model(model)
{
    for (uint16_t id : model.cyclicList()) {
        const ParameterDescriptor *d = model.descriptor(id);
        if (!d)
            continue;
        Channel channel;
        channel.id = id;
        channel.divisor = std::max(1, d->divisor);
        channel.minimum = d->minimum;
        channel.maximum = d->maximum;
        channel.convertible = d->convertible;
        channel.measurement = isMeasurementId(id);
        m_channels.push_back(channel);
    }
    refresh();
}

int TrendChannels::channelOf(uint16_t id) const
{
    for (size_t i = 0; i < m_channels.size(); ++i)
        if (m_channels[i].id == id)
            return int(i);
    return -1;
}

void TrendChannels::refresh()
{
    const bool rpm = m_model.rawValue(Param::SpeedDisplay) == Code::DisplayRpm;
    const double polePairs = m_model.descriptor(Param::PolePairs) ? m_model.descriptor(Param::PolePairs)->value : 1;
    m_speedFactor = rpm ? 60.0 / (polePairs > 0 ? polePairs : 1) : 1.0;
}

QString TrendChannels::caption(int channel) const
{
    const uint16_t id = m_channels.at(size_t(channel)).id;
    // The frequency or speed caption of a convertible value, without its colon.
    QString text = m_model.caption(id).trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.isEmpty() ? ParameterTexts::caption(id) : text.trimmed();
}

QString TrendChannels::unit(int channel) const
{
    return m_model.unit(m_channels.at(size_t(channel)).id);
}

QString TrendChannels::captionWithUnit(int channel) const
{
    const QString u = unit(channel);
    return u.isEmpty() ? caption(channel) : caption(channel) + QStringLiteral(" [") + u + QLatin1Char(']');
}

// As the catalogue decodes it: divisor, offset where the range is negative,
// clamped to the limits; then the speed unit.
double TrendChannels::value(int channel, uint16_t raw) const
{
    const Channel &c = m_channels.at(size_t(channel));
    double v = double(raw) / c.divisor;
    if (c.minimum < 0)
        v += c.minimum;
    v = std::clamp(v, c.minimum, c.maximum);
    return c.convertible ? v * m_speedFactor : v;
}

int TrendChannels::decimals(int channel) const
{
    const Channel &c = m_channels.at(size_t(channel));
    if (c.convertible && m_speedFactor != 1.0)
        return 0;
    return c.divisor >= 10 ? int(std::lround(std::log10(c.divisor))) : 0;
}

QString TrendChannels::text(int channel, uint16_t raw) const
{
    // QString::number is locale-independent: always a dot.
    return QString::number(value(channel, raw), 'f', decimals(channel));
}
