#pragma once

#include "CliCommand.h"
#include "ErrorTable.h"

// errors: the five entries of the error history (1stError to 5thError), each
// with its code, kind and title, then its description, cause and remedy on
// indented lines.
class ErrorsCommand : public CliCommand
{
    Q_OBJECT

public:
    using CliCommand::CliCommand;

    ExitStatus prepare() override;
    void run() override;

private:
    ErrorTable m_errors;
};
