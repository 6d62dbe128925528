#pragma once

#include "CliCommand.h"

#include <QString>

// read FILE: the inverter's current parameter set (read once after
// connecting) written as a parameter set file by the program's own writer:
// ".mps" a device set, ".mtr" a motor set.
class ReadCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    QString m_fileName;
};
