#include "AcknowledgementSummary.h"

#include <QCoreApplication>
#include <QVector>

#include <algorithm>

void AcknowledgementSummary::record(const QMap<uint16_t, CommErrorCode> &states)
{
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        const auto pending = m_states.find(it.key());
        if (pending != m_states.end())
            *pending = it.value();
    }
}

bool AcknowledgementSummary::awaitsAnswers() const
{
    return std::any_of(m_states.cbegin(), m_states.cend(),
                       [](CommErrorCode state) { return state == CommError::NoAcknowledge; });
}

bool AcknowledgementSummary::allAccepted() const
{
    return std::all_of(m_states.cbegin(), m_states.cend(),
                       [](CommErrorCode state) { return state == CommError::NoError; });
}

QString AcknowledgementSummary::transmissionText() const
{
    return withGroups(
        QCoreApplication::translate("DatasetController", "Folgende Parameter konnten nicht übernommen werden:"),
        false);
}

QString AcknowledgementSummary::motorSetText() const
{
    return withGroups(QCoreApplication::translate("DatasetController", "Folgende Parameter konnten nicht gesetzt werden:"),
                      true);
}

QString AcknowledgementSummary::withGroups(const QString &heading, bool withUnanswered) const
{
    struct Group
    {
        CommErrorCode state;
        QString heading;
    };
    QVector<Group> groups = {
        {CommError::InvalidParameterId,
         QCoreApplication::translate("DatasetController", "\n\nParameter-Ids ungültig:\nP%1")},
        {CommError::ChangeNotPermitted,
         QCoreApplication::translate("DatasetController", "\n\nParameteränderungen nicht zulässig:\nP%1")},
        {CommError::ValueOutOfRange,
         QCoreApplication::translate("DatasetController",
                                     "\n\nZu setzender Wert ist außerhalb des gültigen Bereichs:\nP%1")},
    };
    if (withUnanswered)
        groups.append({CommError::NoAcknowledge,
                       QCoreApplication::translate("DatasetController",
                                                   "\n\nKeine Rückmeldung zu folgenden Parametern:\nP%1")});

    QString text = heading;
    for (const Group &group : groups) {
        const QList<uint16_t> numbers = m_states.keys(group.state); // ascending
        if (numbers.isEmpty())
            continue;
        text += group.heading.arg(numbers.first());
        for (int i = 1; i < numbers.size(); ++i)
            text += QStringLiteral(", P%1").arg(numbers.at(i));
    }
    return text;
}
