#include "TrendLog.h"

#include "DatasetController.h"

#include <algorithm>

TrendLog::TrendLog(const DatasetController &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_channels(model)
    , m_buffer(Capacity, std::min(m_channels.count(), int(MaximumChannels)))
{
}

void TrendLog::sample(qint64 msecs)
{
    m_channels.refresh();
    const int count = std::min(m_buffer.channels(), m_channels.count());
    for (int c = 0; c < count; ++c)
        m_scratch[size_t(c)] = m_model.rawValue(m_channels.id(c));
    m_buffer.append(msecs, m_scratch.data());
    emit sampleAdded();
}
