#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QString>
#include <QVector>

#include <cstdint>

class DatasetController;

// The working copy beside the inverter's values and an optional reference (a
// parameter set file, a built-in motor type or the catalogue's factory
// defaults), parameter by parameter, for the compare view and its export.
class ParameterComparison
{
    Q_DECLARE_TR_FUNCTIONS(ParameterComparison)

public:
    struct Row
    {
        uint16_t id = 0;
        uint16_t working = 0;
        bool deviceKnown = false;
        uint16_t device = 0;
        bool hasReference = false;
        uint16_t reference = 0;
        bool differsFromDevice = false; // an unsaved change
        bool referenceDiffers = false;  // the reference holds another value than the working copy
    };

    // Every configuration parameter (member of the device or motor set) in
    // ascending number; reference maps number -> raw value.
    [[nodiscard]] static QVector<Row> rows(const DatasetController &model, const QMap<uint16_t, uint16_t> &reference);
    [[nodiscard]] static QMap<uint16_t, uint16_t> factoryDefaults(const DatasetController &model);
    // The members of a ".mps" or ".mtr" file that it holds; false when the file
    // cannot be read as a parameter set.
    [[nodiscard]] static bool readReference(const DatasetController &model, const QString &fileName,
                                            QMap<uint16_t, uint16_t> &values);
    // The rows as CSV (RFC 4180, comma separated, UTF-8), values in display
    // units, headers in the interface language.
    [[nodiscard]] static QByteArray csv(const DatasetController &model, const QVector<Row> &rows,
                                        const QString &referenceName);
};
