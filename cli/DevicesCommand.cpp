#include "DevicesCommand.h"

#include "Console.h"
#include "D2xxSource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

ExitStatus DevicesCommand::prepare()
{
    if (!options().arguments.isEmpty())
        return refuse(ExitStatus::Usage, tr("devices erwartet keine Argumente."));
    return ExitStatus::Done;
}

void DevicesCommand::run()
{
    const std::vector<D2xxDeviceEntry> devices = D2xx::listedDevices();
    if (options().json) {
        QJsonArray list;
        for (const D2xxDeviceEntry &device : devices)
            list.append(QJsonObject{{QStringLiteral("path"), QString::fromStdString(device.devicePath)},
                                    {QStringLiteral("serial"), QString::fromStdString(device.serialNumber)},
                                    {QStringLiteral("description"), QString::fromStdString(device.description)},
                                    {QStringLiteral("comPort"), device.comPortNumber}});
        Console::outBytes(QJsonDocument(QJsonObject{{QStringLiteral("devices"), list}}).toJson());
    } else {
        for (const D2xxDeviceEntry &device : devices) {
            const QString path = device.devicePath.empty() ? QStringLiteral("-")
                                                           : QString::fromStdString(device.devicePath);
            Console::out(path + QLatin1Char('\t') + QString::fromStdString(device.serialNumber) + QLatin1Char('\t')
                         + QString::fromStdString(device.description));
        }
    }
    if (devices.empty())
        Console::err(tr("Keine Geräte gefunden."));
    finish();
}
