#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

class DatasetController;
class ErrorTable;
struct ErrorDescription;

// The inverter's state in words, as the window's state line and the
// diagnostics page give it.
class OperatingState
{
    Q_DECLARE_TR_FUNCTIONS(OperatingState)

public:
    // The operating values that status and monitor show: every cyclic
    // operating value except the flags word and the error history, which are
    // shown in words, and the motor memory mask (memory list).
    [[nodiscard]] static QVector<uint16_t> operatingValues(const DatasetController &model);
    // "Motor steht", "Haltebetrieb", "Fehler aktiv", "Warnung aktiv".
    [[nodiscard]] static QStringList flagWords(const DatasetController &model);
    // The active error, or else the active warning, that the state line names:
    // the lowest code of its kind in the history, which ends at the first entry
    // without a description. Null when none is active.
    [[nodiscard]] static const ErrorDescription *activeFault(DatasetController &model, const ErrorTable &table);
    // "Fehler 7 - I²t Abschaltung", "Motor läuft", "Umrichter betriebsbereit", ...
    [[nodiscard]] static QString stateLine(DatasetController &model, const ErrorTable &table);
    // The history entry of one error parameter (30 to 34); null for code 0 and
    // codes without a description.
    [[nodiscard]] static const ErrorDescription *historyEntry(DatasetController &model, const ErrorTable &table,
                                                              uint16_t id);
    // "Fehler" or "Warnung".
    [[nodiscard]] static QString kindText(const ErrorDescription &entry);
};
