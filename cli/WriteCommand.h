#pragma once

#include "CliCommand.h"
#include "CommErrorCode.h"
#include "RefusalReport.h"

#include <QMap>
#include <QString>

#include <cstdint>

// write FILE: a ".mps" or ".mtr" file taken into the working copy by the
// program's own reader and rules, then written and stored as "In Umrichter
// speichern" does; after the acknowledgements the set is read back and every
// written parameter compared with what the inverter now holds.
class WriteCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    void transmissionComplete(CommErrorCode error, const QString &summary);
    void verify();

    QString m_fileName;
    QMap<uint16_t, uint16_t> m_fileValues;
    QMap<uint16_t, uint16_t> m_written;
    RefusalReport m_report;
    bool m_writing = false;
    bool m_verifying = false;
};
