#pragma once

#include "CliCommand.h"

// devices: what discovery sees, one device a line: path, serial number and
// description, separated by tabs. Opens nothing.
class DevicesCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    bool needsInverter() const override { return false; }
    ExitStatus prepare() override;
    void run() override;
};
