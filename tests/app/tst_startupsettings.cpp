// Start-up: the "-default" reset, the language choice, the translator files and
// the style sheet.
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace {
// The keys of the settings store, restated.
const QStringList AllKeys{"Language",         "MainWindow/Size",         "MainWindow/Position",
                          "MainWindow/Maximized", "ShowInformationMessages", "ParametersetDirectory",
                          "FirmwareDirectory", "BlUpdateAllowed",        "Diagram/Size",
                          "Diagram/Position"};
const QStringList KeptByReset{"BlUpdateAllowed", "ShowInformationMessages"};
} // namespace

class TestStartupSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StartupSettings::setApplicationIdentity();
        QSettings().clear();
    }

    void identity()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orvask GmbH"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Torvana"));
        QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
    }

    void defaultArgumentResetsTheListedKeys_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("reset");
        QTest::newRow("-default") << QStringList{"torvana", "-default"} << true;
        QTest::newRow("-DEFAULT among others") << QStringList{"torvana", "x", "-DEFAULT", "y"} << true;
        QTest::newRow("twice") << QStringList{"torvana", "-Default", "-default"} << true;
        QTest::newRow("no argument") << QStringList{"torvana"} << false;
        QTest::newRow("program name only") << QStringList{"-default"} << false;
        QTest::newRow("--default") << QStringList{"torvana", "--default"} << false;
        QTest::newRow("default") << QStringList{"torvana", "default"} << false;
    }

    void defaultArgumentResetsTheListedKeys()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, reset);
        QSettings settings;
        for (const QString &key : AllKeys)
            settings.setValue(key, 1);
        settings.setValue(QStringLiteral("Unrelated"), 1);

        StartupSettings::applyCommandLine(settings, arguments);

        QStringList expected = reset ? KeptByReset : AllKeys;
        expected << QStringLiteral("Unrelated");
        expected.sort();
        QStringList keys = settings.allKeys();
        keys.sort();
        QCOMPARE(keys, expected);
    }

    void language_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("language");
        QTest::newRow("German system") << QLocale(QLocale::German, QLocale::Austria) << QVariant() << 42;
        QTest::newRow("English system") << QLocale(QLocale::English) << QVariant() << 31;
        QTest::newRow("French system") << QLocale(QLocale::French) << QVariant() << 31;
        QTest::newRow("English stored, German system") << QLocale(QLocale::German) << QVariant(31) << 31;
        QTest::newRow("German stored, English system") << QLocale(QLocale::English) << QVariant(42) << 42;
        QTest::newRow("unknown number kept") << QLocale(QLocale::German) << QVariant(37) << 37;
    }

    void language()
    {
        QFETCH(QLocale, system);
        QFETCH(QVariant, stored);
        QFETCH(int, language);
        QSettings settings;
        if (stored.isValid())
            settings.setValue(QStringLiteral("Language"), stored);
        QCOMPARE(int(StartupSettings::language(settings, system)), language);
    }

    void translatorFiles_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("translated");
        QTest::newRow("German") << 42 << ":/Translations/German.qm" << ":/Translations/qtbase_de_DE.qm"
                                << "Verbunden";
        QTest::newRow("English") << 31 << ":/Translations/English.qm" << ":/Translations/qtbase_en_US.qm"
                                 << "Connected";
    }

    void translatorFiles()
    {
        QFETCH(int, language);
        QFETCH(QString, program);
        QFETCH(QString, qt);
        QFETCH(QString, translated);
        const auto lang = QLocale::Language(language);
        QCOMPARE(StartupSettings::translatorFileName(lang), program);
        QCOMPARE(StartupSettings::qtTranslatorFileName(lang), qt);

        QTranslator applicationTranslator;
        QTranslator qtTranslator;
        StartupSettings::installLanguage(lang, applicationTranslator, qtTranslator);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Verbunden"), translated);
        QCOMPARE(int(QLocale().language()), language);
        // Qt's own texts: German from Qt's catalogue, English as they are.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 lang == QLocale::German ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
        // Reloading for the same translators replaces, not stacks, them.
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Verbunden"), QStringLiteral("Verbunden"));
    }

    void styleSheetIsCommonThenDefault()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QStringLiteral("first.css"), "QLabel { color: red; }\n");
        static const char second[] = "QLabel { color: bl\xc3\xa4u; }\n\0trailing";
        write(QStringLiteral("second.css"), QByteArray(second, int(sizeof(second)) - 1));
        QCOMPARE(StartupSettings::styleSheet({dir.filePath("first.css"), dir.filePath("missing.css"),
                                              dir.filePath("second.css")}),
                 QStringLiteral("QLabel { color: red; }\nQLabel { color: bläu; }\n"));

        const auto resource = [](const char *name) {
            QFile file{QString::fromLatin1(name)};
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString common = resource(":/Styles/common.css");
        const QString scrollBars = resource(":/Styles/default.css");
        QVERIFY(!common.isEmpty() && !scrollBars.isEmpty());
        QCOMPARE(StartupSettings::styleSheet(), common + scrollBars);
    }

    void dataFolderIsBelowTheDocuments()
    {
        QCOMPARE(StartupSettings::dataFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Torvana"));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestStartupSettings)
#include "tst_startupsettings.moc"
