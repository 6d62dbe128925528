#pragma once

#include "CliCommand.h"
#include "CommErrorCode.h"

// factory-reset --yes: every setting of the inverter back to the factory
// settings (the motor memories stay). Destructive, so it needs --yes.
class FactoryResetCommand : public CliCommand
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
