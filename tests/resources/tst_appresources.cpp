#include "ErrorTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

// Resource names and translations are restated: a renamed or missing file must
// show up as a failing test, not as a blank button.

namespace {

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString applicationSheet()
{
    return QString::fromUtf8(resource(":/Styles/common.css") + resource(":/Styles/default.css"));
}

QStringList styleSheetWarnings;

} // namespace

class TestAppResources : public QObject
{
    Q_OBJECT

private slots:
    void images()
    {
        const QStringList names = QStringLiteral(
            "led_indicator_grey led_indicator_green system-log-out office-chart-line-stacked media-skip-backward "
            "help-about update task-complete system-software-update system-search system-run system-help "
            "run-build-configure qelectrotech media-playback-stop media-playback-start kbackgammon_engine "
            "help-browser-torvana help-browser-inverter go-up go-right go-left go-down go-up_hover go-right_hover "
            "go-left_hover go-down_hover german_small english_small edit-undo drop-down document-save document-open "
            "checkmark application-exit activate_save Halvex_Logo_quad Halvex_Logo CW_CCW_eng CW_CCW_deu").split(' ');
        for (const QString &name : names)
            QVERIFY2(QImage(QStringLiteral(":/Images/%1.png").arg(name)).width() >= 8, qPrintable(name));
    }

    void styleSheets()
    {
        for (const char *path : {":/Styles/common.css", ":/Styles/default.css", ":/Styles/android.css"}) {
            const QByteArray bytes = resource(path);
            QVERIFY2(!bytes.isEmpty() && !bytes.contains('\0'), path); // decoded up to the first zero byte
            auto it = QRegularExpression(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)")).globalMatch(QString::fromUtf8(bytes));
            while (it.hasNext()) {
                const QString target = it.next().captured(1);
                QVERIFY2(target.startsWith(QLatin1String(":/Images/")) && QFile::exists(target), qPrintable(target));
            }
        }
        const QString common = QString::fromUtf8(resource(":/Styles/common.css"));
        for (const char *name : {"startButton", "driveDataButton", "inputOutputButton", "diagnosticsButton",
                                 "spindleRunButton", "flashUpdateButton", "startDriveButton", "startSpindleButton",
                                 "stopDriveButton", "stopSpindleButton", "resetButton"})
            QVERIFY2(common.contains(QLatin1Char('#') + QLatin1String(name)), name);
        const QString scrollBars = QString::fromUtf8(resource(":/Styles/default.css"));
        QVERIFY(scrollBars.contains(QLatin1String("QScrollBar:vertical")));
        for (const char *arrow : {"go-up", "go-down", "go-left", "go-right"})
            QVERIFY2(scrollBars.contains(QStringLiteral(":/Images/%1_hover.png").arg(arrow)), arrow);
    }

    // The sheets parse without warnings, and the application sheet gives the buttons and group titles their look.
    void appliedLook_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("application") << applicationSheet();
        QTest::newRow("touch") << applicationSheet() + QString::fromUtf8(resource(":/Styles/android.css"));
    }

    void appliedLook()
    {
        QFETCH(QString, sheet);
        styleSheetWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
            if (m.contains(QLatin1String("style sheet"), Qt::CaseInsensitive)
                || m.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive))
                styleSheetWarnings.append(m);
        });
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        QWidget window;
        window.setStyleSheet(sheet);
        window.resize(400, 300);
        auto *layout = new QVBoxLayout(&window);
        auto *group = new QGroupBox(QStringLiteral("Betriebswerte"));
        group->setLayout(new QVBoxLayout);
        group->layout()->addWidget(new QCheckBox(QStringLiteral("Invertieren")));
        layout->addWidget(group);
        for (const char *name : {"startDriveButton", "stopDriveButton"}) {
            layout->addWidget(new QPushButton(QStringLiteral("Start")));
            layout->itemAt(layout->count() - 1)->widget()->setObjectName(QLatin1String(name));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(styleSheetWarnings.isEmpty(), qPrintable(styleSheetWarnings.join('\n')));
        if (QByteArray(QTest::currentDataTag()) != "application")
            return;
        // A point inside the button's frame, away from its centred text.
        const auto inside = [&](const char *name) {
            auto *w = window.findChild<QWidget *>(QLatin1String(name));
            return w->grab().toImage().pixelColor(4, w->height() / 2);
        };
        QCOMPARE(inside("startDriveButton"), QColor(0x22, 0x8B, 0x22));
        QCOMPARE(inside("stopDriveButton"), QColor(0xF2, 0x22, 0x22));
        // The title bar reaches both ends of the group box, not just its text.
        const QImage box = group->grab().toImage();
        QVERIFY(box.pixelColor(box.width() - 3, 6) == QColor(0x00, 0x67, 0x5d) && box.pixelColor(2, 6) == QColor(0x00, 0x67, 0x5d));
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation"); // empty: the catalogue may be empty
        QTest::newRow("English enumeration") << "English" << "DatasetController" << "Motorstopp" << "Motor stop";
        QTest::newRow("English unit") << "English" << "DatasetController" << "in min-1" << "in rpm";
        QTest::newRow("English warning") << "English" << "DiagnosticsWidgetHalvex" << "Begrenzung Drehzahlsollwert aktiv"
                                         << "Set speed limitation active";
        QTest::newRow("German keeps the source") << "German" << "DiagnosticsWidgetHalvex" << "I²t Abschaltung"
                                                 << "I²t Abschaltung";
        QTest::newRow("Qt German") << "qtbase_de" << "QPlatformTheme" << "Cancel" << "Abbrechen";
        // Start-up names Qt's catalogue by the full locale name; loading falls back to "qtbase_de.qm".
        QTest::newRow("Qt de_DE") << "qtbase_de_DE" << "QPlatformTheme" << "Cancel" << "Abbrechen";
        QTest::newRow("Qt en_US") << "qtbase_en_US" << "QPlatformTheme" << "Cancel" << "";
    }

    void catalogues()
    {
        QFETCH(QString, path);
        QFETCH(QString, translation);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/Translations/%1.qm").arg(path)));
        if (translation.isEmpty())
            return;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto remove = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        QFETCH(QString, context);
        QFETCH(QString, source);
        QCOMPARE(QCoreApplication::translate(qPrintable(context), source.toUtf8().constData()), translation);
    }

    void errorTableFullyTranslated()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/Translations/English.qm")));
        const ErrorTable table;
        int entries = 0;
        for (int code = 0; code < ErrorTable::Size; ++code) {
            const ErrorDescription *entry = table.entry(code);
            entries += entry != nullptr;
            for (const QString &text : entry ? QStringList{entry->title, entry->description, entry->cause, entry->remedy}
                                             : QStringList()) {
                const QString english = translator.translate(ErrorDescription::TranslationContext, text.toUtf8().constData());
                QVERIFY2(text.isEmpty() || (!english.isEmpty() && english != text), qPrintable(text));
            }
        }
        QCOMPARE(entries, 28);
    }

    void noUnfinishedEnglishEntries()
    {
        QFile ts(QStringLiteral(TORVANA_TRANSLATIONS_DIR "/English.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray content = ts.readAll();
        QVERIFY(content.contains("language=\"en\""));
        QVERIFY2(!content.contains("type=\"unfinished\""), "run tools/update-translations.sh and translate every new text");
    }
};

QTEST_MAIN(TestAppResources)
#include "tst_appresources.moc"
