#include "ParameterSetFileCheck.h"

#include "Console.h"
#include "ParameterComparison.h"

#include <QFileInfo>

bool ParameterSetFileCheck::hasSetSuffix(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".mps"), Qt::CaseInsensitive)
           || fileName.endsWith(QLatin1String(".mtr"), Qt::CaseInsensitive);
}

ExitStatus ParameterSetFileCheck::checkWritable(const QString &fileName)
{
    if (!hasSetSuffix(fileName)) {
        Console::err(tr("Der Dateiname muss auf .mps (Geräteparametersatz) oder .mtr (Motorparametersatz) enden: %1")
                         .arg(fileName));
        return ExitStatus::Usage;
    }
    const QFileInfo info(fileName);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir() || !folder.isWritable() || (info.exists() && (!info.isFile() || !info.isWritable()))) {
        Console::err(tr("Die Datei %1 kann nicht geschrieben werden.").arg(fileName));
        return ExitStatus::Usage;
    }
    return ExitStatus::Done;
}

ExitStatus ParameterSetFileCheck::checkReadable(const DatasetController &model, const QString &fileName,
                                                QMap<uint16_t, uint16_t> &values)
{
    if (!hasSetSuffix(fileName)) {
        Console::err(tr("Der Dateiname muss auf .mps (Geräteparametersatz) oder .mtr (Motorparametersatz) enden: %1")
                         .arg(fileName));
        return ExitStatus::Usage;
    }
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile() || !info.isReadable() || info.size() == 0
        || !ParameterComparison::readReference(model, fileName, values)) {
        Console::err(tr("Die Datei %1 ist nicht lesbar oder kein gültiger Parametersatz.").arg(fileName));
        return ExitStatus::Usage;
    }
    if (values.isEmpty()) {
        Console::err(tr("Die Datei %1 enthält keinen Parameter des Satzes.").arg(fileName));
        return ExitStatus::Usage;
    }
    return ExitStatus::Done;
}
