// The simulated drive: ramps seen through frames, and the flags, electrical
// values, outputs and inputs stepped directly for exact numbers.
#include "DriveModel.h"
#include "InverterModel.h"
#include "InverterSimulator.h"
#include "SimTestClient.h"

#include <QtTest>

#include <memory>

class tst_SimDrive : public QObject
{
    Q_OBJECT

private slots:
    void rampUpReachesSetpointAndStopRampsDown();
    void rampSlopeFollowsRampTime_data();
    void rampSlopeFollowsRampTime();
    void setpointIsLimitedToMotorFrequencies();
    void startNeedsTheProgramAsSource();
    void startWithoutMotorTypeRaisesError9();
    void errorSwitchesTheOutputOff();
    void holdingBitWhileStandingWithHoldingCurrent();
    void electricalValuesWhileRunning();
    void outputBitsHonourInversion_data();
    void outputBitsHonourInversion();
    void inputBitsAndMotorCode();
    void resetInputClearsError();

private:
    // A model configured for a DASM motor started and set by the program.
    static void configure(InverterModel &model, uint16_t setpoint = 100);
};

void tst_SimDrive::configure(InverterModel &model, uint16_t setpoint)
{
    model.setRaw(90, 0x8002);  // MotorType DASM
    model.setRaw(140, 0x805D); // InputForStart
    model.setRaw(141, 0x805D); // InputForRatedFrequency
    model.setRaw(42, 200);     // MaximumMotorFrequency
    model.setRaw(46, 10);      // AccelerationRamp 1.0 s for 0..200 Hz
    model.setRaw(47, 20);      // DecelerationRamp 2.0 s
    model.setRaw(1, setpoint);
    model.setRaw(2, 1);
}

void tst_SimDrive::rampUpReachesSetpointAndStopRampsDown()
{
    InverterSimulator sim;
    QVERIFY(sim.start());
    SimTestClient client(sim.slavePath());
    QCOMPARE(client.write(90, 0x8002), 0);
    QCOMPARE(client.write(140, 0x805D), 0);
    QCOMPARE(client.write(141, 0x805D), 0);
    QCOMPARE(client.write(42, 400), 0);
    QCOMPARE(client.write(46, 10), 0); // 1 s from 0 to 400 Hz
    QCOMPARE(client.write(47, 10), 0);
    QCOMPARE(client.write(1, 300), 0);
    QCOMPARE(client.write(2, 1), 0);

    QTRY_VERIFY(client.read(27) & 0x0008);
    const int early = client.read(13);
    QVERIFY2(early < 300, qPrintable(QString::number(early)));
    QTRY_COMPARE_WITH_TIMEOUT(client.read(13), 300, 5000);
    QCOMPARE(client.read(10), 300);

    QCOMPARE(client.write(2, 0), 0);
    QTRY_COMPARE(client.read(10), 0);
    QTRY_COMPARE_WITH_TIMEOUT(client.read(13), 0, 5000);
    QTRY_COMPARE(client.read(27) & 0x0008, 0);
}

void tst_SimDrive::rampSlopeFollowsRampTime_data()
{
    QTest::addColumn<uint16_t>("maximum");
    QTest::addColumn<uint16_t>("rampTenths");
    QTest::addColumn<double>("afterTenthSecond");

    QTest::newRow("200 Hz in 1 s") << uint16_t(200) << uint16_t(10) << 20.0;
    QTest::newRow("200 Hz in 4 s") << uint16_t(200) << uint16_t(40) << 5.0;
    QTest::newRow("1000 Hz in 0.5 s") << uint16_t(1000) << uint16_t(5) << 200.0;
}

void tst_SimDrive::rampSlopeFollowsRampTime()
{
    QFETCH(uint16_t, maximum);
    QFETCH(uint16_t, rampTenths);
    QFETCH(double, afterTenthSecond);
    InverterModel model;
    DriveModel drive(&model);
    configure(model, maximum);
    model.setRaw(42, maximum);
    model.setRaw(46, rampTenths);
    model.setRaw(47, rampTenths);
    drive.step(0.1);
    QCOMPARE(drive.frequency(), afterTenthSecond);
    for (int i = 0; i < 100; ++i)
        drive.step(0.1);
    QCOMPARE(drive.frequency(), double(maximum));
    model.setRaw(2, 0);
    drive.step(0.1);
    QCOMPARE(drive.frequency(), maximum - afterTenthSecond);
}

void tst_SimDrive::setpointIsLimitedToMotorFrequencies()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model, 500); // above MaximumMotorFrequency
    drive.step(0.1);
    QCOMPARE(drive.targetFrequency(), 200.0);
    QCOMPARE(model.raw(10), uint16_t(200));
    QVERIFY(model.activeWarnings().contains(18));
    QCOMPARE(model.raw(27) & 0x0002, 0x0002);
    model.setRaw(1, 0); // below MinimumMotorFrequency
    drive.step(0.1);
    QCOMPARE(drive.targetFrequency(), 50.0);
    QVERIFY(!model.activeWarnings().contains(18));
}

void tst_SimDrive::startNeedsTheProgramAsSource()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model);
    model.setRaw(140, 0x805C); // start from the digital inputs
    drive.step(0.1);
    QVERIFY(!drive.outputOn());
    drive.setInputs(DriveModel::Din1); // DIN1 is Start/Stopp by default
    drive.step(0.1);
    QVERIFY(drive.outputOn());
    QCOMPARE(model.raw(27) & 0x0008, 0x0008);
}

void tst_SimDrive::startWithoutMotorTypeRaisesError9()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model);
    model.setRaw(90, 0x8001); // kein Motor
    drive.step(0.1);
    QVERIFY(!drive.outputOn());
    QCOMPARE(model.activeError(), uint16_t(9));
    QCOMPARE(model.raw(30), uint16_t(9));
    QCOMPARE(model.raw(2), uint16_t(0));
}

void tst_SimDrive::errorSwitchesTheOutputOff()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model);
    for (int i = 0; i < 5; ++i)
        drive.step(0.1);
    QVERIFY(drive.frequency() > 0);
    model.raiseError(16);
    drive.step(0.05);
    QVERIFY(!drive.outputOn());
    QCOMPARE(drive.frequency(), 0.0);
    QCOMPARE(model.raw(27), uint16_t(0x0004));
    QCOMPARE(model.raw(101) & 0x0004, 0x0004); // fault LED
    QCOMPARE(model.resetFaults(), CommErrorCode(0));
    drive.step(0.05);
    QVERIFY(!drive.outputOn()); // no restart without a new start command
}

void tst_SimDrive::holdingBitWhileStandingWithHoldingCurrent()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model);
    model.setRaw(2, 0);
    model.setRaw(57, 5); // HoldingCurrent 0.5 A
    drive.step(0.05);
    QCOMPARE(model.raw(27), uint16_t(0x0400));
    QCOMPARE(model.raw(18), uint16_t(25500)); // 0.5 A, offset encoded
    model.setRaw(2, 1);
    drive.step(0.05);
    QCOMPARE(model.raw(27), uint16_t(0x0008));
    model.setRaw(57, 0);
    model.setRaw(2, 0);
    for (int i = 0; i < 40; ++i)
        drive.step(0.1);
    QCOMPARE(model.raw(27), uint16_t(0));
}

void tst_SimDrive::electricalValuesWhileRunning()
{
    InverterModel model;
    DriveModel drive(&model);
    configure(model, 100);
    for (int i = 0; i < 30; ++i)
        drive.step(0.1);
    QCOMPARE(model.raw(13), uint16_t(100));
    // U/f with the default points (1 V at 0 Hz, 6 V from 100 Hz on).
    QCOMPARE(model.raw(15), uint16_t(60));
    QVERIFY(model.raw(18) > 25000);
    QVERIFY(model.raw(19) > 0);
    QVERIFY(model.raw(16) > 450 && model.raw(16) < 490); // DC link about 48 V
    QVERIFY(drive.heatSinkTemperature() > DriveModel::AmbientTemperature);
    QVERIFY(model.raw(21) > 0);                          // I²t load
}

void tst_SimDrive::outputBitsHonourInversion_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<uint16_t>("inversion");
    QTest::addColumn<uint16_t>("outputs");

    // Relay 1 "Motor läuft", relay 2 "Status Störung" (defaults), fault LED, operation LED.
    QTest::newRow("stopped") << false << uint16_t(0x00) << uint16_t(0x0);
    QTest::newRow("running") << true << uint16_t(0x00) << uint16_t(0x9);
    QTest::newRow("stopped, relay 1 inverted") << false << uint16_t(0x10) << uint16_t(0x1);
    QTest::newRow("running, all inverted") << true << uint16_t(0xF0) << uint16_t(0x6);
    QTest::newRow("stopped, LEDs inverted") << false << uint16_t(0xC0) << uint16_t(0xC);
}

void tst_SimDrive::outputBitsHonourInversion()
{
    QFETCH(bool, running);
    QFETCH(uint16_t, inversion);
    QFETCH(uint16_t, outputs);
    InverterModel model;
    DriveModel drive(&model);
    configure(model);
    model.setRaw(2, running ? 1 : 0);
    QCOMPARE(model.write(101, uint16_t(inversion | 0x000F)), CommErrorCode(0)); // the output bits are not settings
    drive.step(0.05);
    QCOMPARE(model.raw(101), uint16_t(inversion | outputs));
}

void tst_SimDrive::inputBitsAndMotorCode()
{
    InverterModel model;
    DriveModel drive(&model);
    model.setRaw(112, 0x8040); // DIN3: motor code bit 0
    model.setRaw(115, 0x8040); // DIN6: motor code bit 3
    drive.setInputs(DriveModel::Din3 | DriveModel::Din6 | DriveModel::PlcInput);
    drive.step(0.05);
    QCOMPARE(model.raw(102), uint16_t(0x0084 | 0x0020));
    QCOMPARE(model.raw(20), uint16_t(9));
}

void tst_SimDrive::resetInputClearsError()
{
    InverterModel model;
    DriveModel drive(&model);
    model.raiseError(4);
    drive.setInputs(DriveModel::Din3); // DIN3 default: Drehrichtung
    drive.step(0.05);
    QCOMPARE(model.activeError(), uint16_t(4));
    drive.setInputs(DriveModel::Din3 | DriveModel::Din2); // DIN2 default: Reset, on its rising edge
    drive.step(0.05);
    QCOMPARE(model.activeError(), uint16_t(0));
}

QTEST_GUILESS_MAIN(tst_SimDrive)
#include "tst_simdrive.moc"
