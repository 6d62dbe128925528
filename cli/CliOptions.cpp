#include "CliOptions.h"

#include <cmath>

namespace {

// Splits "--name=value"; the value is empty without "=".
QString optionName(const QString &argument, QString *inlineValue, bool *hasInlineValue)
{
    const int equals = argument.indexOf(QLatin1Char('='));
    *hasInlineValue = equals > 0;
    if (equals > 0) {
        *inlineValue = argument.mid(equals + 1);
        return argument.left(equals);
    }
    return argument;
}

bool parseSeconds(const QString &text, double *seconds)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0 || value > 24 * 3600)
        return false;
    *seconds = value;
    return true;
}

} // namespace

QString CliOptionParser::requestedLanguage(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1String("--lang=")))
            return argument.mid(7);
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments.at(i + 1);
    }
    return QString();
}

bool CliOptionParser::parse(const QStringList &arguments, CliOptions &options, QString &error)
{
    QStringList positional;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        QString value;
        bool hasInlineValue = false;
        const QString name = optionName(argument, &value, &hasInlineValue);
        const bool takesValue = name == QLatin1String("--port") || name == QLatin1String("--timeout")
                                || name == QLatin1String("--lang") || name == QLatin1String("--seconds");
        if (takesValue && !hasInlineValue) {
            if (i + 1 >= arguments.size()) {
                error = tr("Die Option %1 braucht einen Wert.").arg(name);
                return false;
            }
            value = arguments.at(++i);
        } else if (!takesValue && hasInlineValue) {
            error = tr("Die Option %1 hat keinen Wert.").arg(name);
            return false;
        }

        if (name == QLatin1String("--port")) {
            if (value.isEmpty()) {
                error = tr("Die Option --port braucht einen Gerätepfad.");
                return false;
            }
            options.port = value;
        } else if (name == QLatin1String("--timeout")) {
            if (!parseSeconds(value, &options.timeoutSeconds)) {
                error = tr("Ungültige Zeit für --timeout: %1 (Sekunden größer als 0 erwartet).").arg(value);
                return false;
            }
        } else if (name == QLatin1String("--lang")) {
            if (value != QLatin1String("de") && value != QLatin1String("en")) {
                error = tr("Unbekannte Sprache für --lang: %1 (de oder en).").arg(value);
                return false;
            }
            options.language = value;
        } else if (name == QLatin1String("--json")) {
            options.json = true;
        } else if (name == QLatin1String("--help")) {
            options.help = true;
        } else if (name == QLatin1String("--version")) {
            options.version = true;
        } else if (name == QLatin1String("--store")) {
            options.store = true;
            options.commandOptions.append(name);
        } else if (name == QLatin1String("--yes")) {
            options.yes = true;
            options.commandOptions.append(name);
        } else if (name == QLatin1String("--csv")) {
            options.csv = true;
            options.commandOptions.append(name);
        } else if (name == QLatin1String("--seconds")) {
            if (!parseSeconds(value, &options.seconds)) {
                error = tr("Ungültige Zeit für --seconds: %1 (Sekunden größer als 0 erwartet).").arg(value);
                return false;
            }
            options.secondsGiven = true;
            options.commandOptions.append(name);
        } else {
            error = tr("Unbekannte Option: %1").arg(name);
            return false;
        }
    }

    if (!positional.isEmpty())
        options.command = positional.takeFirst();
    options.arguments = positional;
    if (options.command.isEmpty() && !options.help && !options.version) {
        error = tr("Kein Befehl angegeben.");
        return false;
    }
    return true;
}
