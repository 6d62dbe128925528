#pragma once

#include "CliCommand.h"

// info: the inverter's type, serial number and firmware, one a line.
class InfoCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;
};
