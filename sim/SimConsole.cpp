#include "SimConsole.h"

#include "DriveModel.h"
#include "FaultInjector.h"
#include "InverterModel.h"
#include "InverterSimulator.h"
#include "ProtocolServer.h"
#include "TransmitQueue.h"

#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

bool parseNumber(const QString &text, uint32_t *value, uint32_t maximum = 0xFFFF)
{
    bool ok = false;
    const uint32_t v = text.toUInt(&ok, 0);
    if (!ok || v > maximum)
        return false;
    *value = v;
    return true;
}

bool parseSwitch(const QString &text, bool *on)
{
    if (text == QLatin1String("on") || text == QLatin1String("1")) {
        *on = true;
        return true;
    }
    if (text == QLatin1String("off") || text == QLatin1String("0")) {
        *on = false;
        return true;
    }
    return false;
}

uint16_t inputBit(const QString &name)
{
    static const struct { const char *name; uint16_t bit; } inputs[] = {
        { "din1", DriveModel::Din1 }, { "din2", DriveModel::Din2 }, { "din3", DriveModel::Din3 },
        { "din4", DriveModel::Din4 }, { "din5", DriveModel::Din5 }, { "din6", DriveModel::Din6 },
        { "temp", DriveModel::MotorTemperatureInput }, { "plc", DriveModel::PlcInput },
    };
    for (const auto &input : inputs) {
        if (name == QLatin1String(input.name))
            return input.bit;
    }
    return 0;
}

} // namespace

SimConsole::SimConsole(InverterSimulator *simulator, QObject *parent)
    : QObject(parent)
    , m_simulator(simulator)
{
}

SimConsole::~SimConsole() = default;

QString SimConsole::helpText()
{
    return QStringLiteral(
        "help                       this list\n"
        "status                     state of the simulated inverter\n"
        "error CODE [persistent]    raise an error (a persistent one survives the error reset)\n"
        "warning CODE               raise a warning\n"
        "clear                      clear every error and warning, persistent ones too\n"
        "reset                      error reset, as frame type 1 does it\n"
        "silent on|off              stop or resume taking and answering frames\n"
        "unplug [SECONDS]           close the terminal, re-plug after SECONDS (default 3, -1: stay unplugged)\n"
        "unplug SECONDS at TYPE [N] the same when the N-th frame of TYPE passes (default 1): a frame from the\n"
        "                           program is lost, one to it is the last to leave\n"
        "plug                       re-plug now (new terminal, link and path file updated)\n"
        "corrupt PERCENT            damage that share of the outgoing frames (0: off)\n"
        "latency MS                 delay every answer by MS milliseconds\n"
        "pace on|off                send at the wire speed of the line settings (38400 baud 8N1: 3840 bytes/s)\n"
        "garbage BYTES [PERIOD]     a burst of random bytes now, or one every PERIOD ms; \"garbage 0\" stops\n"
        "memfail off|0x10|0x20      overall result of every motor memory store\n"
        "refuse P [STATE]           answer writes of P with STATE (1, 2 or 4; default 2), 0 or \"refuse off\" ends it\n"
        "input NAME on|off          simulated inputs: din1..din6, plc, temp (temp on: sensor alarm)\n"
        "set P RAW                  set parameter P to a raw value, without checks\n"
        "get P                      raw value of parameter P\n"
        "store                      store the current parameters in the EEPROM\n"
        "memory N                   contents of motor memory M<N>\n"
        "bootloader                 enter the bootloader, as after frame type 12\n"
        "restart                    power cycle: settings from the EEPROM, motor at rest\n"
        "quit                       end the simulator");
}

void SimConsole::start(int fd)
{
    m_fd = fd;
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SimConsole::onReadable);
}

void SimConsole::onReadable()
{
    char buffer[1024];
    const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
    if (n <= 0) {
        // End of input (or a closed descriptor): keep simulating without a console.
        m_notifier->setEnabled(false);
        return;
    }
    m_pending.append(buffer, int(n));
    int newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(newline));
        m_pending.remove(0, newline + 1);
        const QString answer = execute(line);
        if (!answer.isEmpty()) {
            std::fputs(answer.toLocal8Bit().constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
    }
}

QString SimConsole::execute(const QString &line)
{
    const QStringList words = line.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QString();
    const QString &command = words.first();
    const int argc = words.size() - 1;
    InverterModel *model = m_simulator->model();
    FaultInjector *faults = m_simulator->faults();
    const QString usage = QStringLiteral("usage: see \"help\"");
    uint32_t a = 0;
    uint32_t b = 0;
    bool on = false;

    if (command == QLatin1String("help"))
        return helpText();
    if (command == QLatin1String("status"))
        return m_simulator->statusText();
    if (command == QLatin1String("quit") || command == QLatin1String("exit")) {
        emit quitRequested();
        return QStringLiteral("bye");
    }
    if (command == QLatin1String("error")) {
        if (argc < 1 || !parseNumber(words[1], &a, 999) || a == 0)
            return usage;
        const bool persistent = argc >= 2 && words[2] == QLatin1String("persistent");
        model->raiseError(uint16_t(a), persistent);
        return QStringLiteral("error %1%2 raised").arg(a).arg(persistent ? " (persistent)" : "");
    }
    if (command == QLatin1String("warning")) {
        if (argc < 1 || !parseNumber(words[1], &a, 999) || a == 0)
            return usage;
        model->raiseWarning(uint16_t(a));
        return QStringLiteral("warning %1 raised").arg(a);
    }
    if (command == QLatin1String("clear")) {
        model->clearFaults();
        return QStringLiteral("faults cleared");
    }
    if (command == QLatin1String("reset"))
        return model->resetFaults() == CommError::NoError ? QStringLiteral("reset done")
                                                          : QStringLiteral("reset refused (persistent error)");
    if (command == QLatin1String("silent")) {
        if (argc < 1 || !parseSwitch(words[1], &on))
            return usage;
        faults->setSilent(on);
        return QStringLiteral("silent %1").arg(on ? "on" : "off");
    }
    if (command == QLatin1String("unplug")) {
        int seconds = 3;
        if (argc >= 1) {
            bool ok = false;
            seconds = words[1].toInt(&ok);
            if (!ok)
                return usage;
        }
        if (argc >= 2) {
            b = 1;
            if (words[2] != QLatin1String("at") || argc < 3 || !parseNumber(words[3], &a, 255) || a == 0
                || (argc >= 4 && (!parseNumber(words[4], &b, 1000000) || b == 0)))
                return usage;
            m_simulator->unplugAt(uint8_t(a), int32_t(b), seconds);
            return QStringLiteral("unplugging at frame %1 of type %2").arg(b).arg(a);
        }
        m_simulator->unplug(seconds);
        return seconds >= 0 ? QStringLiteral("unplugged for %1 s").arg(seconds) : QStringLiteral("unplugged");
    }
    if (command == QLatin1String("plug")) {
        QString error;
        return m_simulator->plugIn(&error) ? QStringLiteral("plugged in: %1").arg(m_simulator->slavePath()) : error;
    }
    if (command == QLatin1String("corrupt")) {
        if (argc < 1 || !parseNumber(words[1], &a, 100))
            return usage;
        faults->setCorruptPercent(int32_t(a));
        return QStringLiteral("corrupting %1 % of the frames").arg(a);
    }
    if (command == QLatin1String("latency")) {
        if (argc < 1 || !parseNumber(words[1], &a, 60000))
            return usage;
        m_simulator->transmitQueue()->setLatency(int32_t(a));
        return QStringLiteral("latency %1 ms").arg(a);
    }
    if (command == QLatin1String("pace")) {
        if (argc < 1 || !parseSwitch(words[1], &on))
            return usage;
        m_simulator->transmitQueue()->setPaced(on);
        return QStringLiteral("pace %1").arg(on ? "on" : "off");
    }
    if (command == QLatin1String("garbage")) {
        if (argc >= 1 && words[1] == QLatin1String("off"))
            a = 0;
        else if (argc < 1 || !parseNumber(words[1], &a, 4096))
            return usage;
        if (argc >= 2 && !parseNumber(words[2], &b, 3600000))
            return usage;
        faults->setGarbage(int32_t(a), int32_t(b));
        if (a == 0)
            return QStringLiteral("garbage off");
        return b ? QStringLiteral("%1 bytes of garbage every %2 ms").arg(a).arg(b) : QStringLiteral("%1 bytes of garbage sent").arg(a);
    }
    if (command == QLatin1String("memfail")) {
        if (argc < 1)
            return usage;
        if (words[1] == QLatin1String("off"))
            a = 0;
        else if (!parseNumber(words[1], &a, 0xFF) || (a != 0x10 && a != 0x20 && a != 0))
            return usage;
        faults->setMemoryFailure(CommErrorCode(a));
        return a ? QStringLiteral("motor memory stores fail with 0x%1").arg(a, 2, 16, QLatin1Char('0'))
                 : QStringLiteral("motor memory stores succeed");
    }
    if (command == QLatin1String("refuse")) {
        if (argc >= 1 && words[1] == QLatin1String("off")) {
            faults->clearRefusals();
            return QStringLiteral("no parameter refused");
        }
        b = CommError::ChangeNotPermitted;
        if (argc < 1 || !parseNumber(words[1], &a, InverterModel::SlotCount - 1)
            || (argc >= 2 && (!parseNumber(words[2], &b, 4) || b == 3)))
            return usage;
        faults->setRefusal(uint16_t(a), CommErrorCode(b));
        return b ? QStringLiteral("writes of P%1 answered with %2").arg(a).arg(b) : QStringLiteral("P%1 accepted again").arg(a);
    }
    if (command == QLatin1String("input")) {
        const uint16_t bit = argc >= 2 ? inputBit(words[1]) : 0;
        if (!bit || !parseSwitch(words[2], &on))
            return usage;
        DriveModel *drive = m_simulator->drive();
        drive->setInputs(on ? uint16_t(drive->inputs() | bit) : uint16_t(drive->inputs() & ~bit));
        return QStringLiteral("input %1 %2").arg(words[1], on ? "on" : "off");
    }
    if (command == QLatin1String("set")) {
        if (argc < 2 || !parseNumber(words[1], &a, InverterModel::SlotCount - 1) || !parseNumber(words[2], &b))
            return usage;
        if (!model->isKnown(uint16_t(a)))
            return QStringLiteral("P%1 is unknown").arg(a);
        model->setRaw(uint16_t(a), uint16_t(b));
        return QStringLiteral("P%1 = %2").arg(a).arg(b);
    }
    if (command == QLatin1String("get")) {
        if (argc < 1 || !parseNumber(words[1], &a, InverterModel::SlotCount - 1))
            return usage;
        if (!model->isKnown(uint16_t(a)))
            return QStringLiteral("P%1 is unknown").arg(a);
        return QStringLiteral("P%1 = %2 (0x%3)").arg(a).arg(model->raw(uint16_t(a))).arg(model->raw(uint16_t(a)), 4, 16, QLatin1Char('0'));
    }
    if (command == QLatin1String("store")) {
        model->storeInEeprom();
        return QStringLiteral("stored in EEPROM");
    }
    if (command == QLatin1String("memory")) {
        if (argc < 1 || !parseNumber(words[1], &a, InverterModel::MotorMemoryCount) || a == 0)
            return usage;
        const InverterModel::Pairs pairs = model->motorSet(uint16_t(a - 1)); // M<a> is slot a - 1
        if (pairs.isEmpty())
            return QStringLiteral("M%1 is empty").arg(a);
        QStringList entries;
        for (const auto &pair : pairs)
            entries << QStringLiteral("P%1=%2").arg(pair.first).arg(pair.second);
        return QStringLiteral("M%1: %2").arg(a).arg(entries.join(QLatin1Char(' ')));
    }
    if (command == QLatin1String("bootloader")) {
        m_simulator->server()->enterBootloader();
        return QStringLiteral("bootloader active");
    }
    if (command == QLatin1String("restart")) {
        m_simulator->powerCycle();
        return QStringLiteral("restarted");
    }
    return QStringLiteral("unknown command \"%1\"; try \"help\"").arg(command);
}
