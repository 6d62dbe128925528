#include "RefusalReport.h"

#include "CommunicationController.h"
#include "DatasetController.h"
#include "ParameterText.h"

#include <QObject>
#include <QStringList>

RefusalReport::~RefusalReport()
{
    QObject::disconnect(m_transmission);
    QObject::disconnect(m_motorStore);
}

void RefusalReport::listen(CommunicationController &communication)
{
    m_refused.clear();
    m_transmission = QObject::connect(&communication, &CommunicationController::parameterStateReceived,
                                      [this](const QMap<uint16_t, CommErrorCode> &states) { note(states); });
    m_motorStore = QObject::connect(&communication, &CommunicationController::writeParametersetResponseReceived,
                                    [this](const QMap<uint16_t, CommErrorCode> &states, CommErrorCode) {
                                        note(states);
                                    });
}

void RefusalReport::note(const QMap<uint16_t, CommErrorCode> &states)
{
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        // The memory slot's entry closes a motor memory store; it is no parameter of the set.
        if (it.value() != CommError::NoError && it.key() != Param::MotorCode)
            m_refused.insert(it.key(), it.value());
    }
}

QString RefusalReport::text(const DatasetController &model, const QString &summary) const
{
    QStringList lines{summary.trimmed()};
    if (!m_refused.isEmpty()) {
        lines.append(QString());
        for (auto it = m_refused.cbegin(); it != m_refused.cend(); ++it)
            lines.append(ParameterText::name(model, it.key()));
    }
    return lines.join(QLatin1Char('\n'));
}
