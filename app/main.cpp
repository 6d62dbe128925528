// Torvana's entry point: application identity, settings (with "-default"),
// language, style and style sheet, then the one main window.
#include "MainWindow.h"
#include "StartupSettings.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator applicationTranslator;
    QTranslator qtTranslator;
    bool storeSetAside = false;
    const QLocale::Language language =
        StartupSettings::prepareApplication(application, applicationTranslator, qtTranslator, &storeSetAside);

    int result = 0;
    {
        MainWindow window(language, &applicationTranslator, &qtTranslator);
        window.show();
        if (storeSetAside)
            StartupSettings::warnStoreSetAside(window.messagePresenter(), &window);
        result = QApplication::exec();
    }
    return result;
}
