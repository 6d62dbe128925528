#include "ServiceReport.h"

#include "DatasetController.h"
#include "FaultHistory.h"
#include "ParameterId.h"
#include "ParameterTexts.h"
#include "RecordKeeper.h"

#include <algorithm>
#include <iterator>

#ifndef TORVANA_RECORDS_VERSION_TEXT
#error "TORVANA_RECORDS_VERSION_TEXT must be defined by the build"
#endif

namespace {

constexpr uint16_t KnownInverterTypes[] = {0x1210, 0x1211, 0x1212};

bool isSetting(const ParameterDescriptor &d)
{
    return (d.inDeviceSet || d.inMotorSet) && !d.isOperatingValue();
}

} // namespace

QString ServiceReport::defaultFileName(uint16_t serial, const QDateTime &time)
{
    return tr("Servicebericht %1 %2.pdf").arg(serial).arg(time.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
}

ServiceReport ServiceReport::collect(const DatasetController &model, RecordKeeper &records, bool connected)
{
    ServiceReport report;
    report.programVersion = QStringLiteral("Torvana %1").arg(QLatin1String(TORVANA_RECORDS_VERSION_TEXT));
    report.created = QDateTime::currentDateTime();
    report.connected = connected;

    // After a disconnect the window forgets the identity; the log remembers it.
    const EventRecorder &recorder = records.eventRecorder();
    const uint16_t type = connected ? model.rawValue(Param::Inverter) : recorder.lastInverterType();
    const uint16_t serial = connected ? model.rawValue(Param::SerialNumber) : recorder.lastSerialNumber();
    const bool knownType = std::find(std::begin(KnownInverterTypes), std::end(KnownInverterTypes), type)
                           != std::end(KnownInverterTypes);
    report.inverterType = knownType ? QString::number(type) : tr("%1 (Prototyp)").arg(type);
    report.serialNumber = QString::number(serial);
    if (connected) {
        const QByteArray firmware = model.deviceFirmware();
        report.firmware =
            QString::fromUtf8(firmware.constData(), int(qstrnlen(firmware.constData(), uint(firmware.size()))))
                .trimmed();
    } else {
        report.firmware = recorder.lastFirmware();
    }

    for (uint16_t id : model.catalogue().ids()) {
        const ParameterDescriptor *d = model.descriptor(id);
        if (!d)
            continue;
        Parameter row;
        row.id = id;
        row.caption = ParameterTexts::caption(id);
        row.setting = isSetting(*d);
        const bool fromInverter = model.deviceValueKnown(id);
        const uint16_t raw = fromInverter ? model.deviceRawValue(id) : model.rawValue(id);
        row.value = model.displayText(id, raw);
        if (row.setting) {
            row.fromWorkingCopy = !fromInverter;
            const uint16_t factory = model.defaultRawValue(id);
            row.factoryDefault = model.displayText(id, factory);
            row.differsFromDefault = raw != factory;
            report.settings.append(row);
        } else {
            report.operatingValues.append(row);
        }
    }

    QStringList memories;
    const uint16_t sets = model.rawValue(Param::MotorSets);
    for (int bit = 0; bit < 16; ++bit)
        if (sets & (1u << bit))
            memories << QStringLiteral("M%1").arg(bit + 1);
    report.motorMemories = memories.isEmpty() ? tr("keine") : memories.join(QStringLiteral(", "));

    const FaultHistory &history = records.faultHistory();
    for (int i = 0; i < FaultHistory::Size; ++i) {
        const FaultHistory::Entry &entry = history.entry(i);
        if (entry.code == 0)
            continue;
        const FaultText text = history.text(entry.code);
        Fault fault;
        fault.position = i + 1;
        fault.code = entry.code;
        switch (text.kind) {
        case FaultText::Error:
            fault.heading = tr("Fehler %1 - %2").arg(entry.code).arg(text.title);
            break;
        case FaultText::Warning:
            fault.heading = tr("Warnung %1 - %2").arg(entry.code).arg(text.title);
            break;
        case FaultText::Unknown:
            fault.heading = tr("Störung %1 (ohne Beschreibung)").arg(entry.code);
            break;
        }
        fault.cause = text.cause;
        fault.remedy = text.remedy;
        fault.seen = history.seenText(i);
        fault.active = entry.active;
        report.faults.append(fault);
    }

    const TrendLog &trend = records.trend();
    report.trend = &trend;
    if (!trend.buffer().isEmpty()) {
        // A shorter trend fills the chart instead of sitting at its right end.
        report.trendTo = trend.buffer().time(trend.buffer().size() - 1);
        report.trendFrom = std::max(report.trendTo - TrendSpan, trend.buffer().time(0));
    }
    report.trendParameters = {Param::ActualFrequencyInverter, Param::MotorCurrent, Param::DCLinkVoltage,
                              Param::HeatSinkTemperature};
    report.logLines = records.eventLog().lastLines(LogLines);
    return report;
}
