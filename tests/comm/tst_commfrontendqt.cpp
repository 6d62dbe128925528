// Request splitting and frame dispatch of the protocol front-end, driven
// synchronously over an in-memory byte stream. Frames are built and decoded
// here with restated wire offsets and type codes.
#include "ByteStreamDriver.h"
#include "CommFrontendQt.h"
#include "CommLink.h"

#include <QtTest>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

using ValueMap = QMap<uint16_t, uint16_t>;
using StateMap = QMap<uint16_t, CommErrorCode>;
using PairList = QVector<QPair<uint16_t, uint16_t>>;

namespace {

using Bytes = std::vector<uint8_t>;

// Type codes of the wire protocol.
enum : uint8_t {
    TInverterReset = 1,
    TFactoryReset = 2,
    TStoreOnEeprom = 3,
    TCurrentSetRequest = 4,
    TCurrentSetResponse = 5,
    TParameterRequest = 6,
    TParameterResponse = 7,
    TSetParameter = 8,
    TDeviceInfoRequest = 9,
    TDeviceInfoResponse = 10,
    TSetTime = 11,
    TBootloaderReset = 12,
    TLoadMotor = 13,
    TMotorResponse = 14,
    TWriteMotor = 15,
    TWriteMotorResponse = 16,
    TDeleteMotor = 17,
    TDeleteMotorResponse = 18,
    TInverterResetResponse = 19,
    TFactoryResetResponse = 20,
    TParameterStateResponse = 22
};

uint32_t zlibCrc(const uint8_t *data, size_t size)
{
    return uint32_t(::crc32(::crc32(0L, Z_NULL, 0), data, uInt(size)));
}

uint16_t le16(const uint8_t *p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t *p) { return uint32_t(le16(p)) | uint32_t(le16(p + 2)) << 16; }
void put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

struct DataField
{
    std::array<uint8_t, 50> bytes{};

    DataField &count(uint16_t n)
    {
        put16(bytes.data(), n);
        return *this;
    }
    DataField &pair(size_t k, uint16_t number, uint16_t value)
    {
        put16(bytes.data() + 2 + 4 * k, number);
        put16(bytes.data() + 4 + 4 * k, value);
        return *this;
    }
    static DataField pairs(const PairList &list)
    {
        DataField d;
        d.count(uint16_t(list.size()));
        for (int k = 0; k < list.size(); ++k)
            d.pair(size_t(k), list[k].first, list[k].second);
        return d;
    }
};

Bytes frame(uint8_t type, uint8_t status, const DataField &data = {})
{
    Bytes f(64, 0);
    f[0] = 0xEF, f[1] = 0xBE, f[2] = 0xAD, f[3] = 0xDE;
    f[8] = type;
    f[9] = status;
    std::copy(data.bytes.begin(), data.bytes.end(), f.begin() + 10);
    const uint32_t crc = zlibCrc(f.data() + 10, 50);
    for (int i = 0; i < 4; ++i)
        f[4 + i] = uint8_t(crc >> (8 * i));
    f[60] = 0xBE, f[61] = 0xBA, f[62] = 0xFE, f[63] = 0xCA;
    return f;
}

// One frame as the inverter would read it from the wire.
struct Sent
{
    int type = -1;
    int status = -1;
    int count = -1;
    PairList pairs;                  // the first `count` entries
    bool restZero = true;            // entries beyond the count are zero
    std::array<uint8_t, 50> data{}; // the raw data field
};

// Splits written bytes into frames and checks marks and CRC of each.
QVector<Sent> decode(const Bytes &written)
{
    QVector<Sent> frames;
    if (written.size() % 64 != 0) {
        qWarning("written %zu bytes, not a multiple of 64", written.size());
        return frames;
    }
    for (size_t at = 0; at < written.size(); at += 64) {
        const uint8_t *f = written.data() + at;
        const bool marks = le32(f) == 0xDEADBEEFu && le32(f + 60) == 0xCAFEBABEu;
        const bool crc = le32(f + 4) == zlibCrc(f + 10, 50);
        Sent s;
        if (marks && crc) {
            s.type = f[8];
            s.status = f[9];
            s.count = le16(f + 10);
            std::copy(f + 10, f + 60, s.data.begin());
            for (int k = 0; k < 12; ++k) {
                const uint16_t number = le16(f + 12 + 4 * k);
                const uint16_t value = le16(f + 14 + 4 * k);
                if (k < s.count)
                    s.pairs.append({number, value});
                else if (number != 0 || value != 0)
                    s.restZero = false;
            }
        }
        frames.append(s);
    }
    return frames;
}

// The heap copy makes any read past the link's last frame visible to ASan.
struct Rig
{
    ByteStreamDriver stream;
    std::unique_ptr<CommLink> link = std::make_unique<CommLink>();
    std::unique_ptr<CommFrontendQt> frontend;

    Rig()
    {
        commLinkInit(link.get(), stream.driver());
        frontend = std::make_unique<CommFrontendQt>(link.get());
    }
    QVector<Sent> sent() const { return decode(stream.written()); }
};

// Every signal of the front-end, to prove that one frame yields at most one.
struct AllSpies
{
    explicit AllSpies(CommFrontendQt *f)
        : currentSet(f, &CommFrontendQt::currentParametersetUpdate),
          motorSet(f, &CommFrontendQt::motorParametersetUpdate),
          parameters(f, &CommFrontendQt::parameterUpdate),
          deviceInfo(f, &CommFrontendQt::deviceInfoUpdate),
          states(f, &CommFrontendQt::parameterStateReceived),
          reset(f, &CommFrontendQt::resetResponseReceived),
          factoryReset(f, &CommFrontendQt::factoryResetResponseReceived),
          writeSet(f, &CommFrontendQt::writeParametersetResponseReceived),
          deleteSet(f, &CommFrontendQt::deleteParametersetResponseReceived)
    {
    }
    int total() const
    {
        return currentSet.count() + motorSet.count() + parameters.count() + deviceInfo.count() + states.count()
            + reset.count() + factoryReset.count() + writeSet.count() + deleteSet.count();
    }

    QSignalSpy currentSet, motorSet, parameters, deviceInfo, states, reset, factoryReset, writeSet, deleteSet;
};

PairList ascending(const ValueMap &map)
{
    PairList list;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        list.append({it.key(), it.value()});
    return list;
}

} // namespace

Q_DECLARE_METATYPE(PairList)

class tst_CommFrontendQt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Requests
    void parameterRequestSplitting_data();
    void parameterRequestSplitting();
    void setParameterMapSplitting_data();
    void setParameterMapSplitting();
    void singlePairRequests_data();
    void singlePairRequests();
    void motorParamsToDeviceMemory_data();
    void motorParamsToDeviceMemory();
    void plainRequests_data();
    void plainRequests();
    void requestsWithDataField();
    void noLinkSendsAndReceivesNothing();

    // Dispatch
    void threeFramesInOneCallGiveThreeSignalsInOrder();
    void valueResponses_data();
    void valueResponses();
    void countAboveTwelveReadsSlotsModuloTwelve_data();
    void countAboveTwelveReadsSlotsModuloTwelve();
    void writeParametersetResponse_data();
    void writeParametersetResponse();
    void parameterStateResponse();
    void statusResponses_data();
    void statusResponses();
    void deviceInfo_data();
    void deviceInfo();
    void otherTypesProduceNothing();
    void badCrcEndsTheLoopUntilNextCall();
    void timerPollsTheLink();
};

void tst_CommFrontendQt::initTestCase()
{
    qRegisterMetaType<uint16_t>("uint16_t");
    qRegisterMetaType<CommErrorCode>("CommErrorCode");
    qRegisterMetaType<ValueMap>("QMap<uint16_t,uint16_t>");
    qRegisterMetaType<StateMap>("QMap<uint16_t,CommErrorCode>");
}

// --- Requests -------------------------------------------------------------

void tst_CommFrontendQt::parameterRequestSplitting_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int>>("sizes");
    QTest::newRow("empty") << 0 << QVector<int>{};
    QTest::newRow("1") << 1 << QVector<int>{1};
    QTest::newRow("12") << 12 << QVector<int>{12};
    QTest::newRow("13") << 13 << QVector<int>{12, 1};
    QTest::newRow("24") << 24 << QVector<int>{12, 12};
    QTest::newRow("25") << 25 << QVector<int>{12, 12, 1};
    QTest::newRow("36") << 36 << QVector<int>{12, 12, 12};
}

void tst_CommFrontendQt::parameterRequestSplitting()
{
    QFETCH(int, n);
    QFETCH(QVector<int>, sizes);
    // Vector order is kept, duplicates included.
    QVector<uint16_t> ids;
    for (int i = 0; i < n; ++i)
        ids.append(uint16_t(i % 5 == 4 ? ids.front() : 149 - 3 * i));

    Rig rig;
    rig.frontend->sendParameterRequest(ids);
    const auto frames = rig.sent();
    QCOMPARE(frames.size(), sizes.size());
    int next = 0;
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].type, int(TParameterRequest));
        QCOMPARE(frames[i].status, 0);
        QCOMPARE(frames[i].count, sizes[i]);
        QVERIFY(frames[i].restZero);
        for (const auto &p : frames[i].pairs) {
            QCOMPARE(p.first, ids[next++]);
            QCOMPARE(p.second, uint16_t(0));
        }
    }
    QCOMPARE(next, n);
}

void tst_CommFrontendQt::setParameterMapSplitting_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int>>("sizes");
    QTest::newRow("empty") << 0 << QVector<int>{};
    QTest::newRow("1") << 1 << QVector<int>{1};
    QTest::newRow("12") << 12 << QVector<int>{12};
    QTest::newRow("13") << 13 << QVector<int>{12, 1};
    QTest::newRow("24") << 24 << QVector<int>{12, 12};
    QTest::newRow("25") << 25 << QVector<int>{12, 12, 1};
}

void tst_CommFrontendQt::setParameterMapSplitting()
{
    QFETCH(int, n);
    QFETCH(QVector<int>, sizes);
    std::mt19937 rng{uint32_t(n)};
    ValueMap map;
    while (map.size() < n)
        map.insert(uint16_t(rng() % 150), uint16_t(rng()));

    Rig rig;
    rig.frontend->sendSetParameterCommand(map);
    const auto frames = rig.sent();
    QCOMPARE(frames.size(), sizes.size());
    PairList all;
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].type, int(TSetParameter));
        QCOMPARE(frames[i].status, 0);
        QCOMPARE(frames[i].count, sizes[i]);
        QVERIFY(frames[i].restZero);
        all += frames[i].pairs;
    }
    QCOMPARE(all, ascending(map));
}

void tst_CommFrontendQt::singlePairRequests_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("count");
    enum { Set, Load, Delete };
    QTest::newRow("set") << int(Set) << int(TSetParameter) << 27 << 0xBEEF << 1;
    QTest::newRow("set number 0") << int(Set) << int(TSetParameter) << 0 << 55 << 0;
    QTest::newRow("load") << int(Load) << int(TLoadMotor) << 20 << 7 << 1;
    QTest::newRow("load number 0") << int(Load) << int(TLoadMotor) << 0 << 7 << 0;
    QTest::newRow("delete") << int(Delete) << int(TDeleteMotor) << 20 << 15 << 1;
    QTest::newRow("delete number 0") << int(Delete) << int(TDeleteMotor) << 0 << 15 << 0;
}

void tst_CommFrontendQt::singlePairRequests()
{
    QFETCH(int, request);
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, value);
    QFETCH(int, count);

    Rig rig;
    const auto n = uint16_t(number), v = uint16_t(value);
    if (request == 0)
        rig.frontend->sendSetParameterCommand(n, v);
    else if (request == 1)
        rig.frontend->sendLoadMotorParamsCommand(n, v);
    else
        rig.frontend->sendDeleteMotorParamsCommand(n, v);

    const auto frames = rig.sent();
    QCOMPARE(frames.size(), 1);
    QCOMPARE(frames[0].type, type);
    QCOMPARE(frames[0].status, 0);
    QCOMPARE(frames[0].count, count);
    QVERIFY(frames[0].restZero);
    if (count == 1)
        QCOMPARE(frames[0].pairs, (PairList{{n, v}}));
}

void tst_CommFrontendQt::motorParamsToDeviceMemory_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("number");
    QTest::addColumn<QVector<int>>("sizes");
    QTest::newRow("empty map") << 0 << 20 << QVector<int>{1};
    QTest::newRow("1") << 1 << 20 << QVector<int>{1, 1};
    QTest::newRow("12") << 12 << 20 << QVector<int>{12, 1};
    QTest::newRow("24") << 24 << 20 << QVector<int>{12, 12, 1};
    QTest::newRow("30") << 30 << 20 << QVector<int>{12, 12, 6, 1};
    QTest::newRow("closing number 0") << 3 << 0 << QVector<int>{3, 1};
}

void tst_CommFrontendQt::motorParamsToDeviceMemory()
{
    QFETCH(int, n);
    QFETCH(int, number);
    QFETCH(QVector<int>, sizes);
    const uint16_t slot = 11;
    ValueMap map;
    for (int i = 0; i < n; ++i)
        map.insert(uint16_t(140 - 4 * i), uint16_t(1000 + i));

    Rig rig;
    rig.frontend->sendMotorParamsToDeviceMemory(uint16_t(number), slot, map);
    const auto frames = rig.sent();
    QCOMPARE(frames.size(), sizes.size());
    PairList all;
    for (int i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].type, int(TWriteMotor));
        QCOMPARE(frames[i].status, 0);
        QCOMPARE(frames[i].count, sizes[i]);
        QVERIFY(frames[i].restZero);
        if (i + 1 < frames.size())
            all += frames[i].pairs;
    }
    QCOMPARE(all, ascending(map));
    QCOMPARE(frames.last().pairs, (PairList{{uint16_t(number), slot}}));
}

void tst_CommFrontendQt::plainRequests_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("type");
    QTest::newRow("inverter reset") << 0 << int(TInverterReset);
    QTest::newRow("factory reset") << 1 << int(TFactoryReset);
    QTest::newRow("store on EEPROM") << 2 << int(TStoreOnEeprom);
    QTest::newRow("current parameter set") << 3 << int(TCurrentSetRequest);
    QTest::newRow("device info") << 4 << int(TDeviceInfoRequest);
    QTest::newRow("bootloader reset") << 5 << int(TBootloaderReset);
}

void tst_CommFrontendQt::plainRequests()
{
    QFETCH(int, request);
    QFETCH(int, type);
    Rig rig;
    // Called through the plain part, as code without Qt would.
    CommFrontend &plain = *rig.frontend;
    switch (request) {
    case 0: plain.sendInverterResetCommand(); break;
    case 1: plain.sendFactoryResetCommand(); break;
    case 2: plain.sendStoreOnEepromCommand(); break;
    case 3: plain.sendCurrentParametersetRequest(); break;
    case 4: plain.sendDeviceInfoRequest(); break;
    default: plain.sendBootloaderResetCommand(); break;
    }
    QCOMPARE(rig.stream.written(), frame(uint8_t(type), 0));
}

void tst_CommFrontendQt::requestsWithDataField()
{
    DataField time;
    const uint16_t fields[6] = {29, 2, 2024, 23, 59, 58};
    for (int i = 0; i < 6; ++i)
        put16(time.bytes.data() + 2 * i, fields[i]);
    const DataField pairs = DataField::pairs({{3, 0}, {27, 0}});

    Rig rig;
    CommFrontend &plain = *rig.frontend;
    plain.sendTime(time.bytes.data());
    plain.sendParameterRequestFrame(pairs.bytes.data());
    plain.sendSetParameterFrame(pairs.bytes.data());

    Bytes expected = frame(TSetTime, 0, time);
    const Bytes request = frame(TParameterRequest, 0, pairs);
    const Bytes set = frame(TSetParameter, 0, pairs);
    expected.insert(expected.end(), request.begin(), request.end());
    expected.insert(expected.end(), set.begin(), set.end());
    QCOMPARE(rig.stream.written(), expected);
}

void tst_CommFrontendQt::noLinkSendsAndReceivesNothing()
{
    CommFrontendQt frontend(nullptr);
    AllSpies spies(&frontend);
    frontend.sendInverterResetCommand();
    frontend.sendParameterRequest({1, 2, 3});
    frontend.sendSetParameterCommand(27, 1);
    frontend.sendSetParameterCommand(ValueMap{{1, 2}});
    frontend.sendMotorParamsToDeviceMemory(20, 1, ValueMap{{1, 2}});
    frontend.receiveFramesFromDevice();
    QCOMPARE(spies.total(), 0);
}

// --- Dispatch -------------------------------------------------------------

void tst_CommFrontendQt::threeFramesInOneCallGiveThreeSignalsInOrder()
{
    Rig rig;
    AllSpies spies(rig.frontend.get());
    for (uint16_t i = 1; i <= 3; ++i)
        rig.stream.feed(frame(TParameterResponse, 0, DataField().count(1).pair(0, 40 + i, 100 * i)));

    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.parameters.count(), 3);
    QCOMPARE(spies.total(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(spies.parameters.at(i).at(0).value<ValueMap>(),
                 (ValueMap{{uint16_t(41 + i), uint16_t(100 * (i + 1))}}));
}

void tst_CommFrontendQt::valueResponses_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<PairList>("pairs");
    QTest::addColumn<ValueMap>("expected");
    const struct
    {
        int type;
        const char *name;
    } types[] = {{TCurrentSetResponse, "5"}, {TParameterResponse, "7"}, {TMotorResponse, "14"}};
    for (const auto &t : types) {
        QTest::addRow("type %s count 0", t.name) << t.type << PairList{} << ValueMap{};
        QTest::addRow("type %s one pair", t.name) << t.type << PairList{{27, 0xFFFF}} << ValueMap{{27, 0xFFFF}};
        QTest::addRow("type %s duplicate number", t.name)
            << t.type << PairList{{9, 111}, {9, 222}} << ValueMap{{9, 222}};
        PairList twelve;
        ValueMap twelveMap;
        for (uint16_t k = 0; k < 12; ++k) {
            twelve.append({uint16_t(120 - k), uint16_t(k * 1000)});
            twelveMap.insert(uint16_t(120 - k), uint16_t(k * 1000));
        }
        QTest::addRow("type %s twelve pairs", t.name) << t.type << twelve << twelveMap;
        QTest::addRow("type %s number 0", t.name) << t.type << PairList{{0, 5}} << ValueMap{{0, 5}};
    }
}

void tst_CommFrontendQt::valueResponses()
{
    QFETCH(int, type);
    QFETCH(PairList, pairs);
    QFETCH(ValueMap, expected);
    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(uint8_t(type), 0, DataField::pairs(pairs)));
    rig.frontend->receiveFramesFromDevice();

    QSignalSpy &spy = type == TCurrentSetResponse ? spies.currentSet
        : type == TParameterResponse              ? spies.parameters
                                                  : spies.motorSet;
    if (expected.isEmpty()) {
        QCOMPARE(spies.total(), 0);
        return;
    }
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<ValueMap>(), expected);
}

void tst_CommFrontendQt::countAboveTwelveReadsSlotsModuloTwelve_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("valueOfSeven");
    // Slots 0 and 5 both carry number 7 (values 1 and 2); the entry read last wins.
    QTest::newRow("12: slot 5 last") << 12 << 2;
    QTest::newRow("13: slot 0 again") << 13 << 1;
    QTest::newRow("17: up to slot 4") << 17 << 1;
    QTest::newRow("18: slot 5 again") << 18 << 2;
    QTest::newRow("24: slot 5 last") << 24 << 2;
    QTest::newRow("25: slot 0 again") << 25 << 1;
    QTest::newRow("65530: up to slot 9") << 65530 << 2;
    QTest::newRow("65535: up to slot 2") << 65535 << 1;
}

void tst_CommFrontendQt::countAboveTwelveReadsSlotsModuloTwelve()
{
    QFETCH(int, count);
    QFETCH(int, valueOfSeven);
    DataField data;
    data.count(uint16_t(count));
    for (size_t k = 0; k < 12; ++k)
        data.pair(k, uint16_t(100 + k), uint16_t(k));
    data.pair(0, 7, 1).pair(5, 7, 2);

    ValueMap expected;
    for (size_t k = 1; k < 12; ++k)
        if (k != 5)
            expected.insert(uint16_t(100 + k), uint16_t(k));
    expected.insert(7, uint16_t(valueOfSeven));

    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(TParameterResponse, 0, data));
    rig.stream.feed(frame(TParameterStateResponse, 0, data));
    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.total(), 2);
    QCOMPARE(spies.parameters.count(), 1);
    QCOMPARE(spies.parameters.at(0).at(0).value<ValueMap>(), expected);
    QCOMPARE(spies.states.count(), 1);
    const auto states = spies.states.at(0).at(0).value<StateMap>();
    QCOMPARE(states.size(), expected.size());
    QCOMPARE(int(states.value(7)), valueOfSeven);
}

void tst_CommFrontendQt::writeParametersetResponse_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<PairList>("pairs");
    QTest::addColumn<StateMap>("expected");
    const PairList two = {{30, 0x0000}, {31, 0x1204}};
    QTest::newRow("0x20 with entries") << 0x20 << two << StateMap{};
    QTest::newRow("0x10 with entries") << 0x10 << two << StateMap{};
    QTest::newRow("0 count 0") << 0 << PairList{} << StateMap{};
    QTest::newRow("0 with entries, low byte") << 0 << two << StateMap{{30, 0x00}, {31, 0x04}};
    QTest::newRow("1 with entries") << 1 << PairList{{20, 0x0101}} << StateMap{{20, 0x01}};
    QTest::newRow("0xFF with entries") << 0xFF << PairList{{21, 0xFF02}} << StateMap{{21, 0x02}};
}

void tst_CommFrontendQt::writeParametersetResponse()
{
    QFETCH(int, status);
    QFETCH(PairList, pairs);
    QFETCH(StateMap, expected);
    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(TWriteMotorResponse, uint8_t(status), DataField::pairs(pairs)));
    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spies.writeSet.count(), 1);
    QCOMPARE(spies.writeSet.at(0).at(0).value<StateMap>(), expected);
    QCOMPARE(int(spies.writeSet.at(0).at(1).value<CommErrorCode>()), status);
}

void tst_CommFrontendQt::parameterStateResponse()
{
    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(TParameterStateResponse, 0, DataField()));
    rig.stream.feed(frame(TParameterStateResponse, 0,
                          DataField::pairs({{3, 0x0000}, {4, 0xAB01}, {5, 0x0102}, {6, 0x0004}, {7, 0x00FF}})));
    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spies.states.count(), 1);
    QCOMPARE(spies.states.at(0).at(0).value<StateMap>(),
             (StateMap{{3, 0x00}, {4, 0x01}, {5, 0x02}, {6, 0x04}, {7, 0xFF}}));
}

void tst_CommFrontendQt::statusResponses_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("status");
    for (int status : {0x00, 0x01, 0x20, 0xFF}) {
        QTest::addRow("delete, status %d", status) << int(TDeleteMotorResponse) << status;
        QTest::addRow("reset, status %d", status) << int(TInverterResetResponse) << status;
        QTest::addRow("factory reset, status %d", status) << int(TFactoryResetResponse) << status;
    }
}

void tst_CommFrontendQt::statusResponses()
{
    QFETCH(int, type);
    QFETCH(int, status);
    Rig rig;
    AllSpies spies(rig.frontend.get());
    // The data field is not read for these types.
    rig.stream.feed(frame(uint8_t(type), uint8_t(status), DataField::pairs({{1, 1}, {2, 2}})));
    rig.frontend->receiveFramesFromDevice();
    QSignalSpy &spy = type == TDeleteMotorResponse ? spies.deleteSet
        : type == TInverterResetResponse           ? spies.reset
                                                   : spies.factoryReset;
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(int(spy.at(0).at(0).value<CommErrorCode>()), status);
}

void tst_CommFrontendQt::deviceInfo_data()
{
    QTest::addColumn<QByteArray>("text"); // as placed in the 46 bytes, zero-padded
    QTest::addColumn<QByteArray>("firmware");
    QTest::newRow("short") << QByteArray("V1.9.5") << QByteArray("V1.9.5");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("stops at zero") << QByteArray("V2\0junk", 7) << QByteArray("V2");
    QTest::newRow("46 bytes without zero") << QByteArray(46, 'x') << QByteArray(46, 'x');
    QTest::newRow("45 bytes and zero") << QByteArray(45, 'y') << QByteArray(45, 'y');
    QTest::newRow("high bytes") << QByteArray("\xE4\xF6\xFC") << QByteArray("\xE4\xF6\xFC");
}

void tst_CommFrontendQt::deviceInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, firmware);
    QVERIFY(text.size() <= 46);
    DataField data;
    put16(data.bytes.data(), 0x0A0B);
    put16(data.bytes.data() + 2, 54321);
    std::copy(text.cbegin(), text.cend(), data.bytes.begin() + 4);

    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(TDeviceInfoResponse, 0, data));
    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spies.deviceInfo.count(), 1);
    const auto args = spies.deviceInfo.at(0);
    QCOMPARE(args.at(0).value<uint16_t>(), uint16_t(0x0A0B));
    QCOMPARE(args.at(1).value<uint16_t>(), uint16_t(54321));
    QCOMPARE(args.at(2).toByteArray(), firmware);
}

void tst_CommFrontendQt::otherTypesProduceNothing()
{
    const QVector<int> dispatched = {5, 7, 10, 14, 16, 18, 19, 20, 22};
    for (int type = 0; type < 256; ++type) {
        if (dispatched.contains(type))
            continue;
        Rig rig;
        AllSpies spies(rig.frontend.get());
        rig.stream.feed(frame(uint8_t(type), 0x20, DataField::pairs({{1, 2}, {3, 4}})));
        rig.frontend->receiveFramesFromDevice();
        QVERIFY2(spies.total() == 0, qPrintable(QString("type %1").arg(type)));
        QCOMPARE(rig.link->fill, 0u); // consumed all the same
    }
}

void tst_CommFrontendQt::badCrcEndsTheLoopUntilNextCall()
{
    Rig rig;
    AllSpies spies(rig.frontend.get());
    Bytes bad = frame(TParameterResponse, 0, DataField::pairs({{1, 1}}));
    bad[20] ^= 0xFF;
    rig.stream.feed(frame(TParameterResponse, 0, DataField::pairs({{1, 10}})));
    rig.stream.feed(bad);
    rig.stream.feed(frame(TParameterResponse, 0, DataField::pairs({{1, 30}})));

    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.parameters.count(), 1);
    rig.frontend->receiveFramesFromDevice();
    QCOMPARE(spies.parameters.count(), 2);
    QCOMPARE(spies.parameters.at(1).at(0).value<ValueMap>(), (ValueMap{{1, 30}}));
    QCOMPARE(spies.total(), 2);
}

void tst_CommFrontendQt::timerPollsTheLink()
{
    Rig rig;
    AllSpies spies(rig.frontend.get());
    rig.stream.feed(frame(TInverterResetResponse, 0));
    QVERIFY(spies.reset.wait(2000));
    QCOMPARE(spies.total(), 1);
}

QTEST_GUILESS_MAIN(tst_CommFrontendQt)
#include "tst_commfrontendqt.moc"
