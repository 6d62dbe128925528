// The whole program against the inverter simulator on a pseudo-terminal: the
// window connects by itself, shows the simulator's identity, switches language at
// run time and reads every parameter into the model.
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

#ifndef TORVANA_SIMULATOR
#error "TORVANA_SIMULATOR must name the simulator program"
#endif

namespace {

// Settings the simulator starts with; MaximumMotorFrequency (42) differs from
// the catalogue's default so that a read shows.
const QStringList SimulatorArguments{"--inverter-type", "4624", "--serial", "1234", "--firmware", "v3.1.4",
                                     "--set", "42=2500", "--set", "46=125"};
const QVector<uint16_t> Compared{41, 42, 46, 47, 90, 91, 96, 140, 141};

} // namespace

class TestMainWindowSimulator : public QObject
{
    Q_OBJECT

    QProcess m_simulator;

    // The simulator's raw value of a parameter, through its console.
    int simulatorValue(uint16_t id)
    {
        m_simulator.readAllStandardOutput();
        m_simulator.write(QStringLiteral("get %1\n").arg(id).toLatin1());
        const QRegularExpression answer(QStringLiteral("^P%1 = (\\d+)").arg(id));
        while (m_simulator.canReadLine() || m_simulator.waitForReadyRead(3000)) {
            while (m_simulator.canReadLine()) {
                const auto match = answer.match(QString::fromLatin1(m_simulator.readLine()));
                if (match.hasMatch())
                    return match.captured(1).toInt();
            }
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        m_simulator.start(QStringLiteral(TORVANA_SIMULATOR), SimulatorArguments);
        QVERIFY2(m_simulator.waitForStarted(5000), qPrintable(m_simulator.errorString()));
        QVERIFY(m_simulator.waitForReadyRead(5000));
        const QString terminal = QString::fromLocal8Bit(m_simulator.readLine()).trimmed();
        QVERIFY2(terminal.startsWith(QLatin1Char('/')), qPrintable(terminal));
        qputenv("TORVANA_SERIAL_PORTS", terminal.toLocal8Bit());
    }

    void cleanupTestCase()
    {
        m_simulator.write("quit\n");
        if (!m_simulator.waitForFinished(3000))
            m_simulator.kill();
    }

    void connectsSwitchesLanguageAndReadsAllParameters()
    {
        QTranslator applicationTranslator;
        QTranslator qtTranslator;
        StartupSettings::installLanguage(QLocale::German, applicationTranslator, qtTranslator);
        RecordingPresenter presenter;
        MainWindow window(QLocale::German, &applicationTranslator, &qtTranslator);
        window.setMessagePresenter(&presenter);
        window.show();
        const auto text = [&window](const char *name) {
            return window.findChild<QLabel *>(QLatin1String(name))->text();
        };

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
        for (uint16_t id : Compared)
            QCOMPARE(int(dataset.rawValue(id)), simulatorValue(id));
        QCOMPARE(dataset.rawValue(42), uint16_t(2500));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestMainWindowSimulator)
#include "tst_mainwindow_sim.moc"
