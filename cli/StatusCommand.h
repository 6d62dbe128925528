#pragma once

#include "CliCommand.h"
#include "ErrorTable.h"

// status: the operating values as get prints them, then "flags" with the
// inverter flags in words, then "state" with the state line of the window (the
// active error or warning with its code and title).
class StatusCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    ErrorTable m_errors;
};
