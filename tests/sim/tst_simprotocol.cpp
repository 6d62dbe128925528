// The simulator answers frames through a real pseudo-terminal; wire constants are restated here.
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
    void init()
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
    void cleanup() { m_client.reset(), m_sim.reset(); }
    void deviceInformationAndRequests()
    {
        m_client->send(9);
        const auto info = m_client->waitFor(10);
        QCOMPARE(SimTestClient::bytes(info.value(0), 0, 11), QByteArray::fromHex("1112" "6712") + QByteArray("v2.0.3", 7));
        // Unknown numbers (3, 150) are left out of the answer.
        m_client->send(6, { { 36, 0 }, { 39, 0 }, { 3, 0 }, { 1, 0 }, { 149, 0 }, { 150, 0 }, { 42, 0 } });
        QCOMPARE(m_client->waitFor(7).value(0).pairs, Pairs({ { 36, 0x1211 }, { 39, 4711 }, { 1, 83 }, { 149, 0 }, { 42, 100 } }));

        const QVector<uint16_t> ids = m_sim->model()->ids();
        const int frames = (ids.size() + 11) / 12;
        m_client->send(4);
        const auto set = m_client->waitFor(5, frames);
        QVector<uint16_t> seen;
        for (int i = 0; i < set.size(); ++i) {
            QCOMPARE(set[i].pairs.size(), i + 1 < frames ? 12 : ids.size() - 12 * (frames - 1));
            for (const auto &pair : set[i].pairs)
                seen.append(pair.first);
        }
        QVERIFY(seen == ids && frames >= 2 && seen.contains(27) && seen.contains(149));
    }

    void writeAcknowledgement_data()
    {
        QTest::addColumn<uint16_t>("id");
        QTest::addColumn<uint16_t>("value");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("stored"); // value read back afterwards, -1 when unknown

        QTest::newRow("accepted") << uint16_t(1) << uint16_t(500) << 0 << 500;
        QTest::newRow("unknown number") << uint16_t(3) << uint16_t(1) << 1 << -1;
        QTest::newRow("operating value") << uint16_t(13) << uint16_t(10) << 2 << 0;
        QTest::newRow("above maximum") << uint16_t(1) << uint16_t(4001) << 4 << 83;
        QTest::newRow("divisor: raw 4001") << uint16_t(46) << uint16_t(4001) << 4 << 50;
        QTest::newRow("off state 0") << uint16_t(51) << uint16_t(0) << 0 << 0;
        QTest::newRow("no off state") << uint16_t(41) << uint16_t(0) << 4 << 50;
        QTest::newRow("enumeration code not in the map") << uint16_t(8) << uint16_t(0x8007) << 4 << 0x8005;
        QTest::newRow("enumeration Aus where not offered") << uint16_t(90) << uint16_t(0) << 4 << 0x8001;
    }

    void writeAcknowledgement()
    {
        QFETCH(uint16_t, id);
        QFETCH(uint16_t, value);
        QTEST(m_client->write(id, value), "state");
        QTEST(m_client->read(id), "stored");
    }

    void oneStateFramePerWriteFrame()
    {
        m_sim->faults()->setRefusal(47, 4);
        m_client->send(8, { { 1, 200 }, { 3, 5 }, { 41, 1 }, { 47, 30 } });
        m_client->send(8, { { 46, 20 } });
        m_client->send(8, {});
        const auto answers = m_client->waitFor(22, 3);
        QCOMPARE(answers.size(), 3);
        QCOMPARE(answers[0].pairs, Pairs({ { 1, 0 }, { 3, 1 }, { 41, 4 }, { 47, 4 } }));
        QVERIFY(answers[1].pairs == Pairs({ { 46, 0 } }) && answers[2].pairs.isEmpty());
        QCOMPARE(m_client->read(47), 50); // refused, not applied

        // Stopped-only parameters are refused while the motor runs.
        for (const auto &[id, value] : Pairs { { 42, 300 }, { 90, 0x8002 }, { 140, 0x805D }, { 141, 0x805D }, { 1, 100 }, { 2, 1 } })
            QCOMPARE(m_client->write(id, value), 0);
        QTRY_VERIFY(m_client->read(27) & 0x0008);
        QCOMPARE(QVector<int>({ m_client->write(42, 200), m_client->write(90, 0x8003), m_client->write(46, 10), m_client->read(42) }),
                 QVector<int>({ 2, 2, 0, 300 }));
    }

    void faultsAndResets()
    {
        m_sim->model()->setRaw(90, 0x8002);
        m_sim->model()->setRaw(140, 0x805D);
        m_sim->model()->setRaw(2, 1);
        QTRY_VERIFY(m_client->read(27) & 0x0008);
        m_sim->model()->raiseError(7);
        QCOMPARE(m_client->read(27) & 0x0004, 0x0004);
        QCOMPARE(m_client->read(30), 7);
        QTRY_COMPARE(m_client->read(27) & 0x0008, 0); // the motor no longer runs
        QCOMPARE(m_client->read(2), 0);               // and the start command is gone

        m_client->send(1);
        QCOMPARE(m_client->waitFor(19).value(0, { 0, 0xFF, false, {}, {} }).status, uint8_t(0));
        QCOMPARE(m_client->read(27) & 0x0006, 0);
        m_sim->model()->raiseWarning(18);
        QCOMPARE(m_client->read(27) & 0x0006, 0x0002);
        QVERIFY(m_client->read(30) == 18 && m_client->read(31) == 7); // history stays

        m_sim->model()->raiseError(3, true);
        m_client->send(1);
        QVERIFY(m_client->waitFor(19).value(0).status != 0);
        QCOMPARE(m_client->read(27) & 0x0004, 0x0004);

        QCOMPARE(m_client->write(8, 0x8006), 0); // factory reset
        m_client->send(2);
        QTRY_COMPARE(m_client->read(8), 0x8005);
    }

    void eepromCopySurvivesUnplug()
    {
        QCOMPARE(m_client->write(1, 700), 0);
        m_client->send(3); // store in EEPROM; no answer
        QCOMPARE(m_client->write(1, 900), 0);

        // The link and the path file follow the new slave; the old one is still held open by the client.
        const QString link = m_dir.filePath(QStringLiteral("inverter"));
        QSignalSpy replugged(m_sim.get(), &InverterSimulator::slavePathChanged);
        m_sim->unplug(0);
        QVERIFY(!QFileInfo::exists(link));
        QVERIFY(replugged.wait());
        QFile pathFile(link + ".path");
        QVERIFY(pathFile.open(QIODevice::ReadOnly));
        QCOMPARE(QFileInfo(link).symLinkTarget().toLocal8Bit(), pathFile.readAll().trimmed());
        m_client = std::make_unique<SimTestClient>(link);
        QCOMPARE(m_client->read(1), 700);
    }

    void motorMemoryStoreLoadDelete()
    {
        // 46, 41 and 47 are motor set members, 42 is out of range, 13 is no member, 3 is unknown.
        m_client->send(15, { { 46, 20 }, { 41, 60 }, { 42, 4001 }, { 13, 5 }, { 3, 1 } });
        m_client->send(15, { { 47, 30 } });
        m_client->send(15, { { 20, 15 } }); // M16
        QCOMPARE(m_client->waitFor(16).value(0).pairs, Pairs({ { 46, 0 }, { 41, 0 }, { 42, 4 }, { 13, 1 }, { 3, 1 }, { 47, 0 }, { 20, 0 } }));
        QCOMPARE(m_client->read(149), 0x8000); // bit n = memory n + 1

        QCOMPARE(m_client->write(46, 30), 0);
        m_client->send(13, { { 20, 15 } });
        QTRY_COMPARE(m_client->read(46), 20);
        m_client->poll();
        Pairs loaded;
        for (const auto &frame : m_client->received)
            loaded += frame.type == 14 ? frame.pairs : Pairs();
        QVERIFY(loaded.contains({ 41, 60 }) && loaded.contains({ 42, 100 })); // members not sent keep their value

        m_client->send(17, { { 20, 15 } });
        QCOMPARE(m_client->waitFor(18).value(0, { 0, 0xFF, false, {}, {} }).status, uint8_t(0));
        QCOMPARE(m_client->read(149), 0);
        // An empty memory loads nothing: the device information behind it comes alone.
        m_client->received.clear();
        m_client->send(13, { { 20, 15 } });
        m_client->send(9);
        QVERIFY(m_client->waitFor(10).size() == 1 && m_client->count(14) == 0);
    }

    void motorMemoryFailures_data()
    {
        QTest::addColumn<int>("injected");
        QTest::addColumn<uint16_t>("slot");
        QTest::addColumn<int>("status");

        QTest::newRow("memory unusable") << 0x10 << uint16_t(2) << 0x10;
        QTest::newRow("EEPROM write error") << 0x20 << uint16_t(2) << 0x20;
        QTest::newRow("no such memory") << 0 << uint16_t(16) << 0x10;
        QTest::newRow("far beyond") << 0 << uint16_t(0xFFFF) << 0x10;
    }

    void motorMemoryFailures()
    {
        QFETCH(int, injected);
        QFETCH(uint16_t, slot);
        m_sim->faults()->setMemoryFailure(CommErrorCode(injected));
        m_client->send(15, { { 46, 20 } });
        m_client->send(15, { { 20, slot } });
        const auto answer = m_client->waitFor(16);
        QCOMPARE(answer.size(), 1);
        QTEST(int(answer.first().status), "status");
        QVERIFY(answer.first().pairs.isEmpty() && m_client->read(149) == 0);
    }

    void clockAndCorruption()
    {
        m_client->sendBytes(TestFrame::make(11, 0, TestFrame::words({ 24, 12, 2024, 13, 45, 30 })));
        QTRY_VERIFY(m_sim->model()->clock().isValid());
        QCOMPARE(m_sim->model()->clock().toString("yyyy-MM-dd hh:mm"), QString("2024-12-24 13:45"));

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

private:
    QTemporaryDir m_dir;
    std::unique_ptr<InverterSimulator> m_sim;
    std::unique_ptr<SimTestClient> m_client;
};

QTEST_GUILESS_MAIN(tst_SimProtocol)
#include "tst_simprotocol.moc"
