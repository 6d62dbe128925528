#include "StartupSettings.h"

#include "MessagePresenter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>


void StartupSettings::setApplicationIdentity()
{
    QCoreApplication::setOrganizationDomain(QLatin1String(OrganizationDomain));
    QCoreApplication::setOrganizationName(QLatin1String(OrganizationName));
    QCoreApplication::setApplicationName(QLatin1String(ApplicationName));
}

int StartupSettings::applyCommandLine(QSettings &settings, const QStringList &arguments)
{
    int matches = 0;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).compare(QLatin1String("-default"), Qt::CaseInsensitive) == 0) {
            resetToDefaults(settings);
            ++matches;
        }
    }
    return matches;
}

void StartupSettings::resetToDefaults(QSettings &settings)
{
    settings.remove(QStringLiteral("Language"));
    settings.remove(QStringLiteral("ParametersetDirectory"));
    settings.remove(QStringLiteral("FirmwareDirectory"));
    settings.remove(QStringLiteral("MainWindow"));
    settings.remove(QStringLiteral("Diagram"));
}

QLocale::Language StartupSettings::defaultLanguage(const QLocale &systemLocale)
{
    return systemLocale.language() == QLocale::German ? QLocale::German : QLocale::English;
}

QLocale::Language StartupSettings::language(const QSettings &settings, const QLocale &systemLocale)
{
    // QLocale reads its tables at the number's index unchecked: a damaged number
    // beyond them gives a garbage locale or a crash, so it counts as absent.
    bool isNumber = false;
    const int stored = settings.value(QStringLiteral("Language")).toInt(&isNumber);
    if (!isNumber || stored < QLocale::AnyLanguage || stored > QLocale::LastLanguage)
        return defaultLanguage(systemLocale);
    return QLocale::Language(stored);
}

QString StartupSettings::storeFileName()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The place QSettings gives the native per-user store on these systems.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
        + QStringLiteral(".conf");
#else
    return QString();
#endif
}

bool StartupSettings::setAsideOversizedStore()
{
    const QString fileName = storeFileName();
    if (fileName.isEmpty() || QFileInfo(fileName).size() <= MaximumStoreSize)
        return false;
    const QString aside = setAsideStoreFileName();
    QFile::remove(aside);
    return QFile::rename(fileName, aside);
}

QString StartupSettings::setAsideStoreFileName()
{
    return storeFileName() + QStringLiteral(".damaged");
}

void StartupSettings::warnStoreSetAside(MessagePresenter &presenter, QWidget *parent)
{
    // The settings and the window are back at their defaults: the user should
    // know why, and where the old file is.
    presenter.warning(parent, QCoreApplication::translate("StartupSettings", "Torvana"),
                      QCoreApplication::translate("StartupSettings",
                                                  "Die gespeicherten Einstellungen waren beschädigt und wurden "
                                                  "beiseitegelegt:\n%1\n\nTorvana startet mit den "
                                                  "Standardeinstellungen.\n\n")
                          .arg(QDir::toNativeSeparators(setAsideStoreFileName())));
}

QString StartupSettings::translatorFileName(QLocale::Language language)
{
    return QStringLiteral(":/Translations/%1.qm").arg(QLocale::languageToString(language));
}

QString StartupSettings::qtTranslatorFileName(QLocale::Language language)
{
    return QStringLiteral(":/Translations/qtbase_%1.qm").arg(QLocale(language, QLocale::AnyCountry).name());
}

void StartupSettings::installLanguage(QLocale::Language language, QTranslator &applicationTranslator,
                                      QTranslator &qtTranslator)
{
    QCoreApplication::removeTranslator(&applicationTranslator);
    // A failed load leaves the translator empty, so the source texts show.
    (void)applicationTranslator.load(translatorFileName(language));
    QCoreApplication::installTranslator(&applicationTranslator);

    QCoreApplication::removeTranslator(&qtTranslator);
    (void)qtTranslator.load(qtTranslatorFileName(language));
    QCoreApplication::installTranslator(&qtTranslator);

    QLocale::setDefault(QLocale(language, QLocale::AnyCountry));
}

QString StartupSettings::styleSheet()
{
    return styleSheet({QStringLiteral(":/Styles/common.css"), QStringLiteral(":/Styles/default.css")});
}

QString StartupSettings::styleSheet(const QStringList &fileNames)
{
    QByteArray bytes;
    for (const QString &fileName : fileNames) {
        QFile file(fileName);
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll();
    }
    return QString::fromUtf8(bytes.constData(), int(qstrnlen(bytes.constData(), uint(bytes.size()))));
}

QString StartupSettings::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QDir::separator()
        + QLatin1String(ApplicationName);
}

QLocale::Language StartupSettings::prepareApplication(QApplication &application, QTranslator &applicationTranslator,
                                                      QTranslator &qtTranslator, bool *storeSetAside)
{
    setApplicationIdentity();
    const bool setAside = setAsideOversizedStore();
    if (storeSetAside)
        *storeSetAside = setAside;

    QSettings settings;
    applyCommandLine(settings, QCoreApplication::arguments());
    const QLocale::Language chosen = language(settings, QLocale::system());
    installLanguage(chosen, applicationTranslator, qtTranslator);

    if (QStyle *style = QStyleFactory::create(QStringLiteral("fusion")))
        QApplication::setStyle(style);
    application.setStyleSheet(styleSheet());
    return chosen;
}
