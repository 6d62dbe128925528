#include "CliLanguage.h"

#include <QCoreApplication>

QLocale::Language CliLanguage::choose(const QString &requested, const QLocale &system)
{
    if (requested == QLatin1String("de"))
        return QLocale::German;
    if (requested == QLatin1String("en"))
        return QLocale::English;
    return system.language() == QLocale::German ? QLocale::German : QLocale::English;
}

void CliLanguage::install(QLocale::Language language, QTranslator &applicationTranslator, QTranslator &qtTranslator)
{
    // A catalogue that does not load leaves the German source texts.
    (void)applicationTranslator.load(QStringLiteral(":/Translations/%1.qm").arg(QLocale::languageToString(language)));
    QCoreApplication::installTranslator(&applicationTranslator);
    (void)qtTranslator.load(
        QStringLiteral(":/Translations/qtbase_%1.qm").arg(QLocale(language, QLocale::AnyCountry).name()));
    QCoreApplication::installTranslator(&qtTranslator);
}
