#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The command line of torvana-cli:
//   torvana-cli [--port PATH] [--timeout SECONDS] [--lang de|en] [--json] COMMAND [ARGUMENTS]
// Options may stand anywhere (also after the command's arguments); "--" ends
// them. An option's value follows as the next argument or after "=".
struct CliOptions
{
    static constexpr double DefaultTimeoutSeconds = 5;

    QString port;
    double timeoutSeconds = DefaultTimeoutSeconds;
    QString language; // "de", "en", or empty for the system's
    bool json = false;
    bool help = false;
    bool version = false;
    // Options of single commands.
    bool store = false;
    bool yes = false;
    bool csv = false;
    double seconds = 0; // monitor: 0 runs until interrupted
    bool secondsGiven = false;
    QString command;
    QStringList arguments;
    // The command options given, by name ("--store"), for the check against the command.
    QStringList commandOptions;
};

class CliOptionParser
{
    Q_DECLARE_TR_FUNCTIONS(CliOptionParser)

public:
    // False with a translated message in `error` for a usage error.
    [[nodiscard]] static bool parse(const QStringList &arguments, CliOptions &options, QString &error);
    // The value of --lang without any check, so that the messages of the full
    // parse can already be translated.
    [[nodiscard]] static QString requestedLanguage(const QStringList &arguments);
};
