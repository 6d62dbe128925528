// What happened, when, against the simulator: a recording holds one row per
// poll with the model's values; an error raised in the inverter reaches the
// event log, the diagnostics page (active, with its time) and a snapshot file
// with the minute before and the seconds after; the service report is a PDF
// with the serial number, every parameter's caption and the fault; pulling the
// cable greys the operating values at once without moving the page.
#include "DiagnosticsWidgetHalvex.h"
#include "FileChooser.h"
#include "MainWindow.h"
#include "ParameterTexts.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#ifndef TORVANA_SIMULATOR
#error "TORVANA_SIMULATOR must name the simulator program"
#endif

namespace {

// Restated: InverterFlags' error bit, the poll period, the snapshot's span.
constexpr int ErrorBit = 0x0004;
constexpr qint64 PollMs = 500;
constexpr qint64 SnapshotBeforeMs = 60000;
constexpr qint64 SnapshotAfterMs = 10000;
// Room for a loaded machine; not a property of the program.
constexpr int AllowanceMs = 1000;
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

class ScriptedChooser : public FileChooser
{
public:
    QString saveAs;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return saveAs; }
};

struct Table
{
    QStringList header;
    QVector<QStringList> rows;
    int column(const QString &name) const { return header.indexOf(name); }
    QDateTime time(int row) const { return QDateTime::fromString(rows.at(row).value(0), TimeFormat); }
};

Table readCsv(const QString &fileName)
{
    Table table;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    table.header = lines.value(0).split(',');
    for (int i = 1; i < lines.size(); ++i)
        table.rows << lines.at(i).split(',');
    return table;
}

QString simplified(const QString &text)
{
    return QString(text).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

} // namespace

class TestRecordsSimulator : public QObject
{
    Q_OBJECT

    QTranslator m_applicationTranslator, m_qtTranslator;

    static QAction *menuAction(MainWindow &window, const QString &text)
    {
        for (QAction *action : window.findChild<QToolButton *>(QStringLiteral("recordsButton"))->menu()->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    // The read-only fields of operating values on every page.
    static QList<QDoubleSpinBox *> operatingFields(MainWindow &window)
    {
        QList<QDoubleSpinBox *> fields;
        for (QDoubleSpinBox *box : window.findChildren<QDoubleSpinBox *>()) {
            const ParameterDescriptor *d =
                window.datasetController().descriptor(uint16_t(box->accessibleDescription().toUInt()));
            if (box->isReadOnly() && d && d->isOperatingValue())
                fields << box;
        }
        return fields;
    }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
    }

    void recordingErrorAndReport()
    {
        SimulatorProcess simulator;
        QVERIFY(simulator.start(QStringLiteral(TORVANA_SIMULATOR), {"--serial", "4711", "--set", "25=1234"}));
        RecordingPresenter presenter;
        ScriptedChooser chooser;
        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&presenter);
        window.setFileChooser(&chooser);
        window.show();
        DatasetController &dataset = window.datasetController();
        RecordKeeper &records = window.records();
        QTRY_VERIFY_WITH_TIMEOUT(dataset.operatingValuesCurrent(), 10000);

        // A recording: one row per poll, with the values the model had then.
        QVector<QPair<uint16_t, uint16_t>> polled; // DC link voltage, inverter hours
        connect(&dataset, &DatasetController::cyclicValuesReceived, this, [&] {
            if (records.recording().isRunning())
                polled.append({dataset.rawValue(16), dataset.rawValue(25)});
        });
        menuAction(window, QStringLiteral("Aufzeichnung starten"))->trigger();
        QVERIFY(records.recording().isRunning());
        const QString recording = records.recording().fileName();
        QVERIFY2(QFileInfo(recording).fileName().startsWith(QStringLiteral("4711 ")), qPrintable(recording));
        QTRY_VERIFY_WITH_TIMEOUT(polled.size() >= 6, 10000);
        menuAction(window, QStringLiteral("Aufzeichnung stoppen"))->trigger();
        QVERIFY(!records.recording().isRunning());
        records.flushFiles();
        const Table recorded = readCsv(recording);
        QCOMPARE(recorded.header.value(0), QStringLiteral("Zeit"));
        QCOMPARE(recorded.rows.size(), polled.size());
        const int dcLink = recorded.column(QStringLiteral("ZK-Spannung (Motor) [V-]"));
        const int hours = recorded.column(QStringLiteral("Betriebsstunden Umrichter [h]"));
        QVERIFY(dcLink > 0 && hours > 0);
        for (int i = 0; i < polled.size(); ++i) {
            QCOMPARE(recorded.rows.at(i).size(), recorded.header.size());
            QCOMPARE(recorded.rows.at(i).at(dcLink), QString::number(polled.at(i).first / 10.0, 'f', 1));
            QCOMPARE(recorded.rows.at(i).at(hours), QStringLiteral("1234"));
            if (i > 0)
                QVERIFY(recorded.time(i) > recorded.time(i - 1));
        }

        // An error in the inverter.
        window.findChild<QToolButton *>(QStringLiteral("diagnosticsButton"))->click();
        auto *page = window.findChild<DiagnosticsWidgetHalvex *>();
        const QDateTime raised = QDateTime::currentDateTime();
        QVERIFY(!simulator.command(QStringLiteral("error 7"), QRegularExpression(QStringLiteral("^error 7 raised")))
                     .isEmpty());
        auto *code = page->findChild<QLineEdit *>(QStringLiteral("error1LineEdit"));
        auto *seen = page->findChild<QLabel *>(QStringLiteral("error1TimeLabel"));
        QTRY_COMPARE_WITH_TIMEOUT(code->text(), QStringLiteral("7"), 5000);
        QTRY_COMPARE(code->property("activeFault").toString(), QStringLiteral("error"));
        QVERIFY2(seen->text().startsWith(QStringLiteral("aktiv – ")), qPrintable(seen->text()));
        const QTime seenAt = QTime::fromString(seen->text().mid(8), QStringLiteral("HH:mm:ss"));
        QVERIFY2(seenAt.isValid() && seenAt >= raised.time().addMSecs(-raised.time().msec())
                     && seenAt <= QTime::currentTime(),
                 qPrintable(seen->text()));
        QVERIFY(page->findChild<QLineEdit *>(QStringLiteral("error2LineEdit"))->property("activeFault").toString().isEmpty());

        const auto logged = [&](const QString &text) {
            for (int i = 0; i < records.eventLog().size(); ++i)
                if (records.eventLog().entry(i).text.contains(text))
                    return true;
            return false;
        };
        QVERIFY(logged(QStringLiteral("Fehler 7 - I²t Abschaltung")));

        // The snapshot follows ten seconds later.
        const QString snapshots = records.snapshotFolder();
        QTRY_VERIFY_WITH_TIMEOUT(logged(QStringLiteral("Fehlerschnappschuss gespeichert")),
                                 int(SnapshotAfterMs + PollMs + AllowanceMs) + 2000);
        records.flushFiles();
        const QStringList names = QDir(snapshots).entryList({QStringLiteral("4711 *E7.csv")}, QDir::Files);
        QCOMPARE(names.size(), 1);
        const QDateTime named = QDateTime::fromString(names.first().mid(5, 19), QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        QVERIFY2(named.isValid() && qAbs(named.secsTo(raised)) <= 2, qPrintable(names.first()));
        const Table snapshot = readCsv(QDir(snapshots).filePath(names.first()));
        const int first = snapshot.column(QStringLiteral("1. Störung"));
        const int flags = snapshot.column(QStringLiteral("Umrichterstatus"));
        QVERIFY(first > 0 && flags > 0 && snapshot.rows.size() > 20);
        // The row of the error: rows before it without, all after it with the error.
        int errorRow = -1;
        for (int i = 0; i < snapshot.rows.size(); ++i) {
            const bool active = snapshot.rows.at(i).at(flags).toInt() & ErrorBit;
            if (errorRow < 0 && active)
                errorRow = i;
            QCOMPARE(active, errorRow >= 0);
            QCOMPARE(snapshot.rows.at(i).at(first) == QLatin1String("7"), errorRow >= 0);
            if (i > 0) {
                const qint64 step = snapshot.time(i - 1).msecsTo(snapshot.time(i));
                QVERIFY2(step > PollMs / 2 && step < PollMs * 2, qPrintable(QString::number(step)));
            }
        }
        QVERIFY(errorRow > 0);
        const QDateTime errorTime = snapshot.time(errorRow);
        QVERIFY(snapshot.time(0) >= errorTime.addMSecs(-SnapshotBeforeMs));
        const qint64 after = errorTime.msecsTo(snapshot.time(snapshot.rows.size() - 1));
        QVERIFY2(after >= SnapshotAfterMs && after < SnapshotAfterMs + 2 * PollMs, qPrintable(QString::number(after)));

        // The service report.
        QTemporaryDir folder;
        chooser.saveAs = folder.filePath(QStringLiteral("bericht.pdf"));
        menuAction(window, QStringLiteral("Servicebericht erstellen…"))->trigger();
        QFile pdf(chooser.saveAs);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(presenter.texts().last().startsWith(QStringLiteral("Der Servicebericht wurde gespeichert")));
        if (QLatin1String(TORVANA_PDFTOTEXT).isEmpty() || QLatin1String(TORVANA_PDFTOTEXT).endsWith(QLatin1String("NOTFOUND")))
            QSKIP("pdftotext (Debian: poppler-utils) is missing; tools/setup.sh installs it");
        QProcess pdftotext;
        pdftotext.start(QStringLiteral(TORVANA_PDFTOTEXT), {chooser.saveAs, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(20000) && pdftotext.exitCode() == 0);
        const QString text = simplified(QString::fromUtf8(pdftotext.readAllStandardOutput()));
        QVERIFY(text.contains(QStringLiteral("Seriennummer 4711")));
        QVERIFY(text.contains(QStringLiteral("Fehler 7 - I²t Abschaltung")));
        QVERIFY(text.contains(QStringLiteral("I²t-Auslastung zu hoch, daher Motor abgeschaltet.")));
        for (uint16_t id : dataset.catalogue().ids())
            QVERIFY2(text.contains(simplified(ParameterTexts::caption(id))), qPrintable(ParameterTexts::caption(id)));
    }

    void unplugGreysOperatingValues()
    {
        QTemporaryDir folder;
        const QString link = folder.filePath(QStringLiteral("inverter"));
        SimulatorProcess simulator;
        QVERIFY(simulator.start(QStringLiteral(TORVANA_SIMULATOR), {"--link", link}));
        qputenv("TORVANA_SERIAL_PORTS", link.toLocal8Bit());
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        DatasetController &dataset = window.datasetController();
        const QList<QDoubleSpinBox *> fields = operatingFields(window);
        QVERIFY(fields.size() >= 3 + 15);
        const auto greyed = [&] {
            return std::all_of(fields.cbegin(), fields.cend(),
                               [](const QDoubleSpinBox *box) { return !box->isEnabled() && box->text() == "–"; });
        };
        const auto live = [&] {
            return std::none_of(fields.cbegin(), fields.cend(),
                                [](const QDoubleSpinBox *box) { return !box->isEnabled() || box->text() == "–"; });
        };
        QVERIFY(greyed()); // nothing current before the first connection
        QTRY_VERIFY_WITH_TIMEOUT(dataset.operatingValuesCurrent(), 10000);
        QTRY_VERIFY(live());
        auto *scrollArea = window.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
        const QRect pageArea(scrollArea->mapTo(&window, QPoint()), scrollArea->size());

        QElapsedTimer sinceUnplug;
        qint64 lostAt = -1;
        connect(&window.communicationController(), &CommunicationController::disconnectedFromDevice, this,
                [&] { lostAt = sinceUnplug.elapsed(); });
        sinceUnplug.start();
        QVERIFY(!simulator.command(QStringLiteral("unplug 2"), QRegularExpression(QStringLiteral("^unplugged")))
                     .isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(greyed(), 3000);
        const qint64 greyedAt = sinceUnplug.elapsed();
        QVERIFY(lostAt >= 0);
        qInfo("cable off -> connection lost %lld ms, greyed %lld ms", lostAt, greyedAt);
        // One poll writes into the closed terminal, which ends the connection.
        QVERIFY2(greyedAt <= 1000 + AllowanceMs, qPrintable(QString::number(greyedAt)));
        QVERIFY2(greyedAt - lostAt <= 1000, qPrintable(QString::number(greyedAt - lostAt)));
        auto *page = window.findChild<DiagnosticsWidgetHalvex *>();
        QVERIFY(!page->findChild<QLineEdit *>(QStringLiteral("error1LineEdit"))->isEnabled());
        // The state line is gone; the page stays where it was.
        QTRY_VERIFY(!window.findChild<QLabel *>(QStringLiteral("errorStateLabel"))->isVisible());
        QCOMPARE(QRect(scrollArea->mapTo(&window, QPoint()), scrollArea->size()), pageArea);

        // Plugged in again, the values are live again.
        QTRY_VERIFY_WITH_TIMEOUT(dataset.operatingValuesCurrent(), 15000);
        QTRY_VERIFY(live());
        QCOMPARE(QRect(scrollArea->mapTo(&window, QPoint()), scrollArea->size()), pageArea);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestRecordsSimulator)
#include "tst_records_sim.moc"
