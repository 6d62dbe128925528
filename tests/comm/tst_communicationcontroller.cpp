#include "CommunicationController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"

#include <QSignalSpy>
#include <QtTest>

class TestCommunicationController : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        m_source = new FakeD2xxSource;
        D2xx::setTestSource(m_source);
    }

    void cleanup()
    {
        D2xx::setTestSource(nullptr);
        delete m_source;
        m_source = nullptr;
    }

    void metaTypesAreRegisteredUnderTheirWireNames()
    {
        CommunicationController controller;
        QVERIFY(QMetaType::type("uint16_t") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("CommErrorCode") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("QMap<uint16_t,uint16_t>") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("QMap<uint16_t,CommErrorCode>") != QMetaType::UnknownType);
    }

    void withoutDevicesStaysScanningSilently()
    {
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QSignalSpy disconnected(&controller, &CommunicationController::disconnectedFromDevice);
        QTest::qWait(350);
        QCOMPARE(controller.state(), CommunicationController::Scanning);
        QCOMPARE(connected.count(), 0);
        QCOMPARE(disconnected.count(), 0);
        QCOMPARE(controller.comPortNumber(), -1);
    }

    void probesDevicesInTurnUntilOneAnswers()
    {
        m_source->addDevice("SILENT01", "FT232R USB UART", 0x04036001, 3);
        m_source->addDevice("INVERTER", "FT232R USB UART", 0x04036001, 7);
        FakeInverter silent(*m_source, 0);
        silent.answering = false;
        FakeInverter inverter(*m_source, 1);

        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QSignalSpy info(&controller, &CommunicationController::deviceInfoUpdateFromDevice);
        QVERIFY(connected.wait(3000));
        QCOMPARE(controller.state(), CommunicationController::Connected);
        QCOMPARE(controller.comPortNumber(), 7);

        // The silent device was probed with a device information request and 36/39, then given up.
        QVERIFY(silent.countOf(9) >= 1);
        QCOMPARE(silent.received.first().type, uint8_t(9));
        QCOMPARE(silent.received.at(1).type, uint8_t(6));
        QCOMPARE(silent.received.at(1).pairs, (QVector<QPair<uint16_t, uint16_t>>{{36, 0}, {39, 0}}));
        QVERIFY(!m_source->device(0).open);
        QVERIFY(m_source->device(1).open);
        QCOMPARE(m_source->device(1).baudRate, 38400u);
        QCOMPARE(m_source->device(1).wordLength, uint8_t(8));
        QCOMPARE(m_source->device(1).writeTimeout, 500u);

        QTRY_VERIFY(!info.isEmpty());
        QCOMPARE(info.first().at(0).value<uint16_t>(), uint16_t(0x1211));
        QCOMPARE(info.first().at(1).value<uint16_t>(), uint16_t(4711));
        QCOMPARE(info.first().at(2).toByteArray(), QByteArray("v1.0.0"));
    }

    void setsTheClockOncePerConnection()
    {
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(3000));
        QTRY_COMPARE(inverter.countOf(11), 1);

        // Keep the link alive for a while: no second clock frame.
        for (int i = 0; i < 6; ++i) {
            controller.sendParameterRequest({27});
            QTest::qWait(100);
        }
        QCOMPARE(inverter.countOf(11), 1);
        QCOMPARE(connected.count(), 1);

        const auto clock = [&] {
            for (const auto &f : inverter.received)
                if (f.type == 11)
                    return f;
            return TestFrame::Decoded();
        }();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QCOMPARE(TestFrame::get16(clock.data.data() + 4), uint16_t(now.date().year()));
        QVERIFY(TestFrame::get16(clock.data.data() + 2) >= 1 && TestFrame::get16(clock.data.data() + 2) <= 12);
        QVERIFY(std::all_of(clock.data.begin() + 12, clock.data.end(), [](uint8_t b) { return b == 0; }));
    }

    void silenceWhileConnectedIsDetectedOnce()
    {
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QSignalSpy disconnected(&controller, &CommunicationController::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));

        inverter.answering = false;
        QVERIFY(disconnected.wait(7000));
        QCOMPARE(disconnected.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!m_source->device(0).open, 1000);
        // Scanning starts again and finds the same device; once it answers again it reconnects.
        inverter.answering = true;
        QVERIFY(connected.wait(3000));
        QCOMPARE(disconnected.count(), 1);
        QCOMPARE(connected.count(), 2);
    }

    void writeTimeoutWhileProbingTriesTheNextDevice()
    {
        m_source->addDevice("STUCK");
        m_source->addDevice("INVERTER");
        m_source->device(0).writeChunks = {0};
        FakeInverter inverter(*m_source, 1);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(3000));
        QVERIFY(m_source->device(1).open);
        QVERIFY(!m_source->device(0).open);
    }

    void writeTimeoutWhileConnectedLosesTheConnection()
    {
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QSignalSpy disconnected(&controller, &CommunicationController::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));

        m_source->device(0).writeChunks = {0};
        controller.sendStoreOnEepromCommand();
        QVERIFY(disconnected.wait(1000));
        QCOMPARE(disconnected.count(), 1);
    }

    void requestSlotsAreSilentUnlessConnected()
    {
        m_source->addDevice("SILENT");
        FakeInverter silent(*m_source, 0);
        silent.answering = false;
        CommunicationController controller;
        QTRY_COMPARE(controller.state(), CommunicationController::Probing);
        QTRY_VERIFY(silent.countOf(9) == 1);

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
        controller.sendLoadMotorParamsCommand(1);
        controller.sendMotorParamsToDeviceMemory(1, map);
        controller.sendDeleteMotorParamsCommand(1);
        QTest::qWait(50);
        silent.serve();
        // Only the probe itself went out: device information and parameters 36 and 39.
        for (const auto &f : silent.received) {
            QVERIFY2(f.type == 9 || f.type == 6, qPrintable(QString("type %1").arg(f.type)));
            if (f.type == 6)
                QCOMPARE(f.pairs, (QVector<QPair<uint16_t, uint16_t>>{{36, 0}, {39, 0}}));
        }
    }

    void requestSlotsSendWhileConnected()
    {
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(3000));
        inverter.serve();
        inverter.received.clear();

        QMap<uint16_t, uint16_t> motor{{41, 50}, {42, 1000}};
        controller.sendLoadMotorParamsCommand(3);
        controller.sendMotorParamsToDeviceMemory(4, motor);
        controller.sendDeleteMotorParamsCommand(5);
        inverter.serve();
        QCOMPARE(inverter.received.size(), 4);
        QCOMPARE(inverter.received[0].type, uint8_t(13));
        QCOMPARE(inverter.received[0].pairs, (QVector<QPair<uint16_t, uint16_t>>{{20, 3}}));
        QCOMPARE(inverter.received[1].type, uint8_t(15));
        QCOMPARE(inverter.received[1].pairs, (QVector<QPair<uint16_t, uint16_t>>{{41, 50}, {42, 1000}}));
        QCOMPARE(inverter.received[2].pairs, (QVector<QPair<uint16_t, uint16_t>>{{20, 4}}));
        QCOMPARE(inverter.received[3].type, uint8_t(17));
        QCOMPARE(inverter.received[3].pairs, (QVector<QPair<uint16_t, uint16_t>>{{20, 5}}));
    }

    void valuesReachListenersBeforeTheSetIsReported()
    {
        m_source->addDevice("INVERTER");
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QVERIFY(connected.wait(3000));

        QStringList order;
        connect(&controller, &CommunicationController::parameterUpdateFromDevice, this,
                [&](QMap<uint16_t, uint16_t> map) {
                    if (map.contains(41))
                        order << "values";
                });
        connect(&controller, &CommunicationController::currentParametersetReceived, this,
                [&] { order << "set"; });
        m_source->feedReceived(0, TestFrame::makePairs(5, 0, {{41, 50}, {42, 1000}}));
        QTRY_COMPARE(order, (QStringList{"values", "set"}));
    }

    void resumeOnlyLeavesSuspension()
    {
        m_source->addDevice("INVERTER", "FT232R USB UART", 0x04036001, 9);
        FakeInverter inverter(*m_source, 0);
        CommunicationController controller;
        QSignalSpy connected(&controller, &CommunicationController::connectedToDevice);
        QSignalSpy disconnected(&controller, &CommunicationController::disconnectedFromDevice);
        QVERIFY(connected.wait(3000));

        controller.resume();
        QCOMPARE(controller.state(), CommunicationController::Connected);

        controller.suspend();
        QTRY_COMPARE(controller.state(), CommunicationController::Suspended);
        QCOMPARE(disconnected.count(), 1);
        QVERIFY(!m_source->device(0).open);
        QCOMPARE(controller.comPortNumber(), -1);
        QTest::qWait(300);
        QCOMPARE(controller.state(), CommunicationController::Suspended);

        controller.resume();
        QVERIFY(connected.wait(3000));
        QCOMPARE(controller.comPortNumber(), 9);
    }

private:
    FakeD2xxSource *m_source = nullptr;
};

QTEST_GUILESS_MAIN(TestCommunicationController)
#include "tst_communicationcontroller.moc"
