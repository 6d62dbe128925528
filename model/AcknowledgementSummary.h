#pragma once

#include "CommErrorCode.h"

#include <QMap>
#include <QString>

#include <cstdint>

// The parameters of one transmission or motor set store with the inverter's
// acknowledgement of each (NoAcknowledge while awaited), and the texts that
// summarise the refused ones. Texts are translated in the "DatasetController"
// context, the class that shows them.
class AcknowledgementSummary
{
public:
    void clear() { m_states.clear(); }
    bool isEmpty() const { return m_states.isEmpty(); }
    void expect(uint16_t id) { m_states.insert(id, CommError::NoAcknowledge); }
    // Takes the states of expected numbers; other numbers are ignored.
    void record(const QMap<uint16_t, CommErrorCode> &states);
    bool awaitsAnswers() const;
    bool allAccepted() const;
    const QMap<uint16_t, CommErrorCode> &states() const { return m_states; }

    // "Folgende Parameter konnten nicht übernommen werden:" and the refusals.
    QString transmissionText() const;
    // "Folgende Parameter konnten nicht gesetzt werden:", the refusals and the
    // parameters still without an answer.
    QString motorSetText() const;

private:
    QString withGroups(const QString &heading, bool withUnanswered) const;

    QMap<uint16_t, CommErrorCode> m_states;
};
