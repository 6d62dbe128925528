#include "CliRunner.h"

#include "Console.h"
#include "D2xxSource.h"
#include "DevicesCommand.h"
#include "ErrorsCommand.h"
#include "FactoryResetCommand.h"
#include "FlashCommand.h"
#include "GetCommand.h"
#include "InfoCommand.h"
#include "InterruptWatcher.h"
#include "InverterSession.h"
#include "MemoryCommand.h"
#include "MonitorCommand.h"
#include "ReadCommand.h"
#include "ResetCommand.h"
#include "SetCommand.h"
#include "StatusCommand.h"
#include "WriteCommand.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

struct CommandEntry
{
    const char *name;
    QStringList options; // command options it accepts
    bool json;           // gives JSON with --json
};

const QVector<CommandEntry> &commandTable()
{
    static const QVector<CommandEntry> table{
        {"devices", {}, true},
        {"info", {}, true},
        {"get", {}, true},
        {"set", {QStringLiteral("--store")}, false},
        {"read", {}, false},
        {"write", {}, false},
        {"status", {}, true},
        {"errors", {}, true},
        {"reset", {}, false},
        {"factory-reset", {QStringLiteral("--yes")}, false},
        {"monitor", {QStringLiteral("--seconds"), QStringLiteral("--csv")}, false},
        {"memory", {QStringLiteral("--store"), QStringLiteral("--yes")}, true},
        {"flash", {}, false},
    };
    return table;
}

} // namespace

CliRunner::CliRunner(const CliOptions &options) : m_options(options) {}

CliRunner::~CliRunner() = default;

std::unique_ptr<CliCommand> CliRunner::makeCommand()
{
    const QString &name = m_options.command;
    const auto entry = std::find_if(commandTable().cbegin(), commandTable().cend(),
                                    [&name](const CommandEntry &e) { return name == QLatin1String(e.name); });
    if (entry == commandTable().cend()) {
        Console::err(tr("Unbekannter Befehl: %1 (torvana-cli --help listet die Befehle)").arg(name));
        return nullptr;
    }
    for (const QString &option : m_options.commandOptions) {
        if (!entry->options.contains(option)) {
            Console::err(tr("Die Option %1 gilt nicht für %2.").arg(option, name));
            return nullptr;
        }
    }
    if (m_options.json && !entry->json) {
        Console::err(tr("%1 gibt kein JSON aus.").arg(name));
        return nullptr;
    }

    InverterSession *session = m_session.get();
    if (name == QLatin1String("devices"))
        return std::make_unique<DevicesCommand>(m_options, session);
    if (name == QLatin1String("info"))
        return std::make_unique<InfoCommand>(m_options, session);
    if (name == QLatin1String("get"))
        return std::make_unique<GetCommand>(m_options, session);
    if (name == QLatin1String("set"))
        return std::make_unique<SetCommand>(m_options, session);
    if (name == QLatin1String("read"))
        return std::make_unique<ReadCommand>(m_options, session);
    if (name == QLatin1String("write"))
        return std::make_unique<WriteCommand>(m_options, session);
    if (name == QLatin1String("status"))
        return std::make_unique<StatusCommand>(m_options, session);
    if (name == QLatin1String("errors"))
        return std::make_unique<ErrorsCommand>(m_options, session);
    if (name == QLatin1String("reset"))
        return std::make_unique<ResetCommand>(m_options, session);
    if (name == QLatin1String("factory-reset"))
        return std::make_unique<FactoryResetCommand>(m_options, session);
    if (name == QLatin1String("monitor"))
        return std::make_unique<MonitorCommand>(m_options, session);
    if (name == QLatin1String("memory"))
        return std::make_unique<MemoryCommand>(m_options, session);
    return std::make_unique<FlashCommand>(m_options, session);
}

ExitStatus CliRunner::exec()
{
    if (m_options.help) {
        Console::out(helpText());
        return ExitStatus::Done;
    }
    if (m_options.version) {
        Console::out(QStringLiteral("torvana-cli " TORVANA_VERSION_TEXT));
        return ExitStatus::Done;
    }

    D2xx::restrictToPath(m_options.port.toStdString());
    // Before the command exists: its checks read the catalogue. The session's
    // controllers do nothing until the event loop runs.
    m_session = std::make_unique<InverterSession>();
    const std::unique_ptr<CliCommand> command = makeCommand();
    if (!command)
        return ExitStatus::Usage;
    const ExitStatus prepared = command->prepare();
    if (prepared != ExitStatus::Done)
        return prepared;

    QEventLoop loop;
    ExitStatus result = ExitStatus::Done;
    const auto end = [&loop, &result](ExitStatus status) {
        result = status;
        loop.exit();
    };
    QObject::connect(command.get(), &CliCommand::finished, &loop, end);
    InterruptWatcher interrupts;
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, command.get(), &CliCommand::interrupt);

    // The session is ready again after the firmware update's reconnection;
    // that belongs to the command already running.
    bool started = false;
    if (command->needsInverter()) {
        const QString port = m_options.port;
        QObject::connect(m_session.get(), &InverterSession::failed, &loop,
                         [&end, port](ExitStatus status, const QString &message) {
                             Console::err(message);
                             if (status == ExitStatus::NoInverter && !port.isEmpty() && !QFileInfo::exists(port))
                                 Console::err(tr("Das Gerät %1 gibt es nicht.").arg(port));
                             end(status);
                         });
        QObject::connect(m_session.get(), &InverterSession::ready, command.get(), [&started, &command] {
            if (!std::exchange(started, true))
                command->run();
        });
        m_session->start(m_options.timeoutSeconds);
    } else {
        // Nothing may open a device meanwhile.
        m_session.reset();
        QTimer::singleShot(0, command.get(), &CliCommand::run);
    }
    loop.exec();
    return result;
}

QString CliRunner::helpText()
{
    return tr("Aufruf: torvana-cli [--port PFAD] [--timeout SEKUNDEN] [--lang de|en] [--json] BEFEHL [ARGUMENTE]\n"
              "\n"
              "Befehle:\n"
              "  devices                       die Geräte, die die Suche sieht, eines je Zeile\n"
              "  info                          Typ, Seriennummer und Firmware des Umrichters\n"
              "  get P [P ...]                 Parameter in Anzeigeeinheiten (Nummer, P<Nummer>, Name oder all)\n"
              "  set P=WERT [...] [--store]    Parameter schreiben; --store speichert danach im EEPROM\n"
              "  read DATEI                    den aktuellen Parametersatz als .mps (oder .mtr) speichern\n"
              "  write DATEI                   eine .mps- oder .mtr-Datei übertragen, im EEPROM speichern, prüfen\n"
              "  status                        Betriebswerte, Zustand, aktiver Fehler oder aktive Warnung\n"
              "  errors                        die fünf Einträge der Fehlerhistorie mit Ursache und Behebung\n"
              "  reset                         Fehler-Reset\n"
              "  factory-reset --yes           Werkseinstellungen laden\n"
              "  monitor [--seconds N] [--csv] die Betriebswerte alle 500 ms\n"
              "  memory list | load N [--store] | save N [--yes] | delete N --yes\n"
              "                                die Motorspeicher M1 bis M16\n"
              "  flash IMAGE                   Firmware-Update mit stm32flash\n"
              "\n"
              "Optionen:\n"
              "  --port PFAD                   nur dieses serielle Gerät verwenden\n"
              "  --timeout SEKUNDEN            so lange nach einem Umrichter suchen (Vorgabe 5)\n"
              "  --lang de|en                  Sprache der Meldungen (Vorgabe: die des Systems)\n"
              "  --json                        ein JSON-Dokument auf der Standardausgabe\n"
              "                                (devices, info, get, status, errors, memory list)\n"
              "  --help, --version\n"
              "\n"
              "Rückgabewerte: 0 erledigt; 1 vom Umrichter abgelehnt oder mit einem Fehler beantwortet; 2 falscher\n"
              "Aufruf oder eine Datei, die nicht lesbar oder nicht gültig ist; 3 kein Umrichter gefunden;\n"
              "4 Verbindung während des Vorgangs verloren.");
}
