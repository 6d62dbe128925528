// Fault injection end to end: the whole program against the inverter simulator
// while the cable is pulled in the middle of a transfer, the inverter falls
// silent, or its frames arrive damaged, late or between bursts of garbage.
// After each fault the program must find the inverter again by itself within
// the bound its timers allow, must have sent nothing but its probe while not
// connected, must show the connection as it is, and must hold no half-applied
// data: not in its model, not in the inverter, not in its files.
#include "CommunicationController.h"
#include "D2xxSource.h"
#include "FrameCodec.h"
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "SerialPortListSource.h"
#include "SimulatorProcess.h"
#include "StartupSettings.h"
#include "TemporaryHomeMain.h"

#include <QComboBox>
#include <QDateTime>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>
#include <memory>

#ifndef TORVANA_SIMULATOR
#error "TORVANA_SIMULATOR must name the simulator program"
#endif

namespace {

// Timer periods of the communication controller and the front-end, restated.
constexpr int RunIntervalMs = 100;
constexpr int ProbeTimeoutMs = 500;
constexpr int WatchdogTimeoutMs = 5000;
constexpr int ReceiveIntervalMs = 50;
// Room for a loaded machine; not a property of the program.
constexpr int SchedulingAllowanceMs = 1000;
// From the last sign of life: the watchdog expires, the next tick notices it.
constexpr int LossBoundMs = WatchdogTimeoutMs + RunIntervalMs + SchedulingAllowanceMs;
// From the end of a fault: the watchdog may still have to expire (the last sign
// of life can be just then), then one tick each for ConnectionLost, Closing,
// Scanning, Opening and the probe, the probe's answer window and one receive tick.
constexpr int ReconnectBoundMs = WatchdogTimeoutMs + RunIntervalMs + 5 * RunIntervalMs + ProbeTimeoutMs
                                 + ReceiveIntervalMs + SchedulingAllowanceMs;

// How long the faults that need not break the connection are kept up, and silence.
constexpr int ExposureMs = 3000;
constexpr int SilenceMs = WatchdogTimeoutMs + 2000;
// The simulator re-plugs this long after the cut (its grace of 150 ms, then the delay).
constexpr int ReplugMs = 150 + 1000;

// Frame types and parameters on the wire, restated.
enum : uint8_t { DeviceInfoRequest = 9, ParameterRequest = 6 };
enum : uint16_t { Inverter = 36, SerialNumber = 39, AccelerationRamp = 46, DirectionOfRotation = 146,
                  MotorSets = 149 };
constexpr uint16_t LeftHand = 0x8062;
constexpr uint16_t RightHand = 0x8063;
constexpr int PairsPerFrame = 12;

const QString ReadDone = QStringLiteral("Die Parameter wurden erfolgreich vom Umrichter abgerufen!\n\n");
const QString WriteDone = QStringLiteral("Die Parameter wurden erfolgreich zum Umrichter übertragen!\n\n");
const QString StoreDone = QStringLiteral("Der Parametersatz wurde erfolgreich zum Umrichter übertragen!\n\n");

// What the window shows of the connection, in one line.
const QString ShownConnected = QStringLiteral("Verbunden, green lamp, state line shown, transfers enabled");
const QString ShownDisconnected = QStringLiteral("Nicht verbunden, grey lamp, state line hidden, transfers disabled");

enum class Action { Transmission, FullRead, MotorSetStore };

// The simulator's terminal as the program's only device, seen from below: the
// frames the program writes, each with the controller's state at that moment.
class WatchedPorts : public D2xxSource
{
public:
    const CommunicationController *controller = nullptr;
    QStringList strayFrames; // written while not connected, the probe excepted
    int probes = 0;

    std::vector<D2xxDeviceEntry> devices() override { return m_ports.devices(); }
    D2xxPort *open(const D2xxDeviceEntry &entry) override
    {
        D2xxPort *port = m_ports.open(entry);
        m_pending.clear();
        return port ? new Port(port, *this) : nullptr;
    }

private:
    class Port : public D2xxPort
    {
    public:
        Port(D2xxPort *port, WatchedPorts &owner) : m_port(port), m_owner(owner) {}
        FT_STATUS setBaudRate(uint32_t rate) override { return m_port->setBaudRate(rate); }
        FT_STATUS setDataCharacteristics(uint8_t w, uint8_t s, uint8_t p) override
        {
            return m_port->setDataCharacteristics(w, s, p);
        }
        FT_STATUS setTimeouts(uint32_t r, uint32_t w) override { return m_port->setTimeouts(r, w); }
        FT_STATUS queueStatus(uint32_t *waiting) override { return m_port->queueStatus(waiting); }
        FT_STATUS read(void *b, uint32_t n, uint32_t *done) override { return m_port->read(b, n, done); }
        FT_STATUS write(const void *data, uint32_t count, uint32_t *written) override
        {
            const FT_STATUS status = m_port->write(data, count, written);
            m_owner.noteWritten(static_cast<const uint8_t *>(data), *written);
            return status;
        }
        FT_STATUS purge(uint32_t mask) override { return m_port->purge(mask); }
        FT_STATUS driverVersion(uint32_t *version) override { return m_port->driverVersion(version); }
        FT_STATUS attachedStatus() override { return m_port->attachedStatus(); }
        void close() override { m_port->close(); }

    private:
        std::unique_ptr<D2xxPort> m_port;
        WatchedPorts &m_owner;
    };

    static bool isProbe(const TestFrame::Decoded &f)
    {
        const QVector<QPair<uint16_t, uint16_t>> probe{{Inverter, 0}, {SerialNumber, 0}};
        return f.type == DeviceInfoRequest || (f.type == ParameterRequest && f.pairs == probe);
    }

    void noteWritten(const uint8_t *data, uint32_t count)
    {
        m_pending.insert(m_pending.end(), data, data + count);
        const size_t whole = m_pending.size() / 64 * 64;
        const auto frames = TestFrame::decodeAll({m_pending.begin(), m_pending.begin() + long(whole)});
        m_pending.erase(m_pending.begin(), m_pending.begin() + long(whole));
        const auto state = controller ? controller->state() : CommunicationController::Scanning;
        for (const auto &f : frames) {
            if (state == CommunicationController::Connected)
                continue;
            if (isProbe(f))
                ++probes;
            else
                strayFrames << QStringLiteral("%1 in state %2").arg(TestFrame::describe(f)).arg(int(state));
        }
    }

    SerialPortListSource m_ports;
    std::vector<uint8_t> m_pending;
};

} // namespace

Q_DECLARE_METATYPE(Action)

class TestFaultsSimulator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder; // the simulator's stable link
    SimulatorProcess m_simulator;
    WatchedPorts m_ports;
    RecordingPresenter m_presenter;
    QTranslator m_applicationTranslator;
    QTranslator m_qtTranslator;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_shown; // the connection display after every connect and disconnect
    QImage m_greenLamp;

    CommunicationController &comm() { return m_window->communicationController(); }
    DatasetController &dataset() { return m_window->datasetController(); }
    template <class T = QPushButton>
    T *widget(const char *name) const
    {
        T *w = m_window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QString text(const char *label) const { return widget<QLabel>(label)->text(); }

    QString shown() const
    {
        const bool green = widget<QLabel>("ledConnectedLabel")->pixmap(Qt::ReturnByValue).toImage() == m_greenLamp;
        const bool transfers = widget("requestSettingsPushButton")->isEnabled()
                               && widget("activateSavePushButton")->isEnabled();
        return QStringLiteral("%1, %2 lamp, state line %3, transfers %4")
            .arg(text("connectedLabel"), green ? "green" : "grey",
                 widget<QLabel>("errorStateLabel")->isVisibleTo(m_window.get()) ? "shown" : "hidden",
                 transfers ? "enabled" : "disabled");
    }

    bool isConnected() const
    {
        return m_window->communicationController().state() == CommunicationController::Connected
               && text("connectedLabel") == QLatin1String("Verbunden");
    }

    QString simulatorMemory(int slot)
    {
        return m_simulator.command(QStringLiteral("memory %1").arg(slot + 1),
                                   QRegularExpression(QStringLiteral("^M%1[ :]").arg(slot + 1)));
    }
    QString console(const QString &line)
    {
        return m_simulator.command(line, QRegularExpression(QStringLiteral(".")));
    }

    // Every file below the temporary home with its size and time of change,
    // but the event log, which is to note the faults.
    static QStringList files()
    {
        QStringList list;
        const QString logs = StartupSettings::dataFolder() + QStringLiteral("/Logs/");
        QDirIterator it(QDir::homePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (it.filePath().startsWith(logs))
                continue;
            list << QStringLiteral("%1 %2 %3")
                        .arg(it.filePath())
                        .arg(it.fileInfo().size())
                        .arg(it.fileInfo().lastModified().toMSecsSinceEpoch());
        }
        list.sort();
        return list;
    }

    // The two settings the user changes: a ramp (early in the parameter set) and
    // the direction of rotation (late in it), as raw values.
    QMap<uint16_t, uint16_t> modelValues()
    {
        return {{AccelerationRamp, dataset().rawValue(AccelerationRamp)},
                {DirectionOfRotation, dataset().rawValue(DirectionOfRotation)}};
    }
    QMap<uint16_t, uint16_t> inverterValues()
    {
        return {{AccelerationRamp, uint16_t(m_simulator.value(AccelerationRamp))},
                {DirectionOfRotation, uint16_t(m_simulator.value(DirectionOfRotation))}};
    }
    QMap<uint16_t, uint16_t> edit(const QMap<uint16_t, uint16_t> &from)
    {
        dataset().setValue(AccelerationRamp, from.value(AccelerationRamp) == 75 ? 5.0 : 7.5, false);
        dataset().setValue(DirectionOfRotation, from.value(DirectionOfRotation) == LeftHand ? RightHand : LeftHand,
                           false);
        return modelValues();
    }

    // The first motor memory slot (0 = M1) that the model shows free.
    int freeSlot()
    {
        const auto used = uint16_t(dataset().value(MotorSets));
        for (int slot = 0; slot < 16; ++slot)
            if (!(used & (1u << slot)))
                return slot;
        return -1;
    }

    // Clicks the button of the action; false when it does not become usable.
    bool start(Action action, int slot)
    {
        QPushButton *button = nullptr;
        switch (action) {
        case Action::Transmission:
            button = widget("activateSavePushButton");
            break;
        case Action::FullRead:
            button = widget("requestSettingsPushButton");
            break;
        case Action::MotorSetStore:
            widget<QComboBox>("parametersetComboBox")->setCurrentIndex(slot + 1);
            button = widget("writeToInverterPushButton");
            break;
        }
        if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 5000))
            return false;
        button->click();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        StartupSettings::setApplicationIdentity();
        StartupSettings::installLanguage(QLocale::German, m_applicationTranslator, m_qtTranslator);
        m_greenLamp = QPixmap(QStringLiteral(":/Images/led_indicator_green.png")).toImage();
        QVERIFY(!m_greenLamp.isNull());
        const QString link = m_folder.filePath(QStringLiteral("inverter"));
        // A DASM motor, so that a transmission and a motor set span several frames.
        QVERIFY(m_simulator.start(QStringLiteral(TORVANA_SIMULATOR), {"--link", link, "--set", "90=32770"}));
        // Re-plugging gives a new terminal; the link follows it.
        qputenv("TORVANA_SERIAL_PORTS", link.toLocal8Bit());
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(&m_ports);
    }

    void cleanupTestCase()
    {
        D2xx::setTestSource(nullptr);
        D2xx::setSystemSourcesEnabled(true);
    }

    void init()
    {
        m_presenter.boxes.clear();
        m_shown.clear();
        m_ports.strayFrames.clear();
        m_ports.probes = 0;
        m_window = std::make_unique<MainWindow>(QLocale::German, &m_applicationTranslator, &m_qtTranslator);
        m_window->setMessagePresenter(&m_presenter);
        m_ports.controller = &comm();
        // Queued behind the window's own handlers, so they see what the window shows.
        const auto note = [this] { m_shown << shown(); };
        connect(&comm(), &CommunicationController::connectedToDevice, this, note, Qt::QueuedConnection);
        connect(&comm(), &CommunicationController::disconnectedFromDevice, this, note, Qt::QueuedConnection);
        m_window->show();
    }

    void cleanup()
    {
        m_ports.controller = nullptr;
        m_window.reset();
    }

    void faultIsSurvived_data()
    {
        QTest::addColumn<QString>("fault"); // "%1": frames of a parameter set before the cut
        QTest::addColumn<QString>("cure");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("connectionLost");

        QTest::newRow("unplugged during a transmission") << "unplug 1 at 22 3" << QString() << Action::Transmission
                                                         << true;
        QTest::newRow("unplugged during the full read") << "unplug 1 at 5 %1" << QString() << Action::FullRead << true;
        QTest::newRow("unplugged during a motor set store") << "unplug 1 at 15 2" << QString()
                                                            << Action::MotorSetStore << true;
        QTest::newRow("silence") << "silent on" << "silent off" << Action::FullRead << true;
        QTest::newRow("10 % corrupted frames") << "corrupt 10" << "corrupt 0" << Action::Transmission << false;
        QTest::newRow("300 ms latency") << "latency 300" << "latency 0" << Action::FullRead << false;
        QTest::newRow("garbage bursts") << "garbage 200 100" << "garbage 0" << Action::MotorSetStore << false;
    }

    void faultIsSurvived()
    {
        QFETCH(QString, fault);
        QFETCH(QString, cure);
        QFETCH(Action, action);
        QFETCH(bool, connectionLost);

        // Connected, and the model holds what the inverter holds.
        QTRY_VERIFY_WITH_TIMEOUT(isConnected(), ReconnectBoundMs);
        QSignalSpy sets(&comm(), &CommunicationController::currentParametersetReceived);
        dataset().readParametersetFromDevice();
        QTRY_VERIFY_WITH_TIMEOUT(!sets.isEmpty(), 5000);
        QCoreApplication::processEvents();
        QVERIFY(m_presenter.boxes.isEmpty());

        // The user's change in the model: for a full read the inverter's set is the new one.
        const QMap<uint16_t, uint16_t> before = modelValues();
        const QMap<uint16_t, uint16_t> changed = edit(before);
        QVERIFY(changed.value(AccelerationRamp) != before.value(AccelerationRamp)
                && changed.value(DirectionOfRotation) != before.value(DirectionOfRotation));
        const int slot = freeSlot();
        QVERIFY(slot >= 0);
        const QVector<uint16_t> ids = dataset().catalogue().ids();
        const int framesWithRamp = ids.indexOf(AccelerationRamp) / PairsPerFrame + 1;
        QVERIFY(ids.indexOf(DirectionOfRotation) / PairsPerFrame >= framesWithRamp);
        const QStringList filesBefore = files();

        QSignalSpy lost(&comm(), &CommunicationController::disconnectedFromDevice);
        QVERIFY(!console(fault.contains(QLatin1String("%1")) ? fault.arg(framesWithRamp) : fault)
                     .startsWith(QLatin1String("usage")));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(start(action, slot));
        if (connectionLost)
            QTRY_VERIFY_WITH_TIMEOUT(!lost.isEmpty(), LossBoundMs);
        qint64 faultEnd = ReplugMs;
        if (!cure.isEmpty()) {
            QTest::qWait(int(std::max<qint64>(0, (connectionLost ? SilenceMs : ExposureMs) - clock.elapsed())));
            QVERIFY(!console(cure).isEmpty());
            faultEnd = clock.elapsed();
        }
        const qint64 reconnectLeft = std::max<qint64>(0, faultEnd + ReconnectBoundMs - clock.elapsed());
        QTRY_VERIFY_WITH_TIMEOUT(isConnected(), int(reconnectLeft));
        QTRY_VERIFY(!m_shown.isEmpty() && m_shown.last() == ShownConnected);

        // Nothing but probes while not connected; the display followed the connection.
        QVERIFY2(m_ports.strayFrames.isEmpty(), qPrintable(m_ports.strayFrames.join(QLatin1Char('\n'))));
        QVERIFY(m_ports.probes >= 2 * (lost.count() + 1)); // each connection began with one
        for (int i = 0; i < m_shown.size(); ++i)
            QCOMPARE(m_shown.at(i), i % 2 ? ShownDisconnected : ShownConnected);
        QCOMPARE(m_shown.size(), 2 * lost.count() + 1);
        QTRY_VERIFY(text("errorStateLabel").contains(QStringLiteral("Umrichter betriebsbereit")));
        QTRY_COMPARE(text("serialNumberLabel"), QStringLiteral("4711"));
        QCOMPARE(files(), filesBefore);
        // A full read over the user's edits asks first (and is answered Yes).
        for (const RecordingPresenter::Box &box : qAsConst(m_presenter.boxes))
            QVERIFY2(box.kind == QLatin1String("information") || box.kind == QLatin1String("question"),
                     qPrintable(box.text));

        // Whole or not at all, and reported done only when whole; then the same
        // action, undisturbed, completes.
        const QStringList reported = m_presenter.texts();
        m_presenter.boxes.clear();
        switch (action) {
        case Action::Transmission: {
            const QMap<uint16_t, uint16_t> inverter = inverterValues();
            QCOMPARE(modelValues(), changed); // the user's values stay
            QVERIFY(inverter == changed || inverter == before);
            if (reported.contains(WriteDone))
                QCOMPARE(inverter, changed);
            QVERIFY(start(action, slot));
            QTRY_COMPARE_WITH_TIMEOUT(m_presenter.texts(), QStringList{WriteDone}, 5000);
            QCOMPARE(inverterValues(), changed);
            break;
        }
        case Action::FullRead: {
            const QMap<uint16_t, uint16_t> inverter = inverterValues();
            const QMap<uint16_t, uint16_t> model = modelValues();
            QVERIFY2(model == changed || model == inverter, "a parameter set is applied whole or not at all");
            if (reported.contains(ReadDone))
                QCOMPARE(model, inverter);
            // A set the user did not ask for (after a run-in, a factory reset) shows no box.
            sets.clear();
            dataset().readParametersetFromDevice();
            QTRY_VERIFY_WITH_TIMEOUT(!sets.isEmpty(), 5000);
            QCoreApplication::processEvents();
            QCOMPARE(m_presenter.texts(), QStringList());
            QCOMPARE(modelValues(), inverter);
            edit(inverter);
            QVERIFY(start(action, slot));
            QTRY_COMPARE_WITH_TIMEOUT(m_presenter.texts().filter(QStringLiteral("erfolgreich")),
                                      QStringList{ReadDone}, 5000);
            QCOMPARE(modelValues(), inverter);
            break;
        }
        case Action::MotorSetStore: {
            const QString memory = simulatorMemory(slot);
            QVERIFY(!memory.isEmpty());
            QVERIFY(start(action, slot));
            QTRY_COMPARE_WITH_TIMEOUT(m_presenter.texts().filter(QStringLiteral("erfolgreich")), QStringList{StoreDone},
                                      5000);
            const QString whole = simulatorMemory(slot);
            const QString ramp = QStringLiteral(" P%1=%2").arg(AccelerationRamp).arg(changed.value(AccelerationRamp));
            QVERIFY2(whole.contains(ramp), qPrintable(whole));
            QVERIFY2(memory == whole || memory == QStringLiteral("M%1 is empty").arg(slot + 1), qPrintable(memory));
            if (reported.contains(StoreDone))
                QCOMPARE(memory, whole);
            break;
        }
        }
    }
};

TORVANA_TEST_MAIN_WITH_TEMPORARY_HOME(TestFaultsSimulator)
#include "tst_faults_sim.moc"
