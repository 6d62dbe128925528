#include "StatusCommand.h"

#include "Console.h"
#include "InverterSession.h"
#include "OperatingState.h"
#include "ParameterText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

ExitStatus StatusCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("status erwartet keine Argumente."));
    return ExitStatus::Done;
}

void StatusCommand::run()
{
    DatasetController &model = session().dataset();
    const QVector<uint16_t> ids = OperatingState::operatingValues(model);
    const ErrorDescription *fault = OperatingState::activeFault(model, m_errors);
    if (options().json) {
        QJsonArray values;
        for (const uint16_t id : ids)
            values.append(ParameterText::json(model, id));
        QJsonObject status{
            {QStringLiteral("values"), values},
            {QStringLiteral("flags"), model.rawValue(Param::InverterFlags)},
            {QStringLiteral("motorRuns"), model.motorRunning()},
            {QStringLiteral("motorHolds"), model.motorHolding()},
            {QStringLiteral("errorActive"), model.errorActive()},
            {QStringLiteral("warningActive"), model.warningActive()},
            {QStringLiteral("flagWords"), QJsonArray::fromStringList(OperatingState::flagWords(model))},
            {QStringLiteral("state"), OperatingState::stateLine(model, m_errors)},
        };
        if (fault)
            status.insert(QStringLiteral("fault"),
                          QJsonObject{{QStringLiteral("code"), fault->code},
                                      {QStringLiteral("kind"), fault->kind == ErrorDescription::Error
                                                                   ? QStringLiteral("error")
                                                                   : QStringLiteral("warning")},
                                      {QStringLiteral("title"), ErrorDescription::translated(fault->title)}});
        Console::outBytes(QJsonDocument(status).toJson());
    } else {
        for (const uint16_t id : ids)
            Console::out(ParameterText::line(model, id));
        Console::out(QStringLiteral("flags ") + OperatingState::flagWords(model).join(QStringLiteral(", ")));
        Console::out(QStringLiteral("state ") + OperatingState::stateLine(model, m_errors));
    }
    finish();
}
