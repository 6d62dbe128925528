#include "ErrorsCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "OperatingState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

ExitStatus ErrorsCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("errors erwartet keine Argumente."));
    return ExitStatus::Done;
}

void ErrorsCommand::run()
{
    DatasetController &model = session().dataset();
    QJsonArray list;
    for (uint16_t id = Param::FirstError; id <= Param::FifthError; ++id) {
        const int position = id - Param::FirstError + 1;
        const int code = int(std::trunc(model.value(id)));
        const ErrorDescription *entry = OperatingState::historyEntry(model, m_errors, id);
        const auto text = [](const QString &source) {
            return source.isEmpty() ? QString() : ErrorDescription::translated(source);
        };

        if (options().json) {
            QJsonObject object{{QStringLiteral("position"), position},
                               {QStringLiteral("parameter"), id},
                               {QStringLiteral("code"), code}};
            if (entry) {
                object.insert(QStringLiteral("kind"), entry->kind == ErrorDescription::Error ? QStringLiteral("error")
                                                                                             : QStringLiteral("warning"));
                object.insert(QStringLiteral("title"), text(entry->title));
                object.insert(QStringLiteral("description"), text(entry->description));
                object.insert(QStringLiteral("cause"), text(entry->cause));
                object.insert(QStringLiteral("remedy"), text(entry->remedy));
            }
            list.append(object);
            continue;
        }

        if (code == 0) {
            Console::out(tr("%1 kein Eintrag").arg(position));
        } else if (!entry) {
            Console::out(tr("%1 Code %2 (ohne Beschreibung)").arg(position).arg(code));
        } else {
            Console::out(QStringLiteral("%1 %2 %3 - %4")
                             .arg(position)
                             .arg(OperatingState::kindText(*entry))
                             .arg(code)
                             .arg(text(entry->title)));
            if (!entry->description.isEmpty())
                Console::out(QStringLiteral("    ") + text(entry->description));
            Console::out(QStringLiteral("    ") + tr("Ursache: %1").arg(text(entry->cause)));
            Console::out(QStringLiteral("    ") + tr("Behebung: %1").arg(text(entry->remedy)));
        }
    }
    if (options().json)
        Console::outBytes(QJsonDocument(QJsonObject{{QStringLiteral("errors"), list}}).toJson());
    finish();
}
