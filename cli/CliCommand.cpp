#include "CliCommand.h"

#include "Console.h"

CliCommand::CliCommand(const CliOptions &options, InverterSession *session, QObject *parent)
    : QObject(parent), m_options(options), m_session(session)
{
}

void CliCommand::interrupt()
{
    finish(ExitStatus::Interrupted);
}

void CliCommand::finish(ExitStatus status)
{
    // A late answer after the end must not end the program twice.
    if (m_finished)
        return;
    m_finished = true;
    emit finished(status);
}

void CliCommand::fail(ExitStatus status, const QString &message)
{
    if (m_finished)
        return;
    Console::err(message);
    finish(status);
}

ExitStatus CliCommand::refuse(ExitStatus status, const QString &message)
{
    Console::err(message);
    return status;
}
