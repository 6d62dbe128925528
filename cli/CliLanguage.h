#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// Language of messages, captions and enumeration texts: German (the source
// texts) or English, from --lang or else from the system's locale. The same
// catalogues as the program's, from its resources.
class CliLanguage
{
public:
    // "de" or "en"; anything else, or nothing, follows the system: German for a
    // German locale, English for every other.
    [[nodiscard]] static QLocale::Language choose(const QString &requested, const QLocale &system = QLocale::system());
    // Installs both translators for the language. They must outlive their use.
    static void install(QLocale::Language language, QTranslator &applicationTranslator, QTranslator &qtTranslator);
};
