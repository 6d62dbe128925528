#include "InfoCommand.h"

#include "Console.h"
#include "InverterSession.h"

#include <QJsonDocument>
#include <QJsonObject>

ExitStatus InfoCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("info erwartet keine Argumente."));
    return ExitStatus::Done;
}

void InfoCommand::run()
{
    DatasetController &model = session().dataset();
    const uint16_t type = model.rawValue(Param::Inverter);
    const uint16_t serial = model.rawValue(Param::SerialNumber);
    // As the window shows it: up to the first NUL, without surrounding blanks.
    const QByteArray bytes = model.deviceFirmware();
    const QString firmware =
        QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size())))).trimmed();

    if (options().json) {
        const QJsonObject info{{QStringLiteral("type"), type},
                               {QStringLiteral("serial"), serial},
                               {QStringLiteral("firmware"), firmware},
                               {QStringLiteral("prototype"), model.isUnknownInverterType()}};
        Console::outBytes(QJsonDocument(info).toJson());
    } else {
        Console::out(QStringLiteral("type %1").arg(type));
        Console::out(QStringLiteral("serial %1").arg(serial));
        Console::out(QStringLiteral("firmware %1").arg(firmware));
    }
    finish();
}
