// Run-in programs (.run) through RunInProgram::fromFile, the reader of the run-in page.
//
// Input: the file. The program must come back with every step's interval counted in the total;
// a file that is no program gives an empty one.
#include "RunInProgram.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_runinprogram: %s\n", what);
    std::abort();
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
    static QTemporaryDir folder;
    static QDateTime stamp = QDateTime::currentDateTime();
    if (!folder.isValid())
        fail("no temporary folder");

    // One name for every input, each with a later time: the settings store caches files by
    // name, size and time, and a new name every time would fill that cache.
    const QString fileName = folder.filePath(QStringLiteral("program.run"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size))
                                                    != qint64(size))
            fail("cannot write the input file");
        file.setFileTime(stamp = stamp.addSecs(1), QFileDevice::FileModificationTime);
    }

    const RunInProgram program = RunInProgram::fromFile(fileName);
    uint64_t total = 0;
    for (const RunInProgram::Step &step : program.steps())
        total += step.first;
    if (total != program.totalSeconds())
        fail("the total is not the sum of the steps");
    return 0;
}
