#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

class TestStartupSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StartupSettings::setApplicationIdentity();
        QSettings().clear();
    }

    void defaultArgumentResetsTheListedKeys_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("reset");
        QTest::newRow("-DEFAULT among others") << QStringList{"torvana", "x", "-DEFAULT", "y"} << true;
        QTest::newRow("program name only") << QStringList{"-default"} << false;
        QTest::newRow("--default") << QStringList{"torvana", "--default"} << false;
    }

    void defaultArgumentResetsTheListedKeys()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, reset);
        const QStringList kept{"BlUpdateAllowed", "ShowInformationMessages", "Unrelated"};
        QStringList all = kept + QStringList{"Language", "MainWindow/Size", "MainWindow/Position", "MainWindow/Maximized",
                                             "ParametersetDirectory", "FirmwareDirectory", "Diagram/Size", "Diagram/Position"};
        QSettings settings;
        for (const QString &key : all)
            settings.setValue(key, 1);
        StartupSettings::applyCommandLine(settings, arguments);
        QStringList keys = settings.allKeys();
        keys.sort();
        all = reset ? kept : all;
        all.sort();
        QCOMPARE(keys, all);
    }

    void language_data()
    {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("language");
        QTest::newRow("German system") << QLocale(QLocale::German, QLocale::Austria) << QVariant() << 42;
        QTest::newRow("French system") << QLocale(QLocale::French) << QVariant() << 31;
        QTest::newRow("English stored, German system") << QLocale(QLocale::German) << QVariant(31) << 31;
    }

    void language()
    {
        QFETCH(QLocale, system);
        QFETCH(QVariant, stored);
        QSettings settings;
        if (stored.isValid())
            settings.setValue("Language", stored);
        QTEST(int(StartupSettings::language(settings, system)), "language");
    }

    void translators_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QStringList>("translated"); // a text of the program's, one of Qt's
        QTest::newRow("German") << 42 << ":/Translations/German.qm" << ":/Translations/qtbase_de_DE.qm"
                                << QStringList{"Verbunden", "Abbrechen"};
        QTest::newRow("English") << 31 << ":/Translations/English.qm" << ":/Translations/qtbase_en_US.qm"
                                 << QStringList{"Connected", "Cancel"};
    }

    void translators()
    {
        QFETCH(int, language);
        const auto lang = QLocale::Language(language);
        QTEST(StartupSettings::translatorFileName(lang), "program");
        QTEST(StartupSettings::qtTranslatorFileName(lang), "qt");
        QTranslator application, qt;
        StartupSettings::installLanguage(lang, application, qt);
        QTEST((QStringList{QCoreApplication::translate("MainWindow", "Verbunden"),
                           QCoreApplication::translate("QPlatformTheme", "Cancel")}), "translated");
        QCOMPARE(int(QLocale().language()), language);
        // Reloading for the same translators replaces, not stacks, them.
        StartupSettings::installLanguage(QLocale::German, application, qt);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Verbunden"), QStringLiteral("Verbunden"));
    }

    void styleSheetIsCommonThenDefault()
    {
        QTemporaryDir dir;
        static const char second[] = "QLabel { color: bl\xc3\xa4u; }\n\0trailing";
        for (const QByteArray &bytes : {QByteArray("QLabel { color: red; }\n"), QByteArray(second, sizeof(second) - 1)}) {
            QFile file(dir.filePath(bytes.contains("red") ? "first.css" : "second.css"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        QCOMPARE(StartupSettings::styleSheet({dir.filePath("first.css"), dir.filePath("missing.css"),
                                              dir.filePath("second.css")}),
                 QStringLiteral("QLabel { color: red; }\nQLabel { color: bläu; }\n"));
        QByteArray sheets;
        for (const char *name : {":/Styles/common.css", ":/Styles/default.css"}) {
            QFile file(QString::fromLatin1(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            sheets += file.readAll();
        }
        QCOMPARE(StartupSettings::styleSheet(), QString::fromUtf8(sheets));
    }

    void identityAndDataFolder()
    {
        QCOMPARE(QCoreApplication::organizationName() + '/' + QCoreApplication::applicationName(),
                 QStringLiteral("Orvask GmbH/Torvana"));
        QCOMPARE(StartupSettings::dataFolder(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Torvana"));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestStartupSettings)
#include "tst_startupsettings.moc"
