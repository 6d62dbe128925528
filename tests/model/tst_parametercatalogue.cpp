#include "ParameterCatalogue.h"

#include <QSet>
#include <QtTest>

using Ids = QVector<uint16_t>;

namespace {

// Inclusive ranges written out, so the expected lists read like the documentation.
Ids expand(std::initializer_list<std::pair<int, int>> ranges)
{
    Ids ids;
    for (const auto &r : ranges)
        for (int id = r.first; id <= r.second; ++id)
            ids.append(uint16_t(id));
    return ids;
}

template<typename Pred>
Ids select(const ParameterCatalogue &c, Pred pred)
{
    Ids ids;
    for (uint16_t id : c.ids())
        if (pred(*c.descriptor(id)))
            ids.append(id);
    return ids;
}

} // namespace

class TestParameterCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void derivedLists_data()
    {
        QTest::addColumn<Ids>("actual");
        QTest::addColumn<Ids>("expected");
        static ParameterCatalogue c;
        const auto only = [](int32_t mask) {
            return select(c, [mask](const ParameterDescriptor &d) {
                return d.inMotorSet && (d.accessClass & Access::MotorTypeSpecific) && d.motorTypeMask == mask;
            });
        };
        const Ids motorSet = expand({{41, 42}, {44, 44}, {46, 47}, {51, 57}, {60, 66}, {71, 73}, {75, 77}, {79, 86}, {90, 94}, {96, 96}});
        QTest::newRow("cyclic") << c.cyclicList()
                                << Ids{10, 11, 13, 15, 16, 18, 19, 20, 21, 25, 26, 27, 30, 31, 32, 33, 34, 97, 98, 99, 100, 101, 102, 149};
        QTest::newRow("stopped only") << c.stoppedOnlyList()
                                      << Ids{41, 42, 44, 53, 54, 75, 76, 77, 90, 91, 92, 93, 94, 96, 110, 111, 112, 113, 114, 115, 116, 129};
        QTest::newRow("convertible") << c.convertibleList() << Ids{1, 10, 13, 41, 42, 53, 91, 135, 136};
        QTest::newRow("motor set") << select(c, [](const ParameterDescriptor &d) { return d.inMotorSet; }) << motorSet;
        QTest::newRow("device set") << select(c, [](const ParameterDescriptor &d) { return d.inDeviceSet; })
                                    << expand({{1, 1}, {8, 8}}) + motorSet
                + expand({{104, 107}, {110, 116}, {120, 121}, {125, 125}, {129, 130}, {135, 138}, {140, 141}, {146, 146}});
        QTest::newRow("PMSM only") << only(MotorMask::Pmsm) << Ids{51, 52, 53, 54};
        QTest::newRow("DASM only") << only(MotorMask::Dasm) << Ids{55, 56, 60, 61, 62, 63, 64, 65, 66, 71, 72, 73};
    }

    void derivedLists()
    {
        QFETCH(Ids, actual);
        QFETCH(Ids, expected);
        QCOMPARE(actual, expected);
    }

    void tableIsConsistent()
    {
        ParameterCatalogue c;
        for (uint16_t id : {0, 3, 150, 0xFFFF})
            QCOMPARE(c.descriptor(id), nullptr);
        QCOMPARE(c.descriptor(Param::MotorSets)->motorTypeMask, 0);

        QSet<QByteArray> keys;
        for (uint16_t id : c.ids()) {
            const ParameterDescriptor &d = *c.descriptor(id);
            QCOMPARE(d.id, id);
            QVERIFY2(!d.key.isEmpty() && !keys.contains(d.key), d.key.constData());
            keys.insert(d.key);
            QVERIFY(d.divisor == 1 || d.divisor == 10 || d.divisor == 1000);
            if (d.accessClass & Access::MotorTypeSpecific)
                QVERIFY(d.motorTypeMask == MotorMask::Dasm || d.motorTypeMask == MotorMask::Pmsm);
            if (d.isEnumeration()) {
                QVERIFY2(d.enumeration.contains(uint16_t(d.defaultValue)), d.key.constData());
                QVERIFY(d.minimum == 0 && d.maximum == 0 && d.divisor == 1 && !d.hasOffState && !d.convertible);
            }
        }
        QCOMPARE(keys.size(), 91);
    }

    void textsAreExact_data()
    {
        QTest::addColumn<uint16_t>("id");
        QTest::addColumn<int>("code"); // -1: the captions
        QTest::addColumn<QString>("text");
        QTest::newRow("rpm") << uint16_t(8) << 0x8006 << "in min-1";
        QTest::newRow("motor code") << uint16_t(112) << 0x8040 << "Motorcode Bit 0";
        QTest::newRow("i2t relay") << uint16_t(121) << 0x8053 << QString::fromUtf8("I²t Warnung");
        QTest::newRow("voltage input") << uint16_t(129) << 0x805A << "U (0 ... 10 V)";
        QTest::newRow("off") << uint16_t(113) << 0 << "Aus";
        QTest::newRow("set point") << uint16_t(10) << -1 << "Frequenzsollwert: |Drehzahlsollwert: ";
        QTest::newRow("rated") << uint16_t(91) << -1 << "Nennfrequenz: |Nenndrehzahl: ";
    }

    void textsAreExact()
    {
        QFETCH(uint16_t, id);
        QFETCH(int, code);
        ParameterCatalogue c;
        const ParameterDescriptor &d = *c.descriptor(id);
        QTEST(code < 0 ? d.frequencyLabel + '|' + d.speedLabel : d.enumeration.value(uint16_t(code)), "text");
    }

    void storeRaw_data()
    {
        QTest::addColumn<uint16_t>("id");
        QTest::addColumn<uint16_t>("raw");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("isOff");
        QTest::addColumn<uint16_t>("sentBack");
        QTest::newRow("off below minimum") << uint16_t(51) << uint16_t(0) << 0.4 << 1 << uint16_t(0);
        QTest::newRow("at minimum") << uint16_t(51) << uint16_t(5) << 0.5 << 0 << uint16_t(5);
        QTest::newRow("off value 0") << uint16_t(80) << uint16_t(0) << 0.0 << 1 << uint16_t(0);
        QTest::newRow("raised to minimum") << uint16_t(41) << uint16_t(0) << 5.0 << 0 << uint16_t(5);
        QTest::newRow("lowered to maximum") << uint16_t(42) << uint16_t(5000) << 4000.0 << 0 << uint16_t(4000);
        QTest::newRow("offset zero") << uint16_t(18) << uint16_t(25000) << 0.0 << 0 << uint16_t(25000);
        QTest::newRow("offset minimum") << uint16_t(18) << uint16_t(0) << -25.0 << 0 << uint16_t(0);
        QTest::newRow("offset maximum") << uint16_t(18) << uint16_t(50000) << 25.0 << 0 << uint16_t(50000);
        QTest::newRow("offset above") << uint16_t(18) << uint16_t(65535) << 25.0 << 0 << uint16_t(50000);
    }

    void storeRaw()
    {
        QFETCH(uint16_t, id);
        QFETCH(double, value);
        ParameterCatalogue c;
        ParameterDescriptor &d = *c.descriptor(id);
        QFETCH(uint16_t, raw);
        d.storeRaw(raw);
        QVERIFY2(qAbs(d.value - value) < 1e-9, qPrintable(QString::number(d.value)));
        QTEST(d.isOff, "isOff");
        QTEST(d.raw(), "sentBack");
    }

    void rawOfValue_data()
    {
        QTest::addColumn<uint16_t>("id");
        QTest::addColumn<double>("value");
        QTest::addColumn<uint16_t>("raw");
        QTest::newRow("offset") << uint16_t(18) << -1.5 << uint16_t(23500);
        QTest::newRow("offset half up") << uint16_t(18) << -24.4995 << uint16_t(501);
        QTest::newRow("half up 0.05") << uint16_t(75) << 0.05 << uint16_t(1);
        QTest::newRow("below half") << uint16_t(75) << 0.04 << uint16_t(0);
        QTest::newRow("half up 0.25, not to even") << uint16_t(75) << 0.25 << uint16_t(3);
        QTest::newRow("negative saturates") << uint16_t(79) << -3.0 << uint16_t(0);
        QTest::newRow("huge saturates") << uint16_t(27) << 70000.0 << uint16_t(0xFFFF);
        QTest::newRow("enumeration code") << uint16_t(90) << double(0x8003) << uint16_t(0x8003);
    }

    void rawOfValue()
    {
        QFETCH(uint16_t, id);
        ParameterCatalogue c;
        ParameterDescriptor &d = *c.descriptor(id);
        QFETCH(double, value);
        d.value = value; // bypasses clamping on purpose
        QTEST(d.raw(), "raw");
    }

    void storeReportsChangesAndClamps()
    {
        ParameterCatalogue c;
        ParameterDescriptor &startup = *c.descriptor(Param::StartupTime);
        QCOMPARE(startup.raw(), uint16_t(0)); // off at construction
        QVERIFY(startup.storeRaw(0) && !startup.storeRaw(0)); // default 0 becomes the off value 0.4
        QVERIFY(startup.storeRaw(12) && !startup.storeRaw(12));
        QVERIFY(startup.storeValue(0.3)); // kept as entered, off
        QVERIFY(startup.value == 0.3 && startup.isOff == 1 && startup.raw() == 0);
        QVERIFY(startup.storeValue(0.6) && startup.isOff == 0);
        ParameterDescriptor &minimum = *c.descriptor(Param::MinimumMotorFrequency);
        minimum.storeValue(2);
        QCOMPARE(minimum.value, 5.0);
        minimum.storeValue(5000);
        QVERIFY(minimum.value == 100.0 && !minimum.storeValue(100));

        ParameterDescriptor &type = *c.descriptor(Param::MotorType);
        QVERIFY(!type.storeRaw(0x1234) && !type.storeValue(0x1234) && !type.storeValue(0x8002 + 0.5));
        QCOMPARE(type.value, double(0x8001));
        QVERIFY(type.storeRaw(0x8002) && !type.storeRaw(0x8002) && type.storeValue(0x8003) && type.raw() == 0x8003);
        // Every setting's limits survive the way to the inverter and back.
        for (uint16_t id : c.ids()) {
            ParameterDescriptor &d = *c.descriptor(id);
            for (double v : {d.minimum, d.maximum}) {
                if (d.isEnumeration())
                    break;
                d.storeValue(v);
                const uint16_t raw = d.raw();
                QVERIFY2(!d.storeRaw(raw) && d.raw() == raw, d.key.constData());
            }
        }
    }

    void restoreDefaults()
    {
        ParameterCatalogue c;
        for (uint16_t id : c.ids())
            c.descriptor(id)->storeRaw(1);
        c.restoreDefaults();
        for (uint16_t id : c.ids()) {
            const bool offAtStart = id == Param::StartupTime || id == Param::DCBrakeTime || id == Param::HoldingCurrent;
            QVERIFY(c.descriptor(id)->value == c.descriptor(id)->defaultValue && c.descriptor(id)->isOff == (offAtStart ? 1 : 0));
        }
    }
};

QTEST_APPLESS_MAIN(TestParameterCatalogue)
#include "tst_parametercatalogue.moc"
