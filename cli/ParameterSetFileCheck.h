#pragma once

#include "ExitStatus.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

#include <cstdint>

class DatasetController;

// The checks a parameter set file passes before the inverter is touched.
class ParameterSetFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(ParameterSetFileCheck)

public:
    // Whether the name selects a set: ".mps" (device set) or ".mtr" (motor set), any case.
    [[nodiscard]] static bool hasSetSuffix(const QString &fileName);
    // A file to be written: a set suffix and a folder that exists and is writable.
    // Prints the reason and answers Usage otherwise.
    [[nodiscard]] static ExitStatus checkWritable(const QString &fileName);
    // A file to be read: a set suffix, readable as a parameter set by the
    // program's reader, and holding at least one member of its set. Prints the
    // reason and answers Usage otherwise; `values` receives the members.
    [[nodiscard]] static ExitStatus checkReadable(const DatasetController &model, const QString &fileName,
                                                  QMap<uint16_t, uint16_t> &values);
};
