#pragma once

#include "CliCommand.h"
#include "CommErrorCode.h"

// reset: the error reset; its result on standard output.
class ResetCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    void answer(CommErrorCode error);

    bool m_waiting = false;
};
