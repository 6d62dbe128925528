// The simulated drive stepped directly for exact numbers.
#include "DriveModel.h"
#include "InverterModel.h"

#include <QtTest>

#include <memory>

using Pairs = QVector<QPair<uint16_t, uint16_t>>;

class tst_SimDrive : public QObject
{
    Q_OBJECT

    std::unique_ptr<InverterModel> m_model;
    std::unique_ptr<DriveModel> m_drive;

    uint16_t raw(uint16_t id) const { return m_model->raw(id); }
    void step(int times, double seconds = 0.1)
    {
        for (int i = 0; i < times; ++i)
            m_drive->step(seconds);
    }

private slots:
    // A DASM motor started and set by the program, 200 Hz at most, 1 s up and 2 s down.
    void init()
    {
        m_model = std::make_unique<InverterModel>();
        m_drive = std::make_unique<DriveModel>(m_model.get());
        for (const auto &[id, value] : Pairs { { 90, 0x8002 }, { 140, 0x805D }, { 141, 0x805D },
                                                                           { 42, 200 }, { 46, 10 }, { 47, 20 }, { 1, 100 }, { 2, 1 } })
            m_model->setRaw(id, value);
    }

    void rampSlopeFollowsRampTime_data()
    {
        QTest::addColumn<uint16_t>("maximum");
        QTest::addColumn<uint16_t>("up");
        QTest::addColumn<double>("afterTenthSecond");
        QTest::addColumn<double>("downAfterTenthSecond");
        QTest::newRow("200 Hz in 1 s, 2 s down") << uint16_t(200) << uint16_t(10) << 20.0 << 10.0;
        QTest::newRow("1000 Hz in 0.5 s, 2 s down") << uint16_t(1000) << uint16_t(5) << 200.0 << 50.0;
    }

    void rampSlopeFollowsRampTime()
    {
        QFETCH(uint16_t, maximum);
        m_model->setRaw(42, maximum);
        m_model->setRaw(1, maximum);
        QFETCH(uint16_t, up);
        m_model->setRaw(46, up);
        step(1);
        QTEST(m_drive->frequency(), "afterTenthSecond");
        step(100);
        QVERIFY(m_drive->frequency() == maximum && raw(13) == maximum);
        m_model->setRaw(2, 0);
        step(1);
        QFETCH(double, downAfterTenthSecond);
        QCOMPARE(m_drive->frequency(), maximum - downAfterTenthSecond);
    }

    // Raw values set, inputs applied and steps of 0.1 s run; then the raw values expected.
    void states_data()
    {
        QTest::addColumn<Pairs>("set");
        QTest::addColumn<int>("inputs");
        QTest::addColumn<Pairs>("expected");
        QTest::newRow("set point above the maximum: limited, warning 18")
            << Pairs { { 1, 500 } } << 0 << Pairs { { 10, 200 }, { 27, 0x000A }, { 30, 18 } };
        QTest::newRow("set point below the minimum") << Pairs { { 1, 0 } } << 0 << Pairs { { 10, 50 }, { 27, 0x0008 } };
        QTest::newRow("start from the inputs, none set") << Pairs { { 140, 0x805C } } << 0 << Pairs { { 27, 0 } };
        QTest::newRow("start from DIN1") << Pairs { { 140, 0x805C } } << int(DriveModel::Din1) << Pairs { { 27, 0x0008 } };
        QTest::newRow("kein Motor: error 9, start dropped") << Pairs { { 90, 0x8001 } } << 0 << Pairs { { 30, 9 }, { 2, 0 }, { 27, 0x0004 } };
        QTest::newRow("holding current while standing")
            << Pairs { { 2, 0 }, { 57, 5 } } << 0 << Pairs { { 27, 0x0400 }, { 18, 25500 } };
        QTest::newRow("running: U/f default points, 6 V from 100 Hz") << Pairs {} << 0 << Pairs { { 13, 100 }, { 15, 60 } };
        // Relay 1 "Motor läuft", relay 2 "Status Störung" (defaults), fault LED, operation LED; output bits are no settings.
        QTest::newRow("outputs stopped") << Pairs { { 2, 0 }, { 101, 0x000F } } << 0 << Pairs { { 101, 0x0 } };
        QTest::newRow("outputs running") << Pairs { { 101, 0x000F } } << 0 << Pairs { { 101, 0x9 } };
        QTest::newRow("outputs stopped, relay 1 inverted") << Pairs { { 2, 0 }, { 101, 0x001F } } << 0 << Pairs { { 101, 0x11 } };
        QTest::newRow("outputs running, all inverted") << Pairs { { 101, 0x00FF } } << 0 << Pairs { { 101, 0xF6 } };
        QTest::newRow("outputs stopped, LEDs inverted") << Pairs { { 2, 0 }, { 101, 0x00CF } } << 0 << Pairs { { 101, 0xCC } };
        QTest::newRow("inputs and motor code") << Pairs { { 2, 0 }, { 112, 0x8040 }, { 115, 0x8040 } }
                                               << int(DriveModel::Din3 | DriveModel::Din6 | DriveModel::PlcInput)
                                               << Pairs { { 102, 0x00A4 }, { 20, 9 } };
    }

    void states()
    {
        QFETCH(Pairs, set);
        QFETCH(int, inputs);
        for (const auto &[id, value] : set) {
            if (id == 101)
                QCOMPARE(m_model->write(id, value), CommErrorCode(0));
            else
                m_model->setRaw(id, value);
        }
        m_drive->setInputs(uint16_t(inputs));
        step(30);
        QFETCH(Pairs, expected);
        for (const auto &[id, value] : expected)
            QVERIFY2(raw(id) == value, qPrintable(QString("P%1 is 0x%2").arg(id).arg(raw(id), 0, 16)));
    }

    void errorSwitchesTheOutputOff()
    {
        step(5);
        QVERIFY(m_drive->frequency() > 0);
        m_model->raiseError(16);
        step(1, 0.05);
        QVERIFY(!m_drive->outputOn() && m_drive->frequency() == 0.0);
        QVERIFY(raw(27) == 0x0004 && raw(101) & 0x0004); // fault LED
        QCOMPARE(m_model->resetFaults(), CommErrorCode(0));
        step(1, 0.05);
        QVERIFY(!m_drive->outputOn()); // no restart without a new start command
    }

    void electricalValuesAndHolding()
    {
        m_model->setRaw(57, 5); // HoldingCurrent 0.5 A
        step(30);
        QVERIFY(raw(18) > 25000 && raw(19) > 0 && raw(21) > 0);
        QVERIFY(raw(16) > 450 && raw(16) < 490); // DC link about 48 V
        QVERIFY(m_drive->heatSinkTemperature() > DriveModel::AmbientTemperature);
        m_model->setRaw(57, 0);
        m_model->setRaw(2, 0);
        step(40);
        QCOMPARE(raw(27), uint16_t(0)); // no holding bit without holding current
    }

    void resetInputClearsError()
    {
        m_model->raiseError(4);
        m_drive->setInputs(DriveModel::Din3); // DIN3 default: Drehrichtung
        step(1);
        QCOMPARE(m_model->activeError(), uint16_t(4));
        m_drive->setInputs(DriveModel::Din3 | DriveModel::Din2); // DIN2 default: Reset, on its rising edge
        step(1);
        QCOMPARE(m_model->activeError(), uint16_t(0));
    }
};

QTEST_GUILESS_MAIN(tst_SimDrive)
#include "tst_simdrive.moc"
