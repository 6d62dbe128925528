// The run-in page against a scripted inverter, and the reader of run-in program files.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"
#include "RecordingPresenter.h"
#include "RunInProgram.h"
#include "SpindleRunWidget.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

// Frame types, parameter numbers and bits restated from the protocol and the parameter list.
namespace {
constexpr uint8_t ErrorReset = 1, SetParameter = 8;
constexpr uint16_t InverterFlags = 27, AccelerationRamp = 46, ErrorBit = 0x0004, MotorRunsBit = 0x0008;
// Start and stop commands as "P<number>=<value>" in the order sent.
const QStringList Stop{"P2=0", "P1=0"};
QStringList start(int frequency) { return {QString("P1=%1").arg(frequency), "P2=1"}; }
const QString Configuring = "Beim Konfigurieren des Umrichters für den Spindeleinlauf ist ";

enum Fault { Refusal, Silent, ResetRefused, ResetUnanswered, StaleState, MissingFile, InverterError, LostLink,
             UserStop };
} // namespace

class TestSpindleRunWidget : public QObject
{
    Q_OBJECT

    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_dataset = nullptr;
    SpindleRunWidget *m_page = nullptr;
    RecordingPresenter m_presenter;

    template <class T = QWidget>
    T *widget(const char *name) const { return m_page->findChild<T *>(QLatin1String(name)); }

    [[nodiscard]] bool connectInverter()
    {
        QSignalSpy connected(m_comm, &CommunicationController::connectedToDevice);
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        return connected.wait(5000);
    }

    void setFlags(uint16_t flags)
    {
        m_inverter->values[InverterFlags] = flags;
        QTRY_COMPARE(m_dataset->rawValue(InverterFlags), flags);
    }
    QStringList items(const char *box) const
    {
        QStringList texts;
        for (int i = 0; i < widget<QComboBox>(box)->count(); ++i)
            texts << widget<QComboBox>(box)->itemText(i);
        return texts;
    }
    void choose(const char *box, const QString &text)
    {
        widget<QComboBox>(box)->setCurrentText(text);
        QCoreApplication::processEvents();
    }

    // 0306 DCM at 100000 min-1 has a maximum frequency of 1666 Hz.
    void chooseSpindleAndProgram(int program = 1)
    {
        choose("familyComboBox", "0306");
        choose("speedComboBox", "100000 min-1");
        widget<QComboBox>("programComboBox")->setCurrentIndex(program);
        QCoreApplication::processEvents();
    }

    // Single-pair writes of the set-point (1) or StartStop (2).
    QStringList commands() const
    {
        QStringList sent;
        for (const auto &frame : m_inverter->received)
            if (frame.type == SetParameter && frame.pairs.size() == 1 && frame.pairs[0].first <= 2)
                sent << QString("P%1=%2").arg(frame.pairs[0].first).arg(frame.pairs[0].second);
        return sent;
    }

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
        m_page = new SpindleRunWidget(m_dataset, m_comm);
        m_presenter.boxes.clear();
        m_presenter.answer = true;
        m_page->setMessagePresenter(&m_presenter);
        m_page->show();
    }

    void cleanup()
    {
        delete m_page, delete m_dataset, delete m_comm, delete m_inverter, m_inverter = nullptr;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void programFile_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("steps"); // seconds/percent
        QTest::addColumn<uint>("total");
        const QString step1 = "[general]\ncompany=Halvex\n[step1]\ninterval=60\nfrequency_percentage=25\n";
        const QString step3 = "[step3]\ninterval=20\nfrequency_percentage=50\n";
        QTest::newRow("complete") << step1 + "[step2]\ninterval=30\nfrequency_percentage=0\n" << "60/25 30/0" << 90u;
        QTest::newRow("step2 lacks interval") << step1 + "[step2]\nfrequency_percentage=40\n" + step3
                                              << "60/25 20/50" << 80u;
        QTest::newRow("no step2") << step1 + step3 << "60/25" << 60u;
        QTest::newRow("no file") << QString() << "" << 0u;
    }

    void programFile()
    {
        QFETCH(QString, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("program.run"));
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) > 0));
        file.close();
        const RunInProgram program = RunInProgram::fromFile(file.fileName());
        QStringList steps;
        for (const auto &step : program.steps())
            steps << QString("%1/%2").arg(step.first).arg(step.second);
        QTEST(steps.join(' '), "steps");
        QTEST(uint(program.totalSeconds()), "total");
    }

    void spindleChoices()
    {
        QCOMPARE(items("familyComboBox").mid(0, 3), (QStringList{"Spindelfamilie wählen...", "0215", "0306"}));
        QCOMPARE(items("programComboBox"),
                 (QStringList{"Einlaufprogramm wählen...", "Erstinbetriebnahme", "Stillstandszeit > 3 Monate"}));
        QVERIFY(!widget("typeComboBox")->isEnabled() && !widget("speedComboBox")->isEnabled());

        // A single type is chosen at once; speeds ascend behind their placeholder, which goes on a choice.
        choose("familyComboBox", "0306");
        QCOMPARE(items("typeComboBox"), QStringList{"DCM"});
        QCOMPARE(items("speedComboBox"),
                 (QStringList{"Maximaldrehzahl wählen...", "60000 min-1", "80000 min-1", "100000 min-1"}));
        choose("speedComboBox", "80000 min-1");
        QCOMPARE(items("speedComboBox").first(), QString("60000 min-1"));
        QVERIFY(widget<QComboBox>("speedComboBox")->currentData().toString().endsWith("0306 DCM - 80000 rpm.mtr"));
        QCOMPARE(items("familyComboBox").first(), QString("0215"));

        choose("familyComboBox", "0412");
        QCOMPARE(items("typeComboBox"), (QStringList{"Spindeltyp wählen...", "DCE", "DCE-S"}));
        QVERIFY(items("speedComboBox").isEmpty() && !widget("speedComboBox")->isEnabled());
    }

    void startRule_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all set") << true << 1 << true << 0 << true;
        QTest::newRow("not connected") << false << 1 << true << 0 << false;
        QTest::newRow("no program") << true << 0 << true << 0 << false;
        QTest::newRow("no speed") << true << 2 << false << 0 << false;
        QTest::newRow("motor runs") << true << 2 << true << int(MotorRunsBit) << false;
        QTest::newRow("error active") << true << 2 << true << int(ErrorBit) << true;
    }

    void startRule()
    {
        QFETCH(bool, connected);
        QFETCH(int, program);
        QFETCH(bool, speed);
        QFETCH(int, flags);
        QFETCH(bool, enabled);
        if (connected) {
            QVERIFY(connectInverter());
            setFlags(uint16_t(flags));
        }
        choose("familyComboBox", "0306");
        if (speed)
            choose("speedComboBox", "60000 min-1");
        widget<QComboBox>("programComboBox")->setCurrentIndex(program);
        QTRY_COMPARE(widget("startSpindleButton")->isEnabled(), enabled);
    }

    void startDialogs_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("minutes");
        QTest::newRow("initial operation") << 1 << true << 11;
        QTest::newRow("downtime > 3 months") << 2 << true << 32;
        QTest::newRow("cancelled") << 1 << false << 0;
    }

    void startDialogs()
    {
        QFETCH(int, program);
        QFETCH(bool, answer);
        QFETCH(int, minutes);
        QVERIFY(connectInverter());
        chooseSpindleAndProgram(program);
        QSignalSpy started(m_page, &SpindleRunWidget::spindleRunStarted);
        m_presenter.answer = answer;
        QTest::mouseClick(widget("startSpindleButton"), Qt::LeftButton);
        QTRY_VERIFY(!m_presenter.boxes.isEmpty());
        const auto &confirm = m_presenter.boxes.first();
        QCOMPARE(confirm.kind + '|' + confirm.title, "confirm|Spindeleinlauf");
        QVERIFY(confirm.text.contains("<li> Führen Sie den Spindeleinlauf durch </li>"));
        if (!answer) {
            QVERIFY(m_presenter.boxes.size() == 1 && m_page->runState() == SpindleRunWidget::Idle);
            return;
        }
        const auto &question = m_presenter.boxes.at(1);
        QCOMPARE(question.kind + '|' + question.title, QString("question|Torvana"));
        QVERIFY2(question.text.contains(QString("<p><span> Das Spindeleinlaufprogramm für den DCM hat eine "
                                                "Gesamtlaufzeit von ca. %1 Minuten. </span></p>").arg(minutes)),
                 qPrintable(question.text));
        QVERIFY(started.wait(1000));
        QVERIFY(!widget("startSpindleButton")->isEnabled() && widget("stopSpindleButton")->isEnabled()
                && !widget("familyComboBox")->isEnabled() && !widget("programComboBox")->isEnabled());
        QVERIFY(widget<QLabel>("hintLabel")->text().contains("Achtung:"));
    }

    // 25 % of 1666 Hz is 416 Hz; a 0 % step stops the motor; without an active
    // error the acknowledgement leads straight to the first step.
    void wholeProgram()
    {
        QVERIFY(connectInverter());
        chooseSpindleAndProgram(1);
        m_page->setProgramSecondLength(2);
        QSignalSpy stopped(m_page, &SpindleRunWidget::spindleRunStopped);
        QTest::mouseClick(widget("startSpindleButton"), Qt::LeftButton);
        QVERIFY(stopped.wait(10000));
        // The inverter takes the last frames on its next turn.
        QTRY_COMPARE(commands(), start(416) + Stop + start(416) + Stop + start(666) + Stop + start(999) + Stop
                                     + start(1332) + Stop + Stop);
        QCOMPARE(m_inverter->countOf(ErrorReset), 0);
        QCOMPARE(m_presenter.boxes.last().kind + '|' + m_presenter.boxes.last().text,
                 QString("information|Der Spindeleinlauf wurde erfolgreich abgeschlossen!\n\n"));
        QVERIFY(widget("startSpindleButton")->isEnabled() && !widget("stopSpindleButton")->isEnabled());
        QVERIFY(widget<QLabel>("hintLabel")->text().isEmpty());
    }

    void errorResetLetsTheRunGoOn()
    {
        QVERIFY(connectInverter());
        setFlags(ErrorBit);
        chooseSpindleAndProgram(1);
        QTest::mouseClick(widget("startSpindleButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_inverter->countOf(ErrorReset), 1, 6000);
        m_inverter->values[InverterFlags] = 0;
        QTRY_COMPARE_WITH_TIMEOUT(widget<QLabel>("stepLabel")->text(), QString("1/9"), 6000);
        QCOMPARE(m_page->runState(), SpindleRunWidget::Running);
        QTRY_COMPARE(commands(), start(416));
    }

    void failures_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("text"); // start of the last box
        QTest::addColumn<int>("resets");
        QTest::newRow("parameter refused") << int(Refusal) << Configuring + "mindestens ein Fehler aufgetreten! Der "
                                              "Spindeleinlauf wurde abgebrochen.\nWeitere Informationen finden Sie "
                                              "unter Details." << 0;
        QTest::newRow("no acknowledgement") << int(Silent) << Configuring + "ein Fehler aufgetreten! Es konnte keine "
                                               "Bestätigung des Umrichters empfangen werden.\n\n" << 0;
        QTest::newRow("reset refused") << int(ResetRefused) << Configuring + "ein Fehler aufgetreten: Der Fehler-Reset "
                                          "konnte nicht durchgeführt werden! Der Spindeleinlauf wurde abgebrochen.\n\n"
                                       << 1;
        QTest::newRow("reset unanswered") << int(ResetUnanswered) << Configuring + "ein Fehler aufgetreten! Es konnte "
                                             "keine Bestätigung des Umrichters für den Fehler-Reset empfangen "
                                             "werden.\n\n" << 1;
        QTest::newRow("error stays") << int(StaleState) << Configuring + "ein Fehler aufgetreten! Es konnte kein "
                                        "aktueller Gerätestatus empfangen werden.\n\n" << 1;
        QTest::newRow("spindle file missing") << int(MissingFile) << "Der Parametersatz für den ausgewählten "
                                                 "Spindelmotor konnte nicht geladen werden!\n\n" << 0;
        QTest::newRow("error while running") << int(InverterError) << "Der Umrichter meldet anliegende Fehler!\n\nDer "
                                                "Spindeleinlauf wird gestoppt. Bitte prüfen Sie die Fehlermeldungen "
                                                "auf der Seite DIAGNOSE, beheben diese und starten den "
                                                "Spindeleinlauf erneut.\n\n" << 0;
        QTest::newRow("connection lost") << int(LostLink) << "Die Kommunikationsverbindung zum Umrichter wurde "
                                            "unterbrochen oder ist gestört! Der Spindeleinlauf wird abgebrochen.\n"
                                            "Bitte beheben Sie den Fehler und starten den Spindeleinlauf neu.\n\n"
                                         << 0;
        QTest::newRow("stopped by the user") << int(UserStop) << "Wollen Sie das laufende "
                                                "Spindeleinlaufprogramm wirklich abbrechen?\n\n" << 0;
    }

    // Every time-out, refusal and abort ends the run with its one box and a stop command.
    void failures()
    {
        QFETCH(int, fault);
        QFETCH(QString, text);
        QVERIFY(connectInverter());
        // A silent inverter is kept connected by operating values fed here.
        QTimer keepAlive;
        connect(&keepAlive, &QTimer::timeout, this, [this] {
            m_source->feedReceived(0, TestFrame::makePairs(7, 0, {{InverterFlags, m_inverter->values[InverterFlags]}}));
        });
        if (fault == ResetRefused || fault == ResetUnanswered || fault == StaleState)
            setFlags(ErrorBit);
        m_inverter->refusals[AccelerationRamp] = fault == Refusal ? 4 : 0;
        m_inverter->resetStatus = fault == ResetRefused ? 2 : 0;
        chooseSpindleAndProgram(1);
        if (fault == MissingFile)
            widget<QComboBox>("speedComboBox")->setItemData(widget<QComboBox>("speedComboBox")->currentIndex(),
                                                            "/nonexistent/0306 DCM - 100000 rpm.mtr");
        m_inverter->answering = fault != Silent;
        keepAlive.start(300);
        QSignalSpy stopped(m_page, &SpindleRunWidget::spindleRunStopped);
        QTest::mouseClick(widget("startSpindleButton"), Qt::LeftButton);

        if (fault == ResetUnanswered) {
            QTRY_COMPARE(widget<QProgressBar>("progressBar")->format(), QString("Fehlerreset..."));
            m_inverter->answering = false;
        } else if (fault == InverterError || fault == LostLink || fault == UserStop) {
            QTRY_COMPARE(widget<QLabel>("stepLabel")->text(), QString("1/9"));
            if (fault == InverterError)
                m_inverter->values[InverterFlags] = ErrorBit;
            else if (fault == LostLink)
                m_source->removeDevice(0);
            else
                QTest::mouseClick(widget("stopSpindleButton"), Qt::LeftButton);
        }
        QVERIFY(stopped.wait(15000));

        // A silent inverter cannot take back the settings before the run either.
        const bool silentAtEnd = fault == Silent || fault == ResetUnanswered;
        QCOMPARE(m_presenter.boxes.size(), silentAtEnd ? 4 : 3);
        if (silentAtEnd)
            QVERIFY(m_presenter.boxes.last().text.startsWith("Die Einstellungen vor dem Spindeleinlauf konnten nicht"));
        const auto &box = m_presenter.boxes.at(2);
        QCOMPARE(box.kind + '|' + box.text, (fault == UserStop ? "question|" : "critical|") + text);
        QVERIFY(fault != Refusal || box.details.contains("P46"));
        QTEST(m_inverter->countOf(ErrorReset), "resets");
        QCOMPARE(m_page->runState(), SpindleRunWidget::Idle);
        QVERIFY(!widget("stopSpindleButton")->isEnabled() && widget("programComboBox")->isEnabled());
        QCOMPARE(widget("startSpindleButton")->isEnabled(), fault != LostLink);
        if (fault != LostLink)
            QTRY_COMPARE(commands().mid(commands().size() - 2), Stop);
    }

    void connectionLossWhileIdle()
    {
        QVERIFY(connectInverter());
        chooseSpindleAndProgram(1);
        QTRY_VERIFY(widget("startSpindleButton")->isEnabled());
        QSignalSpy lost(m_comm, &CommunicationController::disconnectedFromDevice);
        m_source->removeDevice(0);
        QVERIFY(lost.wait(10000));
        QTRY_VERIFY(!widget("startSpindleButton")->isEnabled());
        QVERIFY(m_presenter.boxes.isEmpty());
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestSpindleRunWidget)
#include "tst_spindlerunwidget.moc"
