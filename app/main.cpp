// Torvana's entry point: application identity, settings (with "-default"),
// language, style and style sheet, then the one main window.
#include "MainWindow.h"
#include "StartupSettings.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    StartupSettings::setApplicationIdentity();
    StartupSettings::setAsideOversizedStore();

    QSettings settings;
    StartupSettings::applyCommandLine(settings, QCoreApplication::arguments());
    const QLocale::Language language = StartupSettings::language(settings, QLocale::system());

    QTranslator applicationTranslator;
    QTranslator qtTranslator;
    StartupSettings::installLanguage(language, applicationTranslator, qtTranslator);

    if (QStyle *style = QStyleFactory::create(QStringLiteral("fusion")))
        QApplication::setStyle(style);
    application.setStyleSheet(StartupSettings::styleSheet());

    int result = 0;
    {
        MainWindow window(language, &applicationTranslator, &qtTranslator);
        window.show();
        result = QApplication::exec();
    }
    return result;
}
