// The dataset controller connected to a fake inverter: what it puts on the wire.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "FakeD2xxSource.h"
#include "FakeInverter.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// Frame types and parameter numbers restated from the protocol description.
constexpr uint8_t CurrentParametersetRequest = 4;
constexpr uint8_t ParameterRequest = 6;
constexpr uint8_t SetParameterCommand = 8;
constexpr uint8_t WriteMotorParamsCommand = 15;
enum : uint16_t {
    RatedFrequency = 1,
    StartStop = 2,
    InverterFlags = 27,
    MaximumMotorFrequency = 42,
    AccelerationRamp = 46,
    StartupCurrent = 52,
    MotorType = 90,
    InputForStart = 140,
};
constexpr int MotorRuns = 0x0008;
constexpr uint16_t Dasm = 0x8002;
constexpr uint16_t InputTorvana = 0x805D;

using Numbers = QList<int>;
} // namespace

class TestDatasetTransmission : public QObject
{
    Q_OBJECT

    FakeD2xxSource *m_source = nullptr;
    FakeInverter *m_inverter = nullptr;
    CommunicationController *m_comm = nullptr;
    DatasetController *m_model = nullptr;

    // The pairs of every frame of one type that the program sent, frame by frame.
    QVector<QMap<uint16_t, uint16_t>> sent(uint8_t type) const
    {
        QVector<QMap<uint16_t, uint16_t>> frames;
        for (const auto &f : m_inverter->received) {
            if (f.type != type)
                continue;
            QMap<uint16_t, uint16_t> pairs;
            for (const auto &p : f.pairs)
                pairs.insert(p.first, p.second);
            frames.append(pairs);
        }
        return frames;
    }

    static Numbers numbersOf(const QMap<uint16_t, uint16_t> &pairs)
    {
        Numbers numbers;
        for (uint16_t id : pairs.keys())
            numbers.append(id);
        return numbers;
    }

    void startMotor()
    {
        m_inverter->values[InverterFlags] = MotorRuns;
        QTRY_VERIFY(m_model->motorRunning());
    }

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        D2xx::setTestSource(m_source = new FakeD2xxSource);
        m_source->addDevice("INVERTER");
        m_inverter = new FakeInverter(*m_source, 0);
        m_inverter->values = {{36, 0x1211}, {39, 4711}};
        m_model = new DatasetController(m_comm = new CommunicationController);
        QVERIFY(QSignalSpy(m_comm, &CommunicationController::connectedToDevice).wait(3000));
    }

    void cleanup()
    {
        delete m_model, delete m_comm, delete m_inverter;
        D2xx::setTestSource(nullptr);
        delete m_source;
    }

    void pollsTheCyclicListWhileConnected()
    {
        const Numbers firstHalf{10, 11, 13, 15, 16, 18, 19, 20, 21, 25, 26, 27};
        const Numbers secondHalf{30, 31, 32, 33, 34, 97, 98, 99, 100, 101, 102, 149};
        QTRY_VERIFY(sent(ParameterRequest).count() >= 3);
        const auto requests = sent(ParameterRequest);
        const int at = int(std::find_if(requests.begin(), requests.end(),
                                        [&](const auto &r) { return numbersOf(r) == firstHalf; })
                           - requests.begin());
        QVERIFY2(at + 1 < requests.size(), "no cyclic request");
        QCOMPARE(numbersOf(requests.at(at + 1)), secondHalf);
    }

    void motorStartRequestsTheStoppedOnlyList()
    {
        const auto requested = [this] {
            Numbers numbers;
            for (const auto &r : sent(ParameterRequest))
                if (r.contains(41) || r.contains(129))
                    numbers += numbersOf(r);
            return numbers;
        };
        QCOMPARE(requested(), Numbers{});
        startMotor();
        QTRY_COMPARE(requested(), (Numbers{41, 42, 44, 53, 54, 75, 76, 77, 90, 91, 92, 93,
                                           94, 96, 110, 111, 112, 113, 114, 115, 116, 129}));
    }

    void transmissionFollowsMotorTypeAndState_data()
    {
        QTest::addColumn<int>("motorType");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("inputForStart");
        QTest::addColumn<Numbers>("first");
        QTest::addColumn<Numbers>("included");
        QTest::addColumn<Numbers>("excluded");

        const Numbers operating{10, 11, 27, 36, 39, 149};
        QTest::newRow("no motor") << 0x8001 << false << 0x805C << Numbers{2, 90, 140, 141} << Numbers{} << Numbers{};
        QTest::newRow("DASM stopped") << 0x8002 << false << 0x805C << Numbers{2, 90, 140, 141}
                                      << Numbers{1, 8, 41, 46, 55, 56, 57, 60, 61, 71, 76, 96, 101, 110, 146}
                                      << Numbers{51, 52, 53, 54} + operating;
        QTest::newRow("PMSM stopped") << 0x8003 << false << 0x805C << Numbers{2, 90, 140, 141}
                                      << Numbers{1, 41, 51, 52, 53, 54, 57, 96}
                                      << Numbers{55, 56, 60, 61, 71, 72, 73} + operating;
        QTest::newRow("PMSM running, started here")
            << 0x8003 << true << 0x805D << Numbers{140, 141} << Numbers{1, 46, 51, 52, 57, 101, 120}
            << Numbers{41, 42, 44, 53, 54, 75, 76, 77, 91, 96, 110, 129} + operating;
        QTest::newRow("DASM running, started by inputs")
            << 0x8002 << true << 0x805C << Numbers{2, 140, 141} << Numbers{1, 55, 57}
            << Numbers{41, 42, 90, 110} + operating;
    }

    void transmissionFollowsMotorTypeAndState()
    {
        QFETCH(int, motorType);
        QFETCH(bool, running);
        QFETCH(int, inputForStart);
        QFETCH(Numbers, first);
        QFETCH(Numbers, included);
        QFETCH(Numbers, excluded);

        m_model->setValue(MotorType, motorType);
        m_model->setValue(InputForStart, inputForStart);
        if (running)
            startMotor();
        m_inverter->received.clear();

        m_model->sendChangedParametersToInverter();
        QTRY_VERIFY(!sent(SetParameterCommand).isEmpty());
        const auto frames = sent(SetParameterCommand);
        QCOMPARE(numbersOf(frames.first()), first);
        QVERIFY(frames.first().value(StartStop, 0) == 0 && frames.first().value(InputForStart) == inputForStart);
        if (first.contains(MotorType))
            QCOMPARE(frames.first().value(MotorType), uint16_t(motorType));

        QMap<uint16_t, uint16_t> second;
        for (int i = 1; i < frames.size(); ++i)
            second.insert(frames.at(i));
        QCOMPARE(second.isEmpty(), motorType == 0x8001);
        for (int id : included)
            QVERIFY2(second.contains(uint16_t(id)), qPrintable(QString("P%1 missing").arg(id)));
        for (int id : excluded + Numbers{StartStop, MotorType, 140, 141})
            QVERIFY2(!second.contains(uint16_t(id)), qPrintable(QString("P%1 sent").arg(id)));
        if (!second.isEmpty())
            QCOMPARE(second.value(RatedFrequency), m_model->rawValue(RatedFrequency));
    }

    void motorSetHoldsTheParametersOfItsMotorType_data()
    {
        QTest::addColumn<int>("motorType");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("absent");
        QTest::newRow("DASM") << 0x8002 << 35 << 55 << 51;
        QTest::newRow("PMSM") << 0x8003 << 27 << 51 << 55;
    }

    void motorSetHoldsTheParametersOfItsMotorType()
    {
        QFETCH(int, motorType);
        QFETCH(int, present);
        QFETCH(int, absent);
        m_model->setValue(MotorType, motorType);
        startMotor(); // writability is not asked for motor sets
        m_inverter->received.clear();
        m_model->saveMotorParamsToDevice(7);
        QTRY_VERIFY(!sent(WriteMotorParamsCommand).isEmpty());

        const auto frames = sent(WriteMotorParamsCommand);
        QCOMPARE(frames.last(), (QMap<uint16_t, uint16_t>{{20, 7}}));
        QMap<uint16_t, uint16_t> set;
        for (int i = 0; i + 1 < frames.size(); ++i)
            set.insert(frames.at(i));
        QTEST(set.size(), "count");
        QVERIFY(set.contains(57) && set.contains(uint16_t(present)) && !set.contains(uint16_t(absent)));
        QCOMPARE(set.value(MotorType), uint16_t(motorType));
    }

    void startAndStopSendTheSetFrequencyAndStartStop()
    {
        m_model->setValue(RatedFrequency, 80);
        m_inverter->received.clear();
        m_model->sendStartCommand();
        QTRY_COMPARE(sent(SetParameterCommand), (QVector<QMap<uint16_t, uint16_t>>{{{RatedFrequency, 80}}, {{StartStop, 1}}}));

        m_inverter->received.clear();
        m_model->sendStopCommand();
        QTRY_COMPARE(sent(SetParameterCommand), (QVector<QMap<uint16_t, uint16_t>>{{{StartStop, 0}}, {{RatedFrequency, 0}}}));
        QCOMPARE(m_model->value(RatedFrequency), 80.0);

        // Already running: only the set frequency goes out.
        startMotor();
        m_inverter->received.clear();
        m_model->sendStartCommand();
        QTRY_VERIFY(!sent(SetParameterCommand).isEmpty());
        QCOMPARE(sent(SetParameterCommand), (QVector<QMap<uint16_t, uint16_t>>{{{RatedFrequency, 80}}}));
    }

    void losingTheConnectionStopsTheMotorStateAndLimits()
    {
        m_inverter->values[36] = 0x1234;
        m_model->deviceInformationUpdate(0x1234, 1, "proto");
        QCOMPARE(m_model->maximum(StartupCurrent), 5.0);
        startMotor();
        QSignalSpy operation(m_model, &DatasetController::motorOperationChanged);
        m_comm->suspend();
        QTRY_COMPARE(operation.count(), 1);
        QVERIFY(operation.first() == (QList<QVariant>{false, false}) && m_model->maximum(StartupCurrent) == 16.0);
    }
    void deviceImageFollowsReadsAndWrites_data()
    {
        QTest::addColumn<bool>("userEdit");
        QTest::newRow("nothing of the user's: the set is taken") << false;
        QTest::newRow("an edit before connecting: the edit is kept") << true;
    }

    // The inverter holds other values than the catalogue's defaults; a
    // reconnect reads them once, and writes the inverter accepted become its image.
    void deviceImageFollowsReadsAndWrites()
    {
        QFETCH(bool, userEdit);
        m_comm->suspend();
        QTRY_COMPARE(m_comm->state(), CommunicationController::Suspended);
        for (uint16_t id = 1; id < 150; ++id)
            if (m_model->descriptor(id))
                m_inverter->values.insert(id, m_model->rawValue(id));
        m_inverter->values[MotorType] = Dasm;
        m_inverter->values[MaximumMotorFrequency] = 900;
        m_inverter->values[InputForStart] = InputTorvana;
        if (userEdit) {
            m_model->setValue(MotorType, Dasm, false);
            m_model->setValue(AccelerationRamp, 7, false);
        }
        m_inverter->received.clear();
        QSignalSpy sets(m_comm, &CommunicationController::currentParametersetReceived);
        m_comm->resume();
        QVERIFY(sets.wait(3000));
        QTest::qWait(100);
        QCOMPARE(m_inverter->countOf(CurrentParametersetRequest), 1);
        QCOMPARE(m_model->holdsUserChanges(), userEdit);
        QCOMPARE(m_model->rawValue(MaximumMotorFrequency), uint16_t(userEdit ? 100 : 900));
        const QVector<uint16_t> kept{MaximumMotorFrequency, AccelerationRamp, InputForStart};
        QCOMPARE(m_model->differingParameters(), userEdit ? kept : QVector<uint16_t>());

        // Accepted writes become the image; a refused one stays a difference.
        m_inverter->refusals[AccelerationRamp] = 2;
        m_model->setValue(MaximumMotorFrequency, 1200, false);
        QSignalSpy done(m_model, &DatasetController::parameterStatesComplete);
        m_model->sendChangedParametersToInverter();
        QVERIFY(done.wait(3000));
        const QVector<uint16_t> refused{AccelerationRamp};
        QCOMPARE(m_model->differingParameters(), userEdit ? refused : QVector<uint16_t>());
        QCOMPARE(m_model->deviceRawValue(MaximumMotorFrequency), uint16_t(1200));

        // The stop's set-point 0 is a command, not a setting.
        m_model->sendStopCommand();
        QTRY_VERIFY(!sent(SetParameterCommand).isEmpty()
                    && sent(SetParameterCommand).last().value(RatedFrequency, 1) == 0);
        QTest::qWait(150);
        QVERIFY(!m_model->differsFromDevice(RatedFrequency));

        m_comm->suspend();
        QTRY_VERIFY(m_model->deviceImageStaleSince().isValid());
    }
};

QTEST_GUILESS_MAIN(TestDatasetTransmission)
#include "tst_datasettransmission.moc"
