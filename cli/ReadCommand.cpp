#include "ReadCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "ParameterSetFileCheck.h"

ExitStatus ReadCommand::prepare()
{
    if (options().arguments.size() != 1)
        return refuse(ExitStatus::Usage, tr("read erwartet genau eine Datei."));
    m_fileName = options().arguments.constFirst();
    return ParameterSetFileCheck::checkWritable(m_fileName);
}

void ReadCommand::run()
{
    if (!session().dataset().saveToFile(m_fileName)) {
        fail(ExitStatus::Usage, tr("Die Datei %1 konnte nicht geschrieben werden.").arg(m_fileName));
        return;
    }
    Console::err(tr("Parametersatz in %1 gespeichert.").arg(m_fileName));
    finish();
}
