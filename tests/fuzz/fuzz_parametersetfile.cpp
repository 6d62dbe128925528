// Parameter set files (.mps, .mtr) through DatasetController::loadFromFile, the path the start
// page and the run-in page take.
//
// Input: byte 0 chooses the suffix (bits 0-1: ".mps", ".mtr", ".MTR", ".txt"), whether the motor
// runs (bit 2) and the model's motor type before loading (bits 3-4: kept, none, DASM, PMSM); the
// rest is the file. A failed load (-1) must leave every value as it was and emit nothing; a load
// that changes nothing emits nothing; otherwise the two signals come once each, in order.
#include "DatasetController.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

enum : uint16_t { InverterFlags = 27, MotorType = 90 };
constexpr uint16_t MotorRuns = 0x0008;
constexpr uint16_t MotorTypes[] = {0, 0x8001, 0x8002, 0x8003};
const char *const Suffixes[] = {".mps", ".mtr", ".MTR", ".txt"};

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_parametersetfile: %s\n", what);
    std::abort();
}

QVector<uint16_t> rawValues(const DatasetController &model)
{
    QVector<uint16_t> values;
    for (uint16_t id : model.catalogue().ids())
        values.append(model.rawValue(id));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static QTemporaryDir folder;
    if (!folder.isValid())
        fail("no temporary folder");

    const QString fileName = folder.filePath(QStringLiteral("set") + QLatin1String(Suffixes[data[0] & 3]));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data + 1), qint64(size - 1))
                                                    != qint64(size - 1))
            fail("cannot write the input file");
    }

    DatasetController model(nullptr);
    if (const uint16_t type = MotorTypes[(data[0] >> 3) & 3])
        model.setRawValue(model.descriptor(MotorType), type);
    if (data[0] & 4)
        model.setRawValue(model.descriptor(InverterFlags), MotorRuns);
    model.revalidate();
    const QVector<uint16_t> before = rawValues(model);

    QStringList emitted;
    QObject::connect(&model, &DatasetController::loadedParametersFromFile, [&] { emitted << "loaded"; });
    QObject::connect(&model, &DatasetController::parametersUpdated, [&] { emitted << "updated"; });
    const int32_t result = model.loadFromFile(fileName);

    if (result < -1)
        fail("result below -1");
    if (result <= 0 && !emitted.isEmpty())
        fail("signals without a change");
    if (result <= 0 && rawValues(model) != before)
        fail("values changed by a load that reported no change or failure");
    if (result > 0 && emitted != QStringList{"loaded", "updated"})
        fail("a load with changes did not emit loaded, then updated");
    return 0;
}
