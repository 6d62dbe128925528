#pragma once

#include "CliCommand.h"

#include <QVector>

#include <cstdint>

// get P [P ...]: one line per parameter, "P<number> <Key> <value> <unit>";
// "all" names every parameter of the catalogue.
class GetCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    QVector<uint16_t> m_ids;
};
