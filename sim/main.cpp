// torvana-inverter-sim: plays the inverter on a pseudo-terminal so that the
// program (and the flashing tool) can be run and tested without hardware.
#include "InverterSimulator.h"
#include "SimConsole.h"
#include "SimulatorOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

bool parseUnsigned(const QString &text, uint32_t maximum, uint32_t *value)
{
    bool ok = false;
    const uint32_t v = text.toUInt(&ok, 0);
    if (!ok || v > maximum)
        return false;
    *value = v;
    return true;
}

const char *commandsHelp =
    "\n\nConsole commands (one per line on standard input):\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("torvana-inverter-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulates the inverter on a pseudo-terminal. Prints the slave path on standard output;\n"
                       "point the program at it with TORVANA_SERIAL_PORTS=<path>.")
        + QString::fromLatin1(commandsHelp) + SimConsole::helpText());
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Keep a symbolic link at <path> pointing at the slave (replaced atomically on every re-plug)."), QStringLiteral("path"));
    const QCommandLineOption pathFileOption(QStringLiteral("path-file"), QStringLiteral("Write the slave path into <file> (rewritten on every re-plug)."), QStringLiteral("file"));
    const QCommandLineOption typeOption(QStringLiteral("inverter-type"), QStringLiteral("Inverter type reported in the device information (default 0x1211)."), QStringLiteral("type"));
    const QCommandLineOption serialOption(QStringLiteral("serial"), QStringLiteral("Serial number (default 4711)."), QStringLiteral("number"));
    const QCommandLineOption firmwareOption(QStringLiteral("firmware"), QStringLiteral("Firmware version text (default v2.0.3)."), QStringLiteral("text"));
    const QCommandLineOption setOption(QStringLiteral("set"), QStringLiteral("Start with parameter P at the raw value (stored in EEPROM); repeatable."), QStringLiteral("P=RAW"));
    const QCommandLineOption paceOption(QStringLiteral("pace"), QStringLiteral("Send at the wire speed of the line settings (38400 baud 8N1: 3840 bytes/s)."));
    const QCommandLineOption latencyOption(QStringLiteral("latency"), QStringLiteral("Delay every answer by <ms> milliseconds."), QStringLiteral("ms"));
    const QCommandLineOption corruptOption(QStringLiteral("corrupt"), QStringLiteral("Damage <percent> of the outgoing frames (CRC mismatch)."), QStringLiteral("percent"));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Start silent: take and answer no frames until \"silent off\"."));
    const QCommandLineOption garbageOption(QStringLiteral("garbage"), QStringLiteral("Send a burst of <bytes> random bytes every <period> ms (default 1000)."), QStringLiteral("bytes[:period]"));
    const QCommandLineOption memoryFailureOption(QStringLiteral("memory-failure"), QStringLiteral("Fail every motor memory store with 0x10 or 0x20."), QStringLiteral("code"));
    const QCommandLineOption refuseOption(QStringLiteral("refuse"), QStringLiteral("Answer writes of parameter P with STATE (1, 2 or 4; default 2) without applying them; repeatable."), QStringLiteral("P[:STATE]"));
    const QCommandLineOption errorOption(QStringLiteral("error"), QStringLiteral("Start with this error code active."), QStringLiteral("code"));
    const QCommandLineOption persistentOption(QStringLiteral("persistent"), QStringLiteral("The --error survives the error reset."));
    const QCommandLineOption warningOption(QStringLiteral("warning"), QStringLiteral("Start with this warning code active."), QStringLiteral("code"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the random faults (repeatable runs)."), QStringLiteral("number"));
    const QCommandLineOption noConsoleOption(QStringLiteral("no-console"), QStringLiteral("Do not read commands from standard input."));
    parser.addOptions({ linkOption, pathFileOption, typeOption, serialOption, firmwareOption, setOption, paceOption,
                        latencyOption, corruptOption, silentOption, garbageOption, memoryFailureOption, refuseOption, errorOption,
                        persistentOption, warningOption, seedOption, noConsoleOption });
    parser.process(app);

    SimulatorOptions options;
    QStringList problems;
    uint32_t v = 0;
    options.linkPath = parser.value(linkOption);
    options.pathFile = parser.value(pathFileOption);
    if (parser.isSet(typeOption)) {
        if (parseUnsigned(parser.value(typeOption), 0xFFFF, &v))
            options.inverterType = uint16_t(v);
        else
            problems << QStringLiteral("--inverter-type needs a number up to 0xFFFF");
    }
    if (parser.isSet(serialOption)) {
        if (parseUnsigned(parser.value(serialOption), 0xFFFF, &v))
            options.serialNumber = uint16_t(v);
        else
            problems << QStringLiteral("--serial needs a number up to 65535");
    }
    if (parser.isSet(firmwareOption))
        options.firmware = parser.value(firmwareOption).toLatin1().left(46);
    for (const QString &preset : parser.values(setOption)) {
        const QStringList parts = preset.split(QLatin1Char('='));
        uint32_t id = 0;
        uint32_t raw = 0;
        if (parts.size() == 2 && parseUnsigned(parts[0], 149, &id) && parseUnsigned(parts[1], 0xFFFF, &raw))
            options.presets.append({ uint16_t(id), uint16_t(raw) });
        else
            problems << QStringLiteral("--set needs P=RAW, got \"%1\"").arg(preset);
    }
    options.paced = parser.isSet(paceOption);
    if (parser.isSet(latencyOption)) {
        if (parseUnsigned(parser.value(latencyOption), 60000, &v))
            options.latencyMs = int32_t(v);
        else
            problems << QStringLiteral("--latency needs milliseconds");
    }
    if (parser.isSet(corruptOption)) {
        if (parseUnsigned(parser.value(corruptOption), 100, &v))
            options.corruptPercent = int32_t(v);
        else
            problems << QStringLiteral("--corrupt needs a percentage");
    }
    options.silent = parser.isSet(silentOption);
    if (parser.isSet(garbageOption)) {
        const QStringList parts = parser.value(garbageOption).split(QLatin1Char(':'));
        uint32_t period = 1000;
        if (parseUnsigned(parts[0], 4096, &v) && (parts.size() < 2 || parseUnsigned(parts[1], 3600000, &period)) && period > 0) {
            options.garbageBytes = int32_t(v);
            options.garbagePeriodMs = int32_t(period);
        } else {
            problems << QStringLiteral("--garbage needs BYTES[:PERIOD_MS]");
        }
    }
    if (parser.isSet(memoryFailureOption)) {
        if (parseUnsigned(parser.value(memoryFailureOption), 0xFF, &v) && (v == 0x10 || v == 0x20))
            options.memoryFailure = CommErrorCode(v);
        else
            problems << QStringLiteral("--memory-failure needs 0x10 or 0x20");
    }
    for (const QString &refusal : parser.values(refuseOption)) {
        const QStringList parts = refusal.split(QLatin1Char(':'));
        uint32_t id = 0;
        uint32_t state = CommError::ChangeNotPermitted;
        if (parts.size() <= 2 && parseUnsigned(parts[0], 149, &id)
            && (parts.size() < 2 || (parseUnsigned(parts[1], 4, &state) && state != 0 && state != 3)))
            options.refusals.append({ uint16_t(id), CommErrorCode(state) });
        else
            problems << QStringLiteral("--refuse needs P[:STATE] with STATE 1, 2 or 4, got \"%1\"").arg(refusal);
    }
    if (parser.isSet(errorOption)) {
        if (parseUnsigned(parser.value(errorOption), 999, &v) && v > 0)
            options.errorCode = uint16_t(v);
        else
            problems << QStringLiteral("--error needs a code from 1 to 999");
    }
    options.persistentError = parser.isSet(persistentOption);
    if (parser.isSet(warningOption)) {
        if (parseUnsigned(parser.value(warningOption), 999, &v) && v > 0)
            options.warningCode = uint16_t(v);
        else
            problems << QStringLiteral("--warning needs a code from 1 to 999");
    }
    if (parser.isSet(seedOption)) {
        if (parseUnsigned(parser.value(seedOption), 0xFFFFFFFFu, &v))
            options.seed = v;
        else
            problems << QStringLiteral("--seed needs a number");
    }
    if (!problems.isEmpty()) {
        for (const QString &problem : problems)
            std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 2;
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        std::perror("socketpair");
        return 1;
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    InverterSimulator simulator(options);
    QObject::connect(&simulator, &InverterSimulator::slavePathChanged, [](const QString &path) {
        std::printf("%s\n", path.toLocal8Bit().constData());
        std::fflush(stdout);
    });
    QObject::connect(&simulator, &InverterSimulator::unplugged, [] {
        std::printf("unplugged\n");
        std::fflush(stdout);
    });
    QObject::connect(&simulator, &InverterSimulator::firmwareRestarted, [](const QByteArray &firmware) {
        std::printf("firmware restarted: %s\n", firmware.constData());
        std::fflush(stdout);
    });

    QObject::connect(&simulator, &InverterSimulator::notice, [](const QString &text) {
        std::printf("notice: %s\n", text.toLocal8Bit().constData());
        std::fflush(stdout);
    });

    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "cannot create the pseudo-terminal: %s\n", error.toLocal8Bit().constData());
        return 1;
    }

    SimConsole console(&simulator);
    QObject::connect(&console, &SimConsole::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!parser.isSet(noConsoleOption))
        console.start(STDIN_FILENO);

    return app.exec();
}
