#include "ResetCommand.h"

#include "Console.h"
#include "InverterSession.h"

ExitStatus ResetCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("reset erwartet keine Argumente."));
    return ExitStatus::Done;
}

void ResetCommand::run()
{
    connect(&session().communication(), &CommunicationController::resetResponseReceived, this,
            &ResetCommand::answer);
    m_waiting = true;
    session().expectAnswer();
    session().dataset().sendResetCommand();
}

void ResetCommand::answer(CommErrorCode error)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    session().answered();
    if (error != CommError::NoError) {
        fail(ExitStatus::Refused, tr("Der Fehler-Reset konnte nicht durchgeführt werden (Antwort %1).").arg(error));
        return;
    }
    Console::out(tr("Der Fehler-Reset wurde durchgeführt."));
    finish();
}
