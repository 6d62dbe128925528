// The dataset controller without traffic (the communication controller never connects).
#include "CommunicationController.h"
#include "D2xxSource.h"
#include "DatasetController.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {
// Parameter numbers and codes restated from the inverter's documentation.
enum : uint16_t {
    RatedFrequency = 1,
    SpeedDisplay = 8,
    MotorCurrent = 18,
    InverterFlags = 27,
    MinimumMotorFrequency = 41,
    MaximumMotorFrequency = 42,
    MotorPeakCurrent = 44,
    StartupCurrent = 52,
    DCBrakeCurrent = 56,
    Frequency1 = 61,
    Frequency2 = 63,
    Frequency3 = 65,
    I2TThreshold = 75,
    I2TPeriod = 76,
    MotorType = 90,
    RatedMotorCurrent = 93,
    PolePairs = 96,
    RelayAndLEDControl = 101,
    MotorCode = 20,
};
constexpr double InRpm = 0x8006;
using States = QMap<uint16_t, CommErrorCode>;
} // namespace

class TestDatasetController : public QObject
{
    Q_OBJECT

    CommunicationController *m_comm = nullptr;
    DatasetController *m_model = nullptr;

    void setRaw(uint16_t id, uint16_t raw) { m_model->setRawValue(m_model->descriptor(id), raw); }

private slots:
    void initTestCase() { D2xx::setSystemSourcesEnabled(false); }

    void init() { m_model = new DatasetController(m_comm = new CommunicationController); }
    void cleanup() { delete m_model, delete m_comm; }

    void unknownNumbersAndCodesChangeNothing()
    {
        QVERIFY(m_model->value(3) == 0 && m_model->setValue(3, 5) == 0 && m_model->rawValue(150) == 0);
        m_model->setValue(MotorType, 0x8002);
        QCOMPARE(m_model->setValue(MotorType, 0x1234), double(0x8002));
        setRaw(MotorType, 0x1234);
        QCOMPARE(m_model->rawValue(MotorType), uint16_t(0x8002));
    }

    void speedEntriesRoundToWholeHertz_data()
    {
        QTest::addColumn<double>("entry");
        QTest::addColumn<double>("shown");
        QTest::addColumn<int>("raw");
        QTest::newRow("exact") << 60000.0 << 60000.0 << 2000;
        QTest::newRow("rounded up") << 59999.0 << 60000.0 << 2000;
        QTest::newRow("rounded down") << 60014.0 << 60000.0 << 2000;
        QTest::newRow("next step") << 60015.0 << 60030.0 << 2001;
    }

    void speedEntriesRoundToWholeHertz()
    {
        QFETCH(double, entry);
        m_model->setValue(MaximumMotorFrequency, 4000);
        m_model->setValue(PolePairs, 2);
        QSignalSpy speedDisplay(m_model, &DatasetController::speedDisplayChanged);
        m_model->setValue(SpeedDisplay, InRpm);
        QCOMPARE(speedDisplay.count(), 1);

        QTEST(m_model->setValue(RatedFrequency, entry), "shown");
        QTEST(int(m_model->rawValue(RatedFrequency)), "raw");
        QCOMPARE(QVector<double>({m_model->resolution(RatedFrequency), m_model->minimum(RatedFrequency),
                                  m_model->maximum(RatedFrequency), m_model->resolution(MotorPeakCurrent)}),
                 QVector<double>({30, 1500, 120000, 0.1}));
        QCOMPARE(m_model->caption(RatedFrequency), QString("Drehzahlsollwert: "));
    }

    void polePairsChangeIsAnnouncedOnlyInRpm()
    {
        QSignalSpy polePairs(m_model, &DatasetController::motorPolePairsChanged);
        QSignalSpy motorSet(m_model, &DatasetController::motorParametersetValueChanged);
        m_model->setValue(PolePairs, 2);
        QVERIFY(polePairs.isEmpty() && motorSet.count() == 1);
        m_model->setValue(SpeedDisplay, InRpm);
        m_model->setValue(PolePairs, 3);
        QCOMPARE(polePairs.count(), 1);
        m_model->setValue(PolePairs, 3);
        QCOMPARE(motorSet.count(), 2);
    }

    void dynamicLimitsFollowOtherParameters()
    {
        m_model->setValue(MaximumMotorFrequency, 1000);
        QCOMPARE(m_model->setValue(RatedFrequency, 1500), 1000.0);
        QCOMPARE(m_model->setValue(RatedFrequency, 2), 50.0); // minimum motor frequency

        m_model->setValue(Frequency3, 300);
        m_model->setValue(Frequency2, 200);
        m_model->setValue(Frequency1, 150);
        QCOMPARE(m_model->setValue(Frequency2, 400), 300.0);
        QCOMPARE(m_model->setValue(Frequency2, 100), 150.0);

        // Lowering the maximum lowers the set frequency at its next reading, quietly.
        m_model->setValue(RatedFrequency, 900);
        m_model->setValue(MaximumMotorFrequency, 400);
        QSignalSpy updated(m_model, &DatasetController::parametersUpdated);
        QCOMPARE(m_model->rawValue(RatedFrequency), uint16_t(900));
        QCOMPARE(m_model->value(RatedFrequency), 400.0);
        QCOMPARE(m_model->rawValue(RatedFrequency), uint16_t(400));
        QCOMPARE(updated.count(), 0);
    }

    void currentLimitsFollowTheInverterType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("limit");
        QTest::newRow("16 A type") << 0x1212 << 16.0;
        QTest::newRow("10 A type") << 0x1211 << 10.0;
        QTest::newRow("5 A type") << 0x1210 << 5.0;
        QTest::newRow("unknown type, not connected") << 0x1234 << 16.0;
    }

    void currentLimitsFollowTheInverterType()
    {
        QFETCH(int, type);
        QFETCH(double, limit);
        m_model->deviceInformationUpdate(uint16_t(type), 1, "v1");
        QVERIFY(m_model->maximum(StartupCurrent) == limit && m_model->maximum(DCBrakeCurrent) == limit);
        QCOMPARE(m_model->setValue(StartupCurrent, 12), std::min(limit, 12.0));
        QCOMPARE(m_model->isUnknownInverterType(), type == 0x1234);
    }

    void i2tTimeIsShownAsTripTime()
    {
        m_model->setValue(RatedMotorCurrent, 10);
        m_model->setValue(I2TThreshold, 100);
        m_model->setValue(MotorPeakCurrent, 20);
        const double factor = -std::log(0.75); // r = 10 A / 20 A
        setRaw(I2TPeriod, 100);
        QVERIFY(qFuzzyCompare(m_model->value(I2TPeriod), 100 * factor));
        QVERIFY(m_model->minimum(I2TPeriod) == 1.0 && m_model->maximum(I2TPeriod) == std::floor(3600 * factor));
        QVERIFY(qFuzzyCompare(m_model->setValue(I2TPeriod, 50), 50.0));
        QCOMPARE(m_model->rawValue(I2TPeriod), uint16_t(std::lround(50 / factor)));

        // Peak current not above the threshold: no trip time, the constant stays.
        const uint16_t before = m_model->rawValue(I2TPeriod);
        m_model->setValue(MotorPeakCurrent, 10);
        QCOMPARE(QVector<double>({m_model->value(I2TPeriod), m_model->minimum(I2TPeriod), m_model->maximum(I2TPeriod),
                                  m_model->setValue(I2TPeriod, 30)}), QVector<double>(4, -1.0));
        QCOMPARE(m_model->rawValue(I2TPeriod), before);
        m_model->setValue(I2TThreshold, 0); // threshold 0: factor 0, equally undefined
        m_model->setValue(MotorPeakCurrent, 20);
        QCOMPARE(m_model->value(I2TPeriod), -1.0);
    }

    void inverterFlagsAnnounceEachChangedBit()
    {
        QSignalSpy operation(m_model, &DatasetController::motorOperationChanged);
        QSignalSpy state(m_model, &DatasetController::inverterStateChanged);
        bool runningSeenBySlot = false;
        connect(m_model, &DatasetController::motorOperationChanged, this,
                [&] { runningSeenBySlot = m_model->motorRunning() && !m_model->isWritable(MinimumMotorFrequency); });

        setRaw(InverterFlags, 0x0408 | 0x0006);
        const QList<QVariant> on{true, true}, off{false, false};
        QVERIFY(operation.count() == 2 && operation.at(0) == on && operation.at(1) == on);
        QVERIFY(state.count() == 1 && state.at(0) == on);
        QVERIFY(runningSeenBySlot && m_model->isWritable(RatedFrequency) && !m_model->isWritable(MotorCurrent));

        setRaw(InverterFlags, 0x040E); // same bits again, nothing new
        setRaw(InverterFlags, 0x040E);
        QCOMPARE(operation.count(), 2);

        emit m_comm->disconnectedFromDevice(); // stopped, no error, no warning
        QVERIFY(operation.count() == 4 && operation.last() == off && state.last() == off);
        QVERIFY(!m_model->motorRunning() && !m_model->errorActive());
    }

    void actorInversionChangesItsBitsOnly()
    {
        setRaw(RelayAndLEDControl, 0x0130);
        QSignalSpy updated(m_model, &DatasetController::parametersUpdated);
        m_model->invertAllActors(true);
        QCOMPARE(m_model->rawValue(RelayAndLEDControl), uint16_t(0x01F0));
        m_model->invertAllActors(false);
        QCOMPARE(m_model->rawValue(RelayAndLEDControl), uint16_t(0x0100));
        m_model->invertRelay2(true);
        m_model->invertOperationLed(true);
        m_model->invertRelay2(false);
        QCOMPARE(m_model->rawValue(RelayAndLEDControl), uint16_t(0x0180));
        QCOMPARE(updated.count(), 0);
    }

    void deviceValuesAreSortedIntoSettingsAndOperatingValues()
    {
        QSignalSpy settings(m_model, &DatasetController::parametersUpdated);
        QSignalSpy operating(m_model, &DatasetController::diagnosticsParametersUpdated);
        m_model->deviceParameterUpdate({{13, 120}, {3, 7}});
        QVERIFY(settings.count() == 0 && operating.count() == 1);
        m_model->deviceParameterUpdate({{RelayAndLEDControl, 0x10}, {13, 120}});
        QVERIFY(settings.count() == 1 && operating.count() == 1);

        QSignalSpy info(m_model, &DatasetController::inverterDataUpdated);
        m_model->deviceInformationUpdate(0x1211, 42, "v2.0");
        m_model->deviceInformationUpdate(0x1211, 42, "v2.0");
        m_model->deviceInformationUpdate(0x1211, 42, "v2.1");
        QVERIFY(info.count() == 2 && m_model->deviceFirmware() == "v2.1");
    }

    void transmissionSummary_data()
    {
        QTest::addColumn<States>("answer");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("text");
        // With "kein Motor" and the motor stopped, 2, 90, 140 and 141 are sent.
        QTest::newRow("accepted") << States{{2, 0}, {90, 0}, {140, 0}, {141, 0}, {7, 4}}
                                  << 0 << QString();
        QTest::newRow("refused")
            << States{{2, 4}, {90, 1}, {140, 2}, {141, 4}} << 0xFF
            << QString::fromUtf8("Folgende Parameter konnten nicht übernommen werden:\n\nParameter-Ids ungültig:\nP90"
                                 "\n\nParameteränderungen nicht zulässig:\nP140"
                                 "\n\nZu setzender Wert ist außerhalb des gültigen Bereichs:\nP2, P141");
    }

    void transmissionSummary()
    {
        QFETCH(States, answer);
        QSignalSpy complete(m_model, &DatasetController::parameterStatesComplete);
        QSignalSpy stored(m_model, &DatasetController::writeMotorParametersetDone);
        m_model->saveMotorParamsToDevice(4); // a motor set store waits for its answer meanwhile
        m_model->sendChangedParametersToInverter();
        m_model->parameterStates({{2, 0}, {7, 0}}); // partial: wait for the rest
        m_model->motorParameterStates({{MotorCode, 0}}, 0);
        QCOMPARE(complete.count(), 0);
        QVERIFY(stored.count() == 1 && !stored.at(0).at(1).toString().contains(QStringLiteral("P140")));
        m_model->parameterStates(answer);
        QCOMPARE(complete.count(), 1);
        QTEST(int(complete.at(0).at(0).value<CommErrorCode>()), "error");
        QTEST(complete.at(0).at(1).toString(), "text");
        m_model->parameterStates(answer); // nothing pending any more
        QCOMPARE(complete.count(), 1);
    }

    void motorSetSummaryNamesUnansweredParameters()
    {
        m_model->setValue(MotorType, 0x8002);
        QSignalSpy done(m_model, &DatasetController::writeMotorParametersetDone);
        m_model->saveMotorParamsToDevice(4);
        QMap<uint16_t, CommErrorCode> answer;
        for (uint16_t id : {41, 42, 44, 46, 47, 55, 56, 57, 60, 61, 62, 63, 64, 65, 66, 71, 72, 73, 75, 76, 77, 79, 80,
                            81, 82, 83, 84, 85, 86, 90, 91, 92, 93})
            answer.insert(id, 0);
        answer[44] = 4;
        m_model->motorParameterStates(answer, 0);
        QCOMPARE(done.count(), 0); // incomplete without the memory slot entry
        m_model->motorParameterStates({{MotorCode, 0}}, 0);
        QVERIFY(done.count() == 1 && done.at(0).at(0).value<CommErrorCode>() == 0xFF);
        QCOMPARE(done.at(0).at(1).toString(),
                 QString::fromUtf8("Folgende Parameter konnten nicht gesetzt werden:"
                                   "\n\nZu setzender Wert ist außerhalb des gültigen Bereichs:\nP44"
                                   "\n\nKeine Rückmeldung zu folgenden Parametern:\nP94, P96"));

        m_model->saveMotorParamsToDevice(4);
        m_model->motorParameterStates({}, 0x20);
        QCOMPARE(done.count(), 2);
        QCOMPARE(done.at(1), (QList<QVariant>{QVariant::fromValue(CommErrorCode(0x20)), QString()}));
    }
};

QTEST_GUILESS_MAIN(TestDatasetController)
#include "tst_datasetcontroller.moc"
