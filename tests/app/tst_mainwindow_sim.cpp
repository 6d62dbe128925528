// The program against the simulator: connects by itself, shows the identity, switches
// language and reads every parameter into the model.
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

class TestMainWindowSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        // P42 differs from the catalogue's default so that a read shows.
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR),
                                  {"--inverter-type", "4624", "--serial", "1234", "--firmware", "v3.1.4", "--set",
                                   "42=2500", "--set", "46=125"}));
    }

    void connectsSwitchesLanguageAndReadsAllParameters()
    {
        QTranslator applicationTranslator, qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        const auto text = [&window](const char *name) { return window.findChild<QLabel *>(name)->text(); };

        QTRY_COMPARE_WITH_TIMEOUT(text("connectedLabel"), QStringLiteral("Verbunden"), 10000);
        QTRY_COMPARE(text("deviceTypeLabel"), QStringLiteral("4624"));
        QCOMPARE(text("serialNumberLabel"), QStringLiteral("1234"));
        QCOMPARE(text("firmwareVersionLabel"), QStringLiteral("v3.1.4"));
        QTRY_VERIFY(text("errorStateLabel").contains(QStringLiteral("Umrichter betriebsbereit")));

        window.findChild<QToolButton *>(QStringLiteral("englishToolButton"))->click();
        QTRY_COMPARE(text("connectedLabel"), QStringLiteral("Connected"));
        QTRY_VERIFY(text("errorStateLabel").contains(QStringLiteral("Inverter ready for operation")));

        DatasetController &dataset = window.datasetController();
        QVERIFY(dataset.rawValue(42) != 2500);
        window.findChild<QPushButton *>(QStringLiteral("requestSettingsPushButton"))->click();
        QTRY_COMPARE(presenter.texts(),
                     QStringList{QStringLiteral("The parameters have been successfully loaded from the inverter!\n\n")});
        for (uint16_t id : {41, 42, 46, 47, 90, 91, 96, 140, 141})
            QCOMPARE(int(dataset.rawValue(id)), m_simulator.value(id));
        QCOMPARE(dataset.rawValue(42), uint16_t(2500));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMainWindowSimulator)
#include "tst_mainwindow_sim.moc"
