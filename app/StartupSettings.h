#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class MessagePresenter;
class QApplication;
class QSettings;
class QTranslator;
class QWidget;

// What the program does before its window exists: the application's identity
// (which fixes where the settings store lives), the "-default" reset, the
// choice of language, the translators and the style sheet. The main window uses
// the same translator loading for its language switch.
class StartupSettings
{
public:
    static constexpr const char *OrganizationName = "Orvask GmbH";
    static constexpr const char *OrganizationDomain = "orvask.example.com";
    static constexpr const char *ApplicationName = "Torvana";

    // Organisation domain and name, application name.
    static void setApplicationIdentity();

    // Every argument from the second on that equals "-default" (ignoring case)
    // removes the keys that the reset covers; answers how many matched.
    static int applyCommandLine(QSettings &settings, const QStringList &arguments);
    // Removes "Language", "ParametersetDirectory", "FirmwareDirectory" and the
    // groups "MainWindow" and "Diagram". "ShowInformationMessages" and
    // "BlUpdateAllowed" stay.
    static void resetToDefaults(QSettings &settings);

    // German if the system speaks German, else English.
    [[nodiscard]] static QLocale::Language defaultLanguage(const QLocale &systemLocale);
    // "Language" from the store, with the default above; an unknown number is
    // taken as it is, as long as it is one of QLocale's. Anything else (no
    // number, beyond QLocale::LastLanguage) counts as absent.
    [[nodiscard]] static QLocale::Language language(const QSettings &settings, const QLocale &systemLocale);

    // The store holds a dozen short keys; a file beyond this size is damaged.
    static constexpr qint64 MaximumStoreSize = 1024 * 1024;
    // The file of the native per-user store where it is a file (Linux: an INI
    // file below the configuration folder); empty where it is none.
    [[nodiscard]] static QString storeFileName();
    // QSettings reads its file whole, so a store file above MaximumStoreSize is
    // renamed to "<name>.damaged" (replacing an older one) before anything opens
    // the store; the program then starts with the defaults. True when it did.
    static bool setAsideOversizedStore();
    // Where setAsideOversizedStore() puts the file.
    [[nodiscard]] static QString setAsideStoreFileName();
    // Tells the user once, after the window is shown, that the store was set
    // aside and where it is: a warning box titled "Torvana".
    static void warnStoreSetAside(MessagePresenter &presenter, QWidget *parent);

    // ":/Translations/German.qm" and the like.
    [[nodiscard]] static QString translatorFileName(QLocale::Language language);
    // ":/Translations/qtbase_de_DE.qm" and the like; the translator falls back
    // to "qtbase_de.qm" by itself.
    [[nodiscard]] static QString qtTranslatorFileName(QLocale::Language language);
    // Reloads both translators for the language, installs them again and makes
    // the language's locale the default. A file that does not load leaves its
    // translator empty; it is installed anyway.
    static void installLanguage(QLocale::Language language, QTranslator &applicationTranslator,
                                QTranslator &qtTranslator);

    // Everything before the main window: identity, an oversized store set
    // aside, "-default" from the command line, the language with its
    // translators, the "fusion" style and the style sheet. Answers the language,
    // and in storeSetAside whether the store was set aside.
    static QLocale::Language prepareApplication(QApplication &application, QTranslator &applicationTranslator,
                                                QTranslator &qtTranslator, bool *storeSetAside = nullptr);

    // ":/Styles/common.css" followed by ":/Styles/default.css".
    [[nodiscard]] static QString styleSheet();
    // The files' bytes in order, decoded as UTF-8 up to the first zero byte; an
    // unreadable file adds nothing.
    [[nodiscard]] static QString styleSheet(const QStringList &fileNames);

    // Root of the user's default folders ("Parametersets", "Firmware"): the
    // documents location followed by the application name.
    [[nodiscard]] static QString dataFolder();
};
