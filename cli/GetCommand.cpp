#include "GetCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "ParameterText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

ExitStatus GetCommand::prepare()
{
    const DatasetController &model = session().dataset();
    if (options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("get erwartet mindestens einen Parameter (Nummer, P<Nummer> oder Name)."));
    for (const QString &name : options().arguments) {
        if (name.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
            m_ids += model.catalogue().ids();
            continue;
        }
        const uint16_t id = ParameterText::resolve(model, name);
        if (id == 0)
            return refuse(ExitStatus::Usage, tr("Unbekannter Parameter: %1").arg(name));
        m_ids.append(id);
    }
    return ExitStatus::Done;
}

void GetCommand::run()
{
    DatasetController &model = session().dataset();
    if (options().json) {
        QJsonArray list;
        for (const uint16_t id : m_ids)
            list.append(ParameterText::json(model, id));
        Console::outBytes(QJsonDocument(QJsonObject{{QStringLiteral("parameters"), list}}).toJson());
    } else {
        for (const uint16_t id : m_ids)
            Console::out(ParameterText::line(model, id));
    }
    finish();
}
