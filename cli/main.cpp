// torvana-cli: the inverter from the shell, through the program's own
// communication and dataset controllers.
#include "CliLanguage.h"
#include "CliOptions.h"
#include "CliRunner.h"
#include "Console.h"

#include <QCoreApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    // The program's identity: parameter set files name it in CreatedBy.
    QCoreApplication::setOrganizationDomain(QStringLiteral("orvask.example.com"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvask GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("Torvana"));

    const QStringList arguments = QCoreApplication::arguments();
    QTranslator applicationTranslator;
    QTranslator qtTranslator;
    CliLanguage::install(CliLanguage::choose(CliOptionParser::requestedLanguage(arguments)), applicationTranslator,
                         qtTranslator);

    CliOptions options;
    QString error;
    if (!CliOptionParser::parse(arguments, options, error)) {
        Console::err(error);
        Console::err(QCoreApplication::translate("CliRunner", "torvana-cli --help zeigt den Aufruf."));
        return int(ExitStatus::Usage);
    }
    CliRunner runner(options);
    return int(runner.exec());
}
