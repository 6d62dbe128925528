#pragma once

#include "CliOptions.h"
#include "ExitStatus.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class CliCommand;
class InverterSession;

// Runs one command line: makes the command, lets it check its arguments, then
// connects to the inverter if the command needs one and runs the event loop
// until the command or the session ends it.
class CliRunner
{
    Q_DECLARE_TR_FUNCTIONS(CliRunner)

public:
    explicit CliRunner(const CliOptions &options);
    ~CliRunner();

    [[nodiscard]] ExitStatus exec();

    // The text of --help, translated.
    [[nodiscard]] static QString helpText();

private:
    // Null (with the message printed) for an unknown command or an option that
    // does not belong to it.
    [[nodiscard]] std::unique_ptr<CliCommand> makeCommand();

    CliOptions m_options;
    std::unique_ptr<InverterSession> m_session;
};
