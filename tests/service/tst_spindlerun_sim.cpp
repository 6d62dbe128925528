// A whole built-in run-in program against the inverter simulator: the simulated
// motor follows every step's set-point and the window stays locked until the end.
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "SpindleRunWidget.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>

namespace {
enum : uint16_t { StartStop = 2, CurrentRatedFrequency = 10, ActualFrequency = 13, InputForStart = 140 };
// "Erstinbetriebnahme" on 0412 DCE at 40000 min-1 (666 Hz); the spindle's short
// deceleration brings the motor to rest within every shortened 0 % step.
const int setpoints[] = {166, 0, 166, 0, 266, 0, 399, 0, 532};
const char *const lockedButtons[] = {"startButton", "driveDataButton", "inputOutputButton", "flashUpdateButton",
                                     "requestSettingsPushButton", "activateSavePushButton"};
} // namespace

class TestSpindleRunSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;

    static int enabledLockedButtons(const MainWindow &window)
    {
        int enabled = 0;
        for (const char *name : lockedButtons)
            enabled += window.findChild<QWidget *>(QLatin1String(name))->isEnabled();
        return enabled;
    }

    QTranslator m_applicationTranslator, m_qtTranslator;

    void chooseProgram(SpindleRunWidget *page)
    {
        const QStringList choices{"0412", "DCE", "40000 min-1", "Erstinbetriebnahme"};
        const char *const boxes[] = {"familyComboBox", "typeComboBox", "speedComboBox", "programComboBox"};
        for (int i = 0; i < 4; ++i)
            page->findChild<QComboBox *>(boxes[i])->setCurrentText(choices[i]);
    }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR)));
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
    }

    void wholeProgram()
    {
        QTranslator &applicationTranslator = m_applicationTranslator, &qtTranslator = m_qtTranslator;
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>("connectedLabel")->text(), QString("Verbunden"), 10000);

        window.findChild<QToolButton *>("spindleRunButton")->click();
        auto *page = window.findChild<SpindleRunWidget *>();
        page->setProgramSecondLength(60); // the shortest step takes 3.6 s, the program about 40 s
        chooseProgram(page);
        auto *start = page->findChild<QPushButton *>("startSpindleButton");
        QTRY_VERIFY(start->isEnabled());
        QCOMPARE(enabledLockedButtons(window), 6);

        QSignalSpy stopped(page, &SpindleRunWidget::spindleRunStopped);
        start->click();
        for (int step = 1; step <= 9; ++step) {
            const int setpoint = setpoints[step - 1];
            QTRY_COMPARE_WITH_TIMEOUT(page->findChild<QLabel *>("stepLabel")->text(), QString("%1/9").arg(step), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(CurrentRatedFrequency), setpoint, 2000);
            QCOMPARE(m_simulator.value(StartStop), setpoint ? 1 : 0);
            if (setpoint)
                QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), setpoint, 3000);
            QCOMPARE(enabledLockedButtons(window), 0);
        }
        QCOMPARE(m_simulator.value(InputForStart), 0x805D);
        QVERIFY(window.findChild<QWidget *>("diagnosticsButton")->isEnabled());
        QVERIFY(!window.close());

        QVERIFY(stopped.wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), 0, 5000);
        QCOMPARE(m_simulator.value(StartStop), 0);
        QCOMPARE(m_simulator.value(InputForStart), 0x805C); // the start source before the run is back
        QCOMPARE(enabledLockedButtons(window), 6);
        QCOMPARE(presenter.texts().mid(2),
                 (QStringList{"Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!\n\nBitte beenden "
                              "Sie den Spindeleinlauf, um Torvana schließen zu können.\n",
                              "Der Spindeleinlauf wurde erfolgreich abgeschlossen!\n\n"}));
        QTRY_VERIFY(start->isEnabled()); // once the inverter reports the motor at rest
    }

    // The link falls silent in step 1 with the spindle turning: once it is back,
    // the motor is stopped first and the settings the run changed come back.
    void linkLossStopsTheMotorAndRestoresTheSettings()
    {
        const uint16_t changedByTheRun[] = {1, 42, 46, 90, 110, 111, 112, 113, 114, 115, 116, 120, 121, 140, 141};
        QMap<uint16_t, int> before;
        for (uint16_t id : changedByTheRun)
            before.insert(id, m_simulator.value(id));
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>("connectedLabel")->text(), QString("Verbunden"), 10000);
        window.findChild<QToolButton *>("spindleRunButton")->click();
        auto *page = window.findChild<SpindleRunWidget *>();
        chooseProgram(page);
        QTRY_VERIFY(page->findChild<QPushButton *>("startSpindleButton")->isEnabled());
        QSignalSpy stopped(page, &SpindleRunWidget::spindleRunStopped);
        page->findChild<QPushButton *>("startSpindleButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), setpoints[0], 10000);

        m_simulator.command(QStringLiteral("silent on"), QRegularExpression(QStringLiteral(".")));
        QVERIFY(stopped.wait(10000));
        QVERIFY(presenter.texts().last().startsWith("Die Kommunikationsverbindung zum Umrichter wurde unterbrochen"));
        QCOMPARE(m_simulator.value(StartStop), 1); // still turning: nothing reached the inverter
        QVERIFY(page->restorePending());

        m_simulator.command(QStringLiteral("silent off"), QRegularExpression(QStringLiteral(".")));
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(StartStop), 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), 0, 10000);
        for (uint16_t id : changedByTheRun)
            QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(id), before.value(id), 10000);
        QTRY_VERIFY(!page->restorePending() && page->runState() == SpindleRunWidget::Idle);
        QTRY_COMPARE(enabledLockedButtons(window), 6);
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestSpindleRunSimulator)
#include "tst_spindlerun_sim.moc"
