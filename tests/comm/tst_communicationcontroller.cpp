// Connection state machine over the D2XX test source, with a fake inverter on the devices that answer.
#include "CommunicationController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"

#include <QtTest>

#include <memory>

using C = CommunicationController;

namespace {

// Calls every request slot once; returns the frames they send while connected.
QStringList sendEveryRequest(C &controller)
{
    QMap<uint16_t, uint16_t> map{{1, 100}};
    controller.sendCurrentParametersetRequest();
    controller.sendParameterRequest({27});
    controller.sendSetParameterCommand(map);
    controller.sendSetParameterCommand(2, 1);
    controller.sendStoreOnEepromCommand();
    controller.sendFactoryResetCommand();
    controller.sendInverterResetCommand();
    controller.setCurrentTimeOnInverter();
    controller.sendBootloaderResetCommand();
    controller.sendLoadMotorParamsCommand(3);
    controller.sendMotorParamsToDeviceMemory(4, {{41, 50}, {42, 1000}});
    controller.sendDeleteMotorParamsCommand(5);
    return {"4", "6 27=0", "8 1=100", "8 2=1", "3", "2", "1", "11", "12", "13 20=3", "15 41=50,42=1000",
            "15 20=4", "17 20=5"};
}

QStringList framesOf(const FakeInverter &inverter)
{
    QStringList frames;
    for (const auto &f : inverter.received)
        frames << TestFrame::describe(f);
    return frames;
}

} // namespace

class TestCommunicationController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        m_source = std::make_unique<FakeD2xxSource>();
        D2xx::setTestSource(m_source.get());
    }

    void cleanup() { m_source.reset(); }

    void probesDevicesInTurn_data()
    {
        QTest::addColumn<bool>("stuck");
        QTest::newRow("first device silent") << false;
        QTest::newRow("first device's write times out") << true;
    }

    void probesDevicesInTurn()
    {
        QFETCH(bool, stuck);
        C controller;
        for (const char *name : {"uint16_t", "CommErrorCode", "QMap<uint16_t,uint16_t>", "QMap<uint16_t,CommErrorCode>"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
        QSignalSpy connected(&controller, &C::connectedToDevice), disconnected(&controller, &C::disconnectedFromDevice);
        QSignalSpy info(&controller, &C::deviceInfoUpdateFromDevice);
        if (!stuck) {
            QTest::qWait(350); // nothing attached: the controller keeps scanning, silently
            QVERIFY(controller.state() == C::Scanning && controller.comPortNumber() == -1);
        }
        m_source->addDevice("FIRST", "FT232R USB UART", 0x04036001, 3);
        m_source->addDevice("INVERTER", "FT232R USB UART", 0x04036001, 7);
        if (stuck)
            m_source->device(0).writeChunks = {0};
        FakeInverter first(*m_source, 0), inverter(*m_source, 1);
        first.answering = false;
        if (!stuck) {
            QTRY_COMPARE(first.countOf(9), 1);
            QCOMPARE(controller.state(), C::Probing);
            sendEveryRequest(controller); // sends nothing while probing
            first.serve();
            QCOMPARE(framesOf(first), (QStringList{"9", "6 36=0,39=0"}));
        }
        QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 1, 3000);
        QVERIFY(controller.state() == C::Connected && controller.comPortNumber() == 7 && disconnected.isEmpty());
        QVERIFY(!m_source->device(0).open);
        const FakeD2xxSource::Device &d = m_source->device(1);
        QCOMPARE(QVector<uint>({d.baudRate, d.wordLength, d.stopBits, d.parity, d.writeTimeout}),
                 QVector<uint>({38400, 8, 0, 0, 500}));
        QTRY_COMPARE(info.value(0), (QVariantList{0x1211, 4711, QByteArray("v1.0.0")}));
    }

    void connectedSession()
    {
        m_source->addDevice("INVERTER", "FT232R USB UART", 0x04036001, 9);
        FakeInverter inverter(*m_source, 0);
        C controller;
        QSignalSpy connected(&controller, &C::connectedToDevice), disconnected(&controller, &C::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));

        // The clock is set once per connection, however many answers follow.
        QSignalSpy updates(&controller, &C::parameterUpdateFromDevice);
        for (int i = 0; i < 3; ++i)
            controller.sendParameterRequest({27});
        QTRY_VERIFY(updates.count() >= 3);
        inverter.serve();
        QVERIFY(inverter.countOf(11) == 1 && connected.count() == 1);
        const auto clock = *std::find_if(inverter.received.begin(), inverter.received.end(),
                                         [](const TestFrame::Decoded &f) { return f.type == 11; });
        QCOMPARE(TestFrame::get16(clock.data.data() + 4), uint16_t(QDateTime::currentDateTimeUtc().date().year()));

        // Values reach listeners before the parameter set is reported.
        QStringList order;
        connect(&controller, &C::parametersetFromDevice, this, [&](QMap<uint16_t, uint16_t> map, bool motorSet) {
            if (map.contains(41) && !motorSet)
                order << "values";
        });
        connect(&controller, &C::currentParametersetReceived, this, [&] { order << "set"; });
        m_source->feedReceived(0, TestFrame::makePairs(5, 0, {{41, 50}, {42, 1000}}));
        QTRY_COMPARE(order, (QStringList{"values", "set"}));

        inverter.serve();
        inverter.received.clear();
        const QStringList frames = sendEveryRequest(controller);
        inverter.serve();
        QCOMPARE(framesOf(inverter), frames);

        // resume() while connected changes nothing; suspend() releases the device until resumed.
        controller.resume();
        QCOMPARE(controller.state(), C::Connected);
        controller.suspend();
        QTRY_COMPARE(controller.state(), C::Suspended);
        QVERIFY(disconnected.count() == 1 && !m_source->device(0).open && controller.comPortNumber() == -1);
        QTest::qWait(200);
        QCOMPARE(controller.state(), C::Suspended);
        controller.resume();
        QVERIFY(connected.wait(3000));
        QCOMPARE(controller.comPortNumber(), 9);
    }

    void losesTheConnection_data()
    {
        QTest::addColumn<bool>("writeTimeout");
        QTest::newRow("5 s without data") << false;
        QTest::newRow("write time-out") << true;
    }

    void losesTheConnection()
    {
        QFETCH(bool, writeTimeout);
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        C controller;
        QSignalSpy connected(&controller, &C::connectedToDevice), disconnected(&controller, &C::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));
        inverter.answering = false;
        if (writeTimeout) {
            m_source->device(0).writeChunks = {0};
            controller.sendStoreOnEepromCommand();
        }
        QVERIFY(disconnected.wait(writeTimeout ? 1000 : 7000));
        QVERIFY(disconnected.count() == 1 && m_source->device(0).open); // the objects go one tick later
        controller.run();
        QVERIFY(controller.state() == C::Scanning && !m_source->device(0).open);
        if (writeTimeout) {
            inverter.answering = true;
            QVERIFY(connected.wait(3000));
            QCOMPARE(disconnected.count(), 1);
        }
    }

    // Calls queued before a tear-down are delivered during its event processing: a
    // late answer must not reach the listeners, and a state change made by a
    // handler meanwhile must stand.
    void tearDownOutlivesLateCalls_data()
    {
        QTest::addColumn<bool>("lost");
        QTest::newRow("connection lost, suspended meanwhile") << true;
        QTest::newRow("suspended, resumed meanwhile") << false;
    }

    void tearDownOutlivesLateCalls()
    {
        QFETCH(bool, lost);
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        C controller;
        QSignalSpy connected(&controller, &C::connectedToDevice), disconnected(&controller, &C::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));
        if (lost) {
            m_source->device(0).writeChunks = {0};
            controller.sendStoreOnEepromCommand();
            QVERIFY(disconnected.wait(1000)); // the objects go with the next tick
        } else {
            controller.suspend();
        }
        QSignalSpy updates(&controller, &C::parameterUpdateFromDevice);
        QMetaObject::invokeMethod(
            &controller, [&controller] { controller.updateParameters({{27, 0x0008}}); }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(
            &controller, [&controller, lost] { lost ? controller.suspend() : controller.resume(); },
            Qt::QueuedConnection);
        controller.run();
        QVERIFY(!m_source->device(0).open && updates.isEmpty());
        QCOMPARE(controller.state(), lost ? C::Suspending : C::Scanning);
    }

private:
    std::unique_ptr<FakeD2xxSource> m_source;
};

QTEST_GUILESS_MAIN(TestCommunicationController)
#include "tst_communicationcontroller.moc"
