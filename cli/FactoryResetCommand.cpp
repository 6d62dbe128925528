#include "FactoryResetCommand.h"

#include "Console.h"
#include "InverterSession.h"

ExitStatus FactoryResetCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("factory-reset erwartet keine Argumente."));
    if (!options().yes)
        return refuse(ExitStatus::Usage,
                      tr("Beim Laden der Werkseinstellungen werden alle auf dem Umrichter gespeicherten Parameter "
                         "überschrieben. Mit --yes bestätigen."));
    return ExitStatus::Done;
}

void FactoryResetCommand::run()
{
    connect(&session().communication(), &CommunicationController::factoryResetResponseReceived, this,
            &FactoryResetCommand::answer);
    m_waiting = true;
    session().expectAnswer();
    session().communication().sendFactoryResetCommand();
}

void FactoryResetCommand::answer(CommErrorCode error)
{
    if (!m_waiting)
        return;
    m_waiting = false;
    session().answered();
    if (error != CommError::NoError) {
        fail(ExitStatus::Refused, tr("Die Werkseinstellung konnte nicht geladen werden (Antwort %1).").arg(error));
        return;
    }
    Console::err(tr("Der Umrichter wurde auf die Werkseinstellungen zurückgesetzt."));
    finish();
}
