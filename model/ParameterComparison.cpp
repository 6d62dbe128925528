#include "ParameterComparison.h"

#include "DatasetController.h"
#include "ParameterSetFile.h"
#include "ParameterTexts.h"

#include <QHash>
#include <QStringList>

namespace {

bool isConfiguration(const ParameterDescriptor *d)
{
    return d && (d->inDeviceSet || d->inMotorSet) && !d->isOperatingValue();
}

QString csvField(QString text)
{
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

} // namespace

QVector<ParameterComparison::Row> ParameterComparison::rows(const DatasetController &model,
                                                           const QMap<uint16_t, uint16_t> &reference)
{
    QVector<Row> result;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        if (!isConfiguration(model.descriptor(id)))
            continue;
        Row row;
        row.id = id;
        row.working = model.rawValue(id);
        row.deviceKnown = model.deviceValueKnown(id);
        row.device = model.deviceRawValue(id);
        row.differsFromDevice = model.differsFromDevice(id);
        const auto it = reference.constFind(id);
        row.hasReference = it != reference.cend();
        row.reference = row.hasReference ? it.value() : 0;
        row.referenceDiffers = row.hasReference && row.reference != row.working;
        result.append(row);
    }
    return result;
}

QMap<uint16_t, uint16_t> ParameterComparison::factoryDefaults(const DatasetController &model)
{
    QMap<uint16_t, uint16_t> values;
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id)
        if (isConfiguration(model.descriptor(id)))
            values.insert(id, model.defaultRawValue(id));
    return values;
}

bool ParameterComparison::readReference(const DatasetController &model, const QString &fileName,
                                        QMap<uint16_t, uint16_t> &values)
{
    const ParameterSetFile file(fileName);
    QHash<QByteArray, uint16_t> entries;
    if (file.kind() == ParameterSetFile::NoSet || !file.read(entries))
        return false;
    values.clear();
    for (uint16_t id = 1; id < Param::CatalogueSize; ++id) {
        const ParameterDescriptor *d = model.descriptor(id);
        if (!d || !file.includes(*d))
            continue;
        const auto it = entries.constFind(d->key);
        if (it != entries.cend())
            values.insert(id, it.value());
    }
    return true;
}

QByteArray ParameterComparison::csv(const DatasetController &model, const QVector<Row> &rows,
                                    const QString &referenceName)
{
    QStringList lines;
    QStringList header{tr("Parameter"), tr("Bezeichnung"), tr("Arbeitskopie"), tr("Umrichter")};
    if (!referenceName.isEmpty())
        header << referenceName;
    for (QString &field : header)
        field = csvField(field);
    lines << header.join(QLatin1Char(','));
    for (const Row &row : rows) {
        QStringList fields{QStringLiteral("P%1").arg(row.id), ParameterTexts::caption(row.id),
                           model.displayText(row.id, row.working),
                           row.deviceKnown ? model.displayText(row.id, row.device) : QString()};
        if (!referenceName.isEmpty())
            fields << (row.hasReference ? model.displayText(row.id, row.reference) : QString());
        for (QString &field : fields)
            field = csvField(field);
        lines << fields.join(QLatin1Char(','));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
