// The start page against the simulator: the motor runs and stops from the page, a motor set goes
// to M3 and back, and a device parameter set file restores the raw values it was saved with.
#include "../app/TemporaryHomeMain.h"
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FileChooser.h"
#include "MonitoringWidgetHalvex.h"
#include "RecordingPresenter.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>

namespace {

// Parameter numbers and codes restated from the parameter list.
enum : uint16_t { RatedFrequency = 1, ActualFrequencyInverter = 13, MaximumMotorFrequency = 42,
                  AccelerationRamp = 46, MotorSets = 149, DirectionOfRotation = 146 };
enum : uint16_t { Torvana = 0x805D, LeftHand = 0x8062, RightHand = 0x8063 };

// Started and set from this program, a DASM motor up to 1000 Hz, ramps of 0.5 s.
const QStringList SimulatorArguments{"--set", "140=32861", "--set", "141=32861", "--set", "90=32770",
                                     "--set", "42=1000",   "--set", "46=5",      "--set", "47=5"};

class FixedChooser : public FileChooser
{
public:
    QString fileName;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
};

} // namespace

class TestStartPageSimulator : public QObject
{
    Q_OBJECT

    SimulatorProcess m_simulator;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_dataset = nullptr;
    MonitoringWidgetHalvex *m_page = nullptr;
    RecordingPresenter m_presenter;
    FixedChooser m_chooser;

    template <class T = QPushButton>
    T *widget(const char *name) const { return m_page->findChild<T *>(QLatin1String(name)); }
    double actualFrequency() const { return widget<QDoubleSpinBox>("actualFrequencySpinBox")->value(); }

private slots:
    void initTestCase()
    {
        StartupSettings::setApplicationIdentity();
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR), SimulatorArguments));

        m_comm = new CommunicationController;
        m_dataset = new DatasetController(m_comm);
        m_page = new MonitoringWidgetHalvex(m_dataset, m_comm);
        m_page->setMessagePresenter(&m_presenter);
        m_page->setFileChooser(&m_chooser);
        m_page->show();
        QSignalSpy connected(m_comm, &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(10000));
        m_comm->sendCurrentParametersetRequest();
        QTRY_COMPARE(m_dataset->rawValue(MaximumMotorFrequency), uint16_t(1000));
        QTRY_COMPARE(widget<QComboBox>("inputStartComboBox")->currentData().toUInt(), uint(Torvana));
    }

    void cleanupTestCase() { delete m_page, delete m_dataset, delete m_comm; }

    void init() { m_presenter.boxes.clear(); }

    void startRunsAndStopHalts()
    {
        widget<QDoubleSpinBox>("targetFrequencySpinBox")->setValue(600);
        QCOMPARE(m_dataset->rawValue(RatedFrequency), uint16_t(600));
        QTRY_VERIFY(widget("startDriveButton")->isEnabled());
        widget("startDriveButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(m_dataset->motorRunning(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(actualFrequency(), 600.0, 10000);
        QVERIFY(!widget("loadDefaultsPushButton")->isEnabled());

        widget("stopDriveButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(actualFrequency(), 0.0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_dataset->motorRunning(), 5000);
        QTRY_VERIFY(widget("loadDefaultsPushButton")->isEnabled());
    }

    void motorSetInM3()
    {
        QVERIFY(!(uint16_t(m_dataset->value(MotorSets)) & 0b100));
        m_dataset->setValue(AccelerationRamp, 7.5, false);
        auto *memories = widget<QComboBox>("parametersetComboBox");
        QTRY_VERIFY(memories->isEnabled());
        memories->setCurrentIndex(3);
        widget("writeToInverterPushButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_presenter.texts(),
                                  QStringList{"Der Parametersatz wurde erfolgreich zum Umrichter übertragen!\n\n"},
                                  5000);
        QTRY_VERIFY_WITH_TIMEOUT(uint16_t(m_dataset->value(MotorSets)) & 0b100, 5000);

        m_dataset->setValue(AccelerationRamp, 20, false);
        m_presenter.boxes.clear();
        widget("loadFromInverterPushButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_presenter.boxes.size(), 2, 5000);
        QVERIFY(m_presenter.boxes.first().kind == QLatin1String("question")); // the unsaved 20 s
        QCOMPARE(m_presenter.texts().last(), QStringLiteral("Der Motorparametersatz wurde erfolgreich vom Umrichter abgerufen!\n\n"));
        QCOMPARE(m_dataset->rawValue(AccelerationRamp), uint16_t(75));
    }

    void deviceSetFileRestoresRawValues()
    {
        QTemporaryDir folder;
        m_chooser.fileName = folder.filePath(QStringLiteral("device"));
        m_dataset->setValue(DirectionOfRotation, LeftHand, false);
        m_dataset->setValue(AccelerationRamp, 12.5, false);
        QMap<uint16_t, uint16_t> saved;
        for (uint16_t id = 1; id < 150; ++id)
            if (m_dataset->descriptor(id) && m_dataset->descriptor(id)->inDeviceSet)
                saved.insert(id, m_dataset->rawValue(id));
        widget("writeParamsToFilePushButton")->click();
        QCOMPARE(m_presenter.texts(), QStringList{"Der Geräteparametersatz wurde erfolgreich gespeichert!\n\n"});

        m_dataset->setValue(DirectionOfRotation, RightHand, false);
        m_dataset->setValue(AccelerationRamp, 30, false);
        m_chooser.fileName += QStringLiteral(".mps");
        widget("loadParamsFromFilePushButton")->click();
        QCOMPARE(m_presenter.texts().last(),
                 QStringLiteral("Der ausgewählte Geräteparametersatz wurde erfolgreich geladen!\n\n"));
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            QVERIFY2(m_dataset->rawValue(it.key()) == it.value(), qPrintable(QStringLiteral("P%1").arg(it.key())));
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestStartPageSimulator)
#include "tst_startpage_e2e.moc"
