// A whole built-in run-in program of the whole program against the inverter
// simulator: the simulated motor follows every step's set-point, and the
// window stays locked until the program has ended.
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "SpindleRunWidget.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

#include <iterator>

#ifndef TORVANA_SIMULATOR
#error "TORVANA_SIMULATOR must name the simulator program"
#endif

namespace {

// Parameter numbers and codes restated from the parameter list.
enum : uint16_t { StartStop = 2, CurrentRatedFrequency = 10, ActualFrequency = 13, InputForStart = 140 };
const int ProgramInput = 0x805D;

// "Erstinbetriebnahme" on 0412 DCE at 40000 min-1 (666 Hz): the set-points of its
// nine steps. The spindle's short deceleration lets the motor come to rest within
// every shortened 0 % step.
const int setpoints[] = {166, 0, 166, 0, 266, 0, 399, 0, 532};
// 60 s, the shortest step, take 3.6 s; the whole program about 40 s.
const int ProgramSecondMs = 60;

const char *const lockedButtons[] = {"startButton", "driveDataButton", "inputOutputButton", "flashUpdateButton",
                                     "requestSettingsPushButton", "activateSavePushButton"};

} // namespace

class TestSpindleRunSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;

    static QStringList enabledLockedButtons(const MainWindow &window)
    {
        QStringList enabled;
        for (const char *name : lockedButtons)
            if (window.findChild<QWidget *>(QLatin1String(name))->isEnabled())
                enabled << QLatin1String(name);
        return enabled;
    }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR)));
    }

    void wholeProgram()
    {
        QTranslator applicationTranslator;
        QTranslator qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.findChild<QLabel *>(QStringLiteral("connectedLabel"))->text(),
                                  QStringLiteral("Verbunden"), 10000);

        window.findChild<QToolButton *>(QStringLiteral("spindleRunButton"))->click();
        auto *page = window.findChild<SpindleRunWidget *>();
        QVERIFY(page);
        QTRY_VERIFY(page->isVisible());
        page->setProgramSecondLength(ProgramSecondMs);
        const auto box = [page](const char *name) { return page->findChild<QComboBox *>(QLatin1String(name)); };
        box("familyComboBox")->setCurrentText(QStringLiteral("0412"));
        box("typeComboBox")->setCurrentText(QStringLiteral("DCE"));
        box("speedComboBox")->setCurrentText(QStringLiteral("40000 min-1"));
        box("programComboBox")->setCurrentText(QStringLiteral("Erstinbetriebnahme"));
        auto *start = page->findChild<QPushButton *>(QStringLiteral("startSpindleButton"));
        auto *stepLabel = page->findChild<QLabel *>(QStringLiteral("stepLabel"));
        QTRY_VERIFY(start->isEnabled());
        QCOMPARE(enabledLockedButtons(window).size(), int(std::size(lockedButtons)));

        QSignalSpy stopped(page, &SpindleRunWidget::spindleRunStopped);
        start->click();
        for (int step = 1; step <= int(std::size(setpoints)); ++step) {
            QTRY_COMPARE_WITH_TIMEOUT(stepLabel->text(), QStringLiteral("%1/9").arg(step), 10000);
            const int setpoint = setpoints[step - 1];
            QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(CurrentRatedFrequency), setpoint, 2000);
            QCOMPARE(m_simulator.value(StartStop), setpoint ? 1 : 0);
            // The motor turns up to the set-point well within the step.
            if (setpoint)
                QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), setpoint, 3000);
            QCOMPARE(enabledLockedButtons(window), QStringList());
        }
        QCOMPARE(m_simulator.value(InputForStart), ProgramInput);
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("diagnosticsButton"))->isEnabled());
        QVERIFY(!window.close());

        QVERIFY(stopped.wait(10000));
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator.value(ActualFrequency), 0, 5000);
        QCOMPARE(m_simulator.value(StartStop), 0);
        QCOMPARE(enabledLockedButtons(window).size(), int(std::size(lockedButtons)));
        QCOMPARE(presenter.texts().mid(2),
                 (QStringList{"Torvana kann während eines Spindeleinlaufs nicht geschlossen werden!\n\nBitte beenden "
                              "Sie den Spindeleinlauf, um Torvana schließen zu können.\n",
                              "Der Spindeleinlauf wurde erfolgreich abgeschlossen!\n\n"}));
        // Enabled again once the inverter reports the motor at rest.
        QTRY_VERIFY(start->isEnabled());
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestSpindleRunSimulator)
#include "tst_spindlerun_sim.moc"
