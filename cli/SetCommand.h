#pragma once

#include "AcknowledgementSummary.h"
#include "CliCommand.h"
#include "RefusalReport.h"

#include <QString>
#include <QVector>

#include <cstdint>

// set P=VALUE [P=VALUE ...] [--store]: values in display units (or an
// enumeration text), clamped as the pages clamp them, each clamp reported on
// standard error. Only the named parameters are written, each as the start
// page writes a single value; --store then stores in the EEPROM. On success the
// new values are printed as get prints them.
class SetCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    struct Assignment
    {
        uint16_t id = 0;
        QString text;
    };

    void acknowledge(const QMap<uint16_t, CommErrorCode> &states);
    void succeed();

    QVector<Assignment> m_assignments;
    QVector<uint16_t> m_sent;
    AcknowledgementSummary m_summary;
    RefusalReport m_report;
    bool m_sending = false;
};
