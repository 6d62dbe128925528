// The simulator answers the program's frames as the inverter does. Everything
// goes through a real pseudo-terminal; frame types, parameter numbers and
// states are written out here rather than taken from the production headers.
#include "FaultInjector.h"
#include "InverterModel.h"
#include "InverterSimulator.h"
#include "SimTestClient.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Pairs = SimTestClient::Pairs;

class tst_SimProtocol : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deviceInformation();
    void parameterRequestLeavesOutUnknownNumbers();
    void fullParameterSetInSeveralFrames();
    void writeAcknowledgement_data();
    void writeAcknowledgement();
    void oneStateFramePerWriteFrame();
    void injectedRefusal();
    void stoppedOnlyRefusedWhileRunning();
    void errorRaisedStopsMotorAndResetClearsIt();
    void persistentErrorSurvivesReset();
    void factoryResetRestoresDefaults();
    void eepromCopySurvivesUnplug();
    void motorMemoryStoreLoadDelete();
    void motorMemoryStoreOfManyParameters();
    void motorMemoryFailures_data();
    void motorMemoryFailures();
    void clockIsRemembered();
    void corruptedFramesFailTheirCrc();

private:
    void startMotor();

    QTemporaryDir m_dir;
    std::unique_ptr<InverterSimulator> m_sim;
    std::unique_ptr<SimTestClient> m_client;
};

void tst_SimProtocol::init()
{
    SimulatorOptions options;
    options.linkPath = m_dir.filePath(QStringLiteral("inverter"));
    options.pathFile = m_dir.filePath(QStringLiteral("inverter.path"));
    m_sim = std::make_unique<InverterSimulator>(options);
    QString error;
    QVERIFY2(m_sim->start(&error), qPrintable(error));
    m_client = std::make_unique<SimTestClient>(options.linkPath);
    QVERIFY(m_client->isOpen());
}

void tst_SimProtocol::cleanup()
{
    m_client.reset();
    m_sim.reset();
}

void tst_SimProtocol::startMotor()
{
    QCOMPARE(m_client->write(90, 0x8002), 0);  // MotorType DASM
    QCOMPARE(m_client->write(140, 0x805D), 0); // InputForStart from the program
    QCOMPARE(m_client->write(141, 0x805D), 0); // InputForRatedFrequency from the program
    QCOMPARE(m_client->write(46, 5), 0);       // AccelerationRamp 0.5 s
    QCOMPARE(m_client->write(1, 100), 0);      // RatedFrequency
    QCOMPARE(m_client->write(2, 1), 0);        // StartStop
    QTRY_VERIFY(m_client->read(27) & 0x0008);  // InverterFlags: motor runs
}

void tst_SimProtocol::deviceInformation()
{
    m_client->send(9);
    const auto answer = m_client->waitFor(10);
    QCOMPARE(answer.size(), 1);
    const QByteArray data = answer.first().data;
    QCOMPARE(TestFrame::get16(reinterpret_cast<const uint8_t *>(data.constData())), uint16_t(0x1211));
    QCOMPARE(TestFrame::get16(reinterpret_cast<const uint8_t *>(data.constData()) + 2), uint16_t(4711));
    QCOMPARE(data.mid(4, data.indexOf('\0', 4) - 4), QByteArray("v2.0.3"));
    // The probe's second request: Inverter (36) and SerialNumber (39).
    m_client->send(6, { { 36, 0 }, { 39, 0 } });
    const auto values = m_client->waitFor(7);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.first().pairs, Pairs({ { 36, 0x1211 }, { 39, 4711 } }));
}

void tst_SimProtocol::parameterRequestLeavesOutUnknownNumbers()
{
    m_client->send(6, { { 3, 0 }, { 1, 0 }, { 149, 0 }, { 150, 0 }, { 42, 0 } });
    const auto answer = m_client->waitFor(7);
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer.first().pairs, Pairs({ { 1, 83 }, { 149, 0 }, { 42, 100 } }));
}

void tst_SimProtocol::fullParameterSetInSeveralFrames()
{
    const QVector<uint16_t> ids = m_sim->model()->ids();
    const int frames = (ids.size() + 11) / 12;
    QVERIFY(frames >= 2);
    m_client->send(4);
    const auto answer = m_client->waitFor(5, frames);
    QCOMPARE(answer.size(), frames);
    QVector<uint16_t> seen;
    for (int i = 0; i < answer.size(); ++i) {
        QCOMPARE(answer[i].pairs.size(), i + 1 < frames ? 12 : ids.size() - 12 * (frames - 1));
        for (const auto &pair : answer[i].pairs)
            seen.append(pair.first);
    }
    QCOMPARE(seen, ids);
    QVERIFY(seen.contains(1) && seen.contains(27) && seen.contains(149));
}

void tst_SimProtocol::writeAcknowledgement_data()
{
    QTest::addColumn<uint16_t>("id");
    QTest::addColumn<uint16_t>("value");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("stored"); // value read back afterwards, -1 when unknown

    QTest::newRow("accepted") << uint16_t(1) << uint16_t(500) << 0 << 500;
    QTest::newRow("unknown number") << uint16_t(3) << uint16_t(1) << 1 << -1;
    QTest::newRow("number beyond the catalogue") << uint16_t(200) << uint16_t(1) << 1 << -1;
    QTest::newRow("operating value") << uint16_t(13) << uint16_t(10) << 2 << 0;
    QTest::newRow("above maximum") << uint16_t(1) << uint16_t(4001) << 4 << 83;
    QTest::newRow("below minimum") << uint16_t(41) << uint16_t(4) << 4 << 50;
    QTest::newRow("divisor: 400.0 s is raw 4000") << uint16_t(46) << uint16_t(4000) << 0 << 4000;
    QTest::newRow("divisor: raw 4001") << uint16_t(46) << uint16_t(4001) << 4 << 50;
    QTest::newRow("off state 0") << uint16_t(51) << uint16_t(0) << 0 << 0;
    QTest::newRow("below minimum with off state") << uint16_t(51) << uint16_t(4) << 4 << 0;
    QTest::newRow("no off state") << uint16_t(41) << uint16_t(0) << 4 << 50;
    QTest::newRow("enumeration code in the map") << uint16_t(8) << uint16_t(0x8006) << 0 << 0x8006;
    QTest::newRow("enumeration code not in the map") << uint16_t(8) << uint16_t(0x8007) << 4 << 0x8005;
    QTest::newRow("enumeration Aus where offered") << uint16_t(110) << uint16_t(0) << 0 << 0;
    QTest::newRow("enumeration Aus where not offered") << uint16_t(90) << uint16_t(0) << 4 << 0x8001;
}

void tst_SimProtocol::writeAcknowledgement()
{
    QFETCH(uint16_t, id);
    QFETCH(uint16_t, value);
    QFETCH(int, state);
    QFETCH(int, stored);
    QCOMPARE(m_client->write(id, value), state);
    QCOMPARE(m_client->read(id), stored);
}

void tst_SimProtocol::oneStateFramePerWriteFrame()
{
    m_client->send(8, { { 1, 200 }, { 3, 5 }, { 41, 1 } });
    m_client->send(8, { { 47, 20 } });
    m_client->send(8, {});
    const auto answers = m_client->waitFor(22, 3);
    QCOMPARE(answers.size(), 3);
    QCOMPARE(answers[0].pairs, Pairs({ { 1, 0 }, { 3, 1 }, { 41, 4 } }));
    QCOMPARE(answers[1].pairs, Pairs({ { 47, 0 } }));
    QVERIFY(answers[2].pairs.isEmpty());
}

void tst_SimProtocol::injectedRefusal()
{
    m_sim->faults()->setRefusal(47, 4);
    m_client->send(8, { { 46, 30 }, { 47, 30 } });
    const auto answer = m_client->waitFor(22);
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer.first().pairs, Pairs({ { 46, 0 }, { 47, 4 } }));
    QCOMPARE(m_client->read(47), 50); // not applied
    m_sim->faults()->setRefusal(47, 0);
    QCOMPARE(m_client->write(47, 30), 0);
}

void tst_SimProtocol::stoppedOnlyRefusedWhileRunning()
{
    QCOMPARE(m_client->write(42, 300), 0); // MaximumMotorFrequency while stopped
    startMotor();
    QCOMPARE(m_client->write(42, 200), 2);  // stopped-only
    QCOMPARE(m_client->write(90, 0x8003), 2);
    QCOMPARE(m_client->write(47, 10), 0);   // DecelerationRamp: writable at any time
    QCOMPARE(m_client->read(42), 300);
}

void tst_SimProtocol::errorRaisedStopsMotorAndResetClearsIt()
{
    startMotor();
    m_sim->model()->raiseError(7);
    QCOMPARE(m_client->read(27) & 0x0004, 0x0004); // InverterFlags: error
    QCOMPARE(m_client->read(30), 7);               // 1stError
    QTRY_COMPARE(m_client->read(27) & 0x0008, 0);  // the motor no longer runs
    QCOMPARE(m_client->read(13), 0);
    QCOMPARE(m_client->read(2), 0);                // the start command is gone

    m_client->send(1);
    const auto answer = m_client->waitFor(19);
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer.first().status, uint8_t(0));
    QCOMPARE(m_client->read(27) & 0x0006, 0);
    QCOMPARE(m_client->read(30), 7); // history stays

    m_sim->model()->raiseWarning(18);
    QCOMPARE(m_client->read(27) & 0x0006, 0x0002);
    QCOMPARE(m_client->read(30), 18);
    QCOMPARE(m_client->read(31), 7);
}

void tst_SimProtocol::persistentErrorSurvivesReset()
{
    m_sim->model()->raiseError(3, true);
    m_client->send(1);
    const auto answer = m_client->waitFor(19);
    QCOMPARE(answer.size(), 1);
    QVERIFY(answer.first().status != 0);
    QCOMPARE(m_client->read(27) & 0x0004, 0x0004);
    m_sim->model()->clearFaults();
    QCOMPARE(m_client->read(27) & 0x0004, 0);
}

void tst_SimProtocol::factoryResetRestoresDefaults()
{
    QCOMPARE(m_client->write(1, 1234), 0);
    QCOMPARE(m_client->write(8, 0x8006), 0);
    QCOMPARE(m_client->write(101, 0x00F0), 0);
    m_client->send(2);
    const auto answer = m_client->waitFor(20);
    QCOMPARE(answer.size(), 1);
    QCOMPARE(answer.first().status, uint8_t(0));
    QCOMPARE(m_client->read(1), 83);
    QCOMPARE(m_client->read(8), 0x8005);
    QCOMPARE(m_client->read(101) & 0x00F0, 0);
}

void tst_SimProtocol::eepromCopySurvivesUnplug()
{
    QCOMPARE(m_client->write(1, 700), 0);
    m_client->send(3); // store in EEPROM; no answer
    QCOMPARE(m_client->write(1, 900), 0);
    QCOMPARE(m_client->read(1), 900);

    const QString oldPath = m_sim->slavePath();
    QSignalSpy replugged(m_sim.get(), &InverterSimulator::slavePathChanged);
    m_sim->unplug(0);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("inverter"))));
    QVERIFY(replugged.wait());
    const QString newPath = m_sim->slavePath();
    QVERIFY(newPath != oldPath); // the old slave is still held open by the client
    QCOMPARE(QFileInfo(m_dir.filePath(QStringLiteral("inverter"))).symLinkTarget(), newPath);
    QFile pathFile(m_dir.filePath(QStringLiteral("inverter.path")));
    QVERIFY(pathFile.open(QIODevice::ReadOnly));
    QCOMPARE(pathFile.readAll().trimmed(), newPath.toLocal8Bit());

    m_client = std::make_unique<SimTestClient>(m_dir.filePath(QStringLiteral("inverter")));
    QCOMPARE(m_client->read(1), 700);
}

void tst_SimProtocol::motorMemoryStoreLoadDelete()
{
    QCOMPARE(m_client->read(149), 0);
    // 46 and 41 are motor set members, 42 is out of range, 13 is no member, 3 is unknown.
    m_client->send(15, { { 46, 20 }, { 41, 60 }, { 42, 4001 }, { 13, 5 }, { 3, 1 } });
    m_client->send(15, { { 20, 2 } }); // M3
    auto states = m_client->waitFor(16);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.first().status, uint8_t(0));
    QCOMPARE(states.first().pairs, Pairs({ { 46, 0 }, { 41, 0 }, { 42, 4 }, { 13, 1 }, { 3, 1 }, { 20, 0 } }));
    QCOMPARE(m_client->read(149), 0x0004); // bit n = memory n + 1

    QCOMPARE(m_client->write(46, 30), 0);
    m_client->send(13, { { 20, 2 } });
    QTRY_VERIFY(m_client->read(46) == 20); // loaded values are current
    m_client->poll();
    Pairs loaded;
    for (const auto &frame : m_client->received) {
        if (frame.type == 14)
            loaded += frame.pairs;
    }
    QVERIFY(loaded.contains({ 46, 20 }));
    QVERIFY(loaded.contains({ 41, 60 }));
    QVERIFY(loaded.contains({ 42, 100 })); // members not sent keep the value they had
    QCOMPARE(m_client->read(41), 60);

    m_client->send(17, { { 20, 2 } });
    const auto deleted = m_client->waitFor(18);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(deleted.first().status, uint8_t(0));
    QCOMPARE(m_client->read(149), 0);

    // Loading an empty memory brings no values: the device information sent
    // after it arrives with nothing before it.
    m_client->received.clear();
    m_client->send(13, { { 20, 2 } });
    m_client->send(9);
    QCOMPARE(m_client->waitFor(10).size(), 1);
    QCOMPARE(m_client->count(14), 0);
}

void tst_SimProtocol::motorMemoryStoreOfManyParameters()
{
    const QVector<uint16_t> members = { 41, 42, 44, 46, 47, 51, 52, 53, 54, 55, 56, 57, 60, 61 };
    Pairs pairs;
    for (uint16_t id : members)
        pairs.append({ id, m_sim->model()->raw(id) });
    m_client->send(15, pairs.mid(0, 12));
    m_client->send(15, pairs.mid(12));
    m_client->send(15, { { 20, 15 } }); // M16
    const auto states = m_client->waitFor(16, 2);
    QCOMPARE(states.size(), 2);
    QCOMPARE(states[0].pairs.size(), 12);
    QCOMPARE(states[1].pairs.size(), 3);
    QCOMPARE(states[1].pairs.last(), qMakePair(uint16_t(20), uint16_t(0))); // the closing entry comes last
    for (const auto &frame : states) {
        for (const auto &state : frame.pairs)
            QCOMPARE(state.second, uint16_t(0));
    }
    QCOMPARE(m_client->read(149), 0x8000);
}

void tst_SimProtocol::motorMemoryFailures_data()
{
    QTest::addColumn<int>("injected");
    QTest::addColumn<uint16_t>("slot");
    QTest::addColumn<int>("status");

    QTest::newRow("memory unusable") << 0x10 << uint16_t(2) << 0x10;
    QTest::newRow("EEPROM write error") << 0x20 << uint16_t(2) << 0x20;
    QTest::newRow("no such memory") << 0 << uint16_t(16) << 0x10;
    QTest::newRow("far beyond") << 0 << uint16_t(0xFFFF) << 0x10;
}

void tst_SimProtocol::motorMemoryFailures()
{
    QFETCH(int, injected);
    QFETCH(uint16_t, slot);
    QFETCH(int, status);
    m_sim->faults()->setMemoryFailure(CommErrorCode(injected));
    m_client->send(15, { { 46, 20 } });
    m_client->send(15, { { 20, slot } });
    const auto answer = m_client->waitFor(16);
    QCOMPARE(answer.size(), 1);
    QCOMPARE(int(answer.first().status), status);
    QVERIFY(answer.first().pairs.isEmpty());
    QCOMPARE(m_client->read(149), 0);
}

void tst_SimProtocol::clockIsRemembered()
{
    std::vector<uint8_t> data(50, 0);
    const uint16_t fields[6] = { 24, 12, 2024, 13, 45, 30 };
    for (int i = 0; i < 6; ++i)
        TestFrame::put16(data.data() + 2 * i, fields[i]);
    m_client->sendBytes(TestFrame::make(11, 0, data));
    QTRY_VERIFY(m_sim->model()->clock().isValid());
    const QDateTime clock = m_sim->model()->clock();
    QCOMPARE(clock.date(), QDate(2024, 12, 24));
    QCOMPARE(clock.time().hour(), 13);
    QCOMPARE(clock.time().minute(), 45);
}

void tst_SimProtocol::corruptedFramesFailTheirCrc()
{
    m_sim->faults()->setCorruptPercent(100);
    for (int i = 0; i < 3; ++i)
        m_client->send(9);
    QTRY_COMPARE(m_sim->faults()->corruptedFrames(), qint64(3));
    m_sim->faults()->setCorruptPercent(0);
    m_client->send(9);
    QCOMPARE(m_client->waitFor(10).size(), 1);
    m_client->poll();
    QCOMPARE(m_client->count(10), 0); // none of the damaged answers got through
}

QTEST_GUILESS_MAIN(tst_SimProtocol)
#include "tst_simprotocol.moc"
