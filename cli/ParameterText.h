#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class DatasetController;

// Parameters as the command line names, shows and enters them. Values are the
// working copy's, in the units the pages show (Hz or min-1 by SpeedDisplay,
// enumeration codes as their texts), after the same correction against the
// dynamic limits as on the pages.
class ParameterText
{
    Q_DECLARE_TR_FUNCTIONS(ParameterText)

public:
    // "42", "P42" or the file key ("MaximumMotorFrequency", any case); 0 for none.
    [[nodiscard]] static uint16_t resolve(const DatasetController &model, const QString &name);

    // "P42 MaximumMotorFrequency 900 Hz".
    [[nodiscard]] static QString line(DatasetController &model, uint16_t id);
    // The value alone as text, "900 Hz", "DASM", "Aus".
    [[nodiscard]] static QString valueText(DatasetController &model, uint16_t id);
    // The value as a plain number in display units (no unit), for CSV columns.
    [[nodiscard]] static QString numberText(DatasetController &model, uint16_t id);
    // number, key, caption, raw, text, unit and value (a number, or the text of
    // an enumeration code or of the off state).
    [[nodiscard]] static QJsonObject json(DatasetController &model, uint16_t id);
    // "P42 MaximumMotorFrequency (Maximale Frequenz)", for messages.
    [[nodiscard]] static QString name(const DatasetController &model, uint16_t id);

    // Whether `text` has the form of a value of the parameter: a number (decimal
    // point or comma), for an enumeration one of its texts (in either language)
    // or codes, "Aus" where the parameter can be switched off. Needs no inverter.
    [[nodiscard]] static bool isValueSyntax(const DatasetController &model, uint16_t id, const QString &text);
    // The display value to enter for `text`; nothing when it is no value of the parameter.
    [[nodiscard]] static std::optional<double> parseValue(const DatasetController &model, uint16_t id,
                                                          const QString &text);
    // The texts an enumeration offers, for a message.
    [[nodiscard]] static QStringList choices(const DatasetController &model, uint16_t id);
};
