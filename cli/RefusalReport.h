#pragma once

#include "CommErrorCode.h"

#include <QCoreApplication>
#include <QMap>
#include <QMetaObject>
#include <QString>

#include <cstdint>

class DatasetController;
class CommunicationController;

// Collects the parameters the inverter refuses during one transmission or motor
// memory store, so that the model's summary can be followed by each refused
// P<number> with its key and caption.
class RefusalReport
{
    Q_DECLARE_TR_FUNCTIONS(RefusalReport)

public:
    RefusalReport() = default;
    ~RefusalReport();
    RefusalReport(const RefusalReport &) = delete;
    RefusalReport &operator=(const RefusalReport &) = delete;

    // From now on every refused state of a parameter acknowledgement counts.
    void listen(CommunicationController &communication);
    // The summary, then one line per refused parameter.
    [[nodiscard]] QString text(const DatasetController &model, const QString &summary) const;
    [[nodiscard]] bool isEmpty() const { return m_refused.isEmpty(); }

private:
    void note(const QMap<uint16_t, CommErrorCode> &states);

    QMap<uint16_t, CommErrorCode> m_refused;
    QMetaObject::Connection m_transmission;
    QMetaObject::Connection m_motorStore;
};
