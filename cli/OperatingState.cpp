#include "OperatingState.h"

#include "DatasetController.h"
#include "ErrorTable.h"

QVector<uint16_t> OperatingState::operatingValues(const DatasetController &model)
{
    QVector<uint16_t> ids;
    for (const uint16_t id : model.cyclicList()) {
        const ParameterDescriptor *d = model.descriptor(id);
        const bool history = id >= Param::FirstError && id <= Param::FifthError;
        if (d && d->isOperatingValue() && !history && id != Param::InverterFlags && id != Param::MotorSets)
            ids.append(id);
    }
    return ids;
}

QStringList OperatingState::flagWords(const DatasetController &model)
{
    QStringList words{model.motorRunning() ? tr("Motor läuft") : tr("Motor steht")};
    if (model.motorHolding())
        words.append(tr("Haltebetrieb"));
    if (model.errorActive())
        words.append(tr("Fehler aktiv"));
    if (model.warningActive())
        words.append(tr("Warnung aktiv"));
    return words;
}

const ErrorDescription *OperatingState::historyEntry(DatasetController &model, const ErrorTable &table, uint16_t id)
{
    return table.entryForValue(model.value(id));
}

const ErrorDescription *OperatingState::activeFault(DatasetController &model, const ErrorTable &table)
{
    if (!model.errorActive() && !model.warningActive())
        return nullptr;
    const ErrorDescription *error = nullptr;
    const ErrorDescription *warning = nullptr;
    for (uint16_t id = Param::FirstError; id <= Param::FifthError; ++id) {
        const ErrorDescription *entry = historyEntry(model, table, id);
        if (!entry)
            break;
        if (entry->kind == ErrorDescription::Error && (!error || entry->code < error->code))
            error = entry;
        else if (entry->kind == ErrorDescription::Warning && (!warning || entry->code < warning->code))
            warning = entry;
    }
    if (error && model.errorActive())
        return error;
    if (warning && model.warningActive())
        return warning;
    return nullptr;
}

QString OperatingState::kindText(const ErrorDescription &entry)
{
    return entry.kind == ErrorDescription::Error ? tr("Fehler") : tr("Warnung");
}

QString OperatingState::stateLine(DatasetController &model, const ErrorTable &table)
{
    if (const ErrorDescription *fault = activeFault(model, table))
        return QStringLiteral("%1 %2 - %3").arg(kindText(*fault)).arg(fault->code).arg(
            ErrorDescription::translated(fault->title));
    if (model.errorActive())
        return tr("Fehler aktiv");
    if (model.warningActive())
        return tr("Warnung aktiv");
    if (model.motorHolding())
        return tr("Haltebetrieb");
    return model.motorRunning() ? tr("Motor läuft") : tr("Umrichter betriebsbereit");
}
