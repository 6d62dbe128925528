#include "ErrorTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

// Resource names and translations are restated here: they are the program's
// interface to its forms and to the catalogue files, and a renamed or missing
// file must show up as a failing test, not as a blank button.

namespace {

const QStringList imageNames = {
    "led_indicator_grey", "led_indicator_green", "system-log-out", "office-chart-line-stacked",
    "media-skip-backward", "help-about", "update", "task-complete", "system-software-update",
    "system-search", "system-run", "system-help", "run-build-configure", "qelectrotech",
    "media-playback-stop", "media-playback-start", "kbackgammon_engine", "help-browser-torvana",
    "help-browser-inverter", "go-up", "go-right", "go-left", "go-down", "go-up_hover", "go-right_hover",
    "go-left_hover", "go-down_hover", "german_small", "english_small", "edit-undo", "drop-down",
    "document-save", "document-open", "checkmark", "application-exit", "activate_save",
    "Halvex_Logo_quad", "Halvex_Logo", "CW_CCW_eng", "CW_CCW_deu",
};

const QStringList pageButtons = {
    "startButton", "driveDataButton", "inputOutputButton", "diagnosticsButton", "spindleRunButton",
    "flashUpdateButton",
};

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// common.css followed by default.css, as the application applies them.
QString applicationSheet()
{
    return QString::fromUtf8(readResource(":/Styles/common.css") + readResource(":/Styles/default.css"));
}

QStringList styleSheetWarnings;

void collectStyleSheetWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("style sheet"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive))
        styleSheetWarnings.append(message);
}

} // namespace

class TestAppResources : public QObject
{
    Q_OBJECT

private slots:
    void images_data();
    void images();
    void styleSheets_data();
    void styleSheets();
    void commonSheetNamesThePageButtons();
    void styleSheetsParse_data();
    void styleSheetsParse();
    void appliedLook();
    void catalogues_data();
    void catalogues();
    void englishCatalogue_data();
    void englishCatalogue();
    void germanCatalogueKeepsSourceTexts();
    void qtGermanCatalogue();
    void qtCatalogueByLocaleName_data();
    void qtCatalogueByLocaleName();
    void errorTableFullyTranslated();
    void noUnfinishedEnglishEntries();
};

void TestAppResources::images_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : imageNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestAppResources::images()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/Images/%1.png").arg(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QVERIFY(image.width() >= 8 && image.height() >= 8);
}

void TestAppResources::styleSheets_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("common") << ":/Styles/common.css";
    QTest::newRow("default") << ":/Styles/default.css";
    QTest::newRow("android") << ":/Styles/android.css";
}

void TestAppResources::styleSheets()
{
    QFETCH(QString, path);
    const QByteArray bytes = readResource(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path));
    QVERIFY2(!bytes.contains('\0'), "the sheet is decoded up to the first zero byte");

    // Every image the sheet refers to must be in the resources.
    const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
    auto it = url.globalMatch(QString::fromUtf8(bytes));
    while (it.hasNext()) {
        const QString target = it.next().captured(1);
        QVERIFY2(target.startsWith(QLatin1String(":/Images/")), qPrintable(target));
        QVERIFY2(QFile::exists(target), qPrintable(target));
    }
}

void TestAppResources::commonSheetNamesThePageButtons()
{
    const QString common = QString::fromUtf8(readResource(":/Styles/common.css"));
    for (const QString &name : pageButtons + QStringList{"startDriveButton", "startSpindleButton",
                                                         "stopDriveButton", "stopSpindleButton", "resetButton"})
        QVERIFY2(common.contains(QLatin1Char('#') + name), qPrintable(name));

    const QString scrollBars = QString::fromUtf8(readResource(":/Styles/default.css"));
    QVERIFY(scrollBars.contains(QLatin1String("QScrollBar:vertical")));
    for (const char *arrow : {"go-up", "go-down", "go-left", "go-right"}) {
        QVERIFY2(scrollBars.contains(QStringLiteral(":/Images/%1.png").arg(arrow)), qPrintable(arrow));
        QVERIFY2(scrollBars.contains(QStringLiteral(":/Images/%1_hover.png").arg(arrow)), qPrintable(arrow));
    }
}

void TestAppResources::styleSheetsParse_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("application") << applicationSheet();
    QTest::newRow("touch") << applicationSheet() + QString::fromUtf8(readResource(":/Styles/android.css"));
}

void TestAppResources::styleSheetsParse()
{
    QFETCH(QString, sheet);
    styleSheetWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectStyleSheetWarnings);
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });

    QWidget window;
    window.setStyleSheet(sheet);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QGroupBox(QStringLiteral("Betriebswerte")));
    layout->addWidget(new QPushButton(QStringLiteral("Start")));
    layout->addWidget(new QCheckBox(QStringLiteral("Invertieren")));
    window.ensurePolished();
    for (QWidget *child : window.findChildren<QWidget *>())
        child->ensurePolished();

    QVERIFY2(styleSheetWarnings.isEmpty(), qPrintable(styleSheetWarnings.join('\n')));
}

void TestAppResources::appliedLook()
{
    QWidget window;
    window.setStyleSheet(applicationSheet());
    window.resize(400, 300);
    auto *layout = new QVBoxLayout(&window);
    auto *group = new QGroupBox(QStringLiteral("Betriebswerte"));
    group->setLayout(new QVBoxLayout);
    group->layout()->addWidget(new QCheckBox(QStringLiteral("Invertieren")));
    auto *start = new QPushButton(QStringLiteral("Start"));
    start->setObjectName(QStringLiteral("startDriveButton"));
    auto *stop = new QPushButton(QStringLiteral("Stopp"));
    stop->setObjectName(QStringLiteral("stopDriveButton"));
    layout->addWidget(group);
    layout->addWidget(start);
    layout->addWidget(stop);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // A point inside the button's frame, away from its centred text.
    auto inside = [](QWidget *w) { return w->grab().toImage().pixelColor(4, w->height() / 2); };
    QCOMPARE(inside(start), QColor(0x22, 0x8B, 0x22));
    QCOMPARE(inside(stop), QColor(0xF2, 0x22, 0x22));

    // The title bar reaches the right end of the group box, not just past its text.
    const QImage box = group->grab().toImage();
    QCOMPARE(box.pixelColor(box.width() - 3, 6), QColor(0x00, 0x67, 0x5d));
    QCOMPARE(box.pixelColor(2, 6), QColor(0x00, 0x67, 0x5d));
}

void TestAppResources::catalogues_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mayBeEmpty");
    QTest::newRow("English") << ":/Translations/English.qm" << false;
    QTest::newRow("German") << ":/Translations/German.qm" << false;
    QTest::newRow("Qt German") << ":/Translations/qtbase_de.qm" << false;
    QTest::newRow("Qt English") << ":/Translations/qtbase_en.qm" << true;
}

void TestAppResources::catalogues()
{
    QFETCH(QString, path);
    QFETCH(bool, mayBeEmpty);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path));
    if (!mayBeEmpty)
        QVERIFY(!translator.isEmpty());
}

void TestAppResources::englishCatalogue_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");

    QTest::newRow("enumeration") << "DatasetController" << "Motorstopp" << "Motor stop";
    QTest::newRow("off") << "DatasetController" << "Aus" << "Off";
    QTest::newRow("speed unit") << "DatasetController" << "in min-1" << "in rpm";
    QTest::newRow("caption") << "DatasetController" << "Drehzahlistwert: " << "Actual speed: ";
    QTest::newRow("error title") << "DiagnosticsWidgetHalvex" << "I²t Abschaltung" << "I²t shutdown";
    QTest::newRow("warning title") << "DiagnosticsWidgetHalvex" << "Begrenzung Drehzahlsollwert aktiv"
                                   << "Set speed limitation active";
}

void TestAppResources::englishCatalogue()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/English.qm")));
    QCOMPARE(translator.translate(qPrintable(context), source.toUtf8().constData()), english);

    // Installed, as the program does it, the texts reach the code that shows them.
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto remove = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    QCOMPARE(QCoreApplication::translate(qPrintable(context), source.toUtf8().constData()), english);
}

void TestAppResources::germanCatalogueKeepsSourceTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/German.qm")));
    QCOMPARE(translator.translate("DatasetController", "Motorstopp"), QStringLiteral("Motorstopp"));
    QCOMPARE(translator.translate("DiagnosticsWidgetHalvex", "I²t Abschaltung"), QStringLiteral("I²t Abschaltung"));
}

void TestAppResources::qtGermanCatalogue()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/qtbase_de.qm")));
    QCOMPARE(translator.translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestAppResources::qtCatalogueByLocaleName_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("de_DE") << ":/Translations/qtbase_de_DE.qm";
    QTest::newRow("en_US") << ":/Translations/qtbase_en_US.qm";
}

void TestAppResources::qtCatalogueByLocaleName()
{
    // Start-up names Qt's catalogue by the full locale name; the translator falls back
    // from "qtbase_de_DE" to the file "qtbase_de.qm".
    QFETCH(QString, path);
    QTranslator translator;
    QVERIFY2(translator.load(path), qPrintable(path));
}

void TestAppResources::errorTableFullyTranslated()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Translations/English.qm")));
    const ErrorTable table;
    int entries = 0;
    for (int code = 0; code < ErrorTable::Size; ++code) {
        const ErrorDescription *entry = table.entry(code);
        if (!entry)
            continue;
        ++entries;
        for (const QString &text : {entry->title, entry->description, entry->cause, entry->remedy}) {
            if (text.isEmpty())
                continue;
            const QString english = translator.translate(ErrorDescription::TranslationContext, text.toUtf8().constData());
            QVERIFY2(!english.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(code).arg(text)));
            QVERIFY2(english != text, qPrintable(QStringLiteral("%1: %2").arg(code).arg(text)));
        }
    }
    QCOMPARE(entries, 28);
}

void TestAppResources::noUnfinishedEnglishEntries()
{
    QFile ts(QStringLiteral(TORVANA_TRANSLATIONS_DIR "/English.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QByteArray content = ts.readAll();
    QVERIFY(content.contains("language=\"en\""));
    QVERIFY2(!content.contains("type=\"unfinished\""),
             "run tools/update-translations.sh and translate every new text");
}

QTEST_MAIN(TestAppResources)
#include "tst_appresources.moc"
