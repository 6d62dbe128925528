// Protocol front-end: requests and dispatch over an in-memory stream.
#include "ByteStreamDriver.h"
#include "CommFrontendQt.h"
#include "CommLink.h"
#include "FrameCodec.h"

#include <QtTest>

#include <functional>

using ValueMap = QMap<uint16_t, uint16_t>;
using StateMap = QMap<uint16_t, CommErrorCode>;
using Pairs = QVector<QPair<uint16_t, uint16_t>>;
using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)
using TestFrame::join;
using TestFrame::make;
using TestFrame::makeDeviceInfo;
using TestFrame::makePairs;
using TestFrame::makeSplit;

namespace {

template <typename Map>
QString describe(const Map &map)
{
    QStringList parts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        parts << QString("%1=%2").arg(it.key()).arg(int(it.value()));
    return parts.join(',');
}

// Logs every signal of the front-end as one line, in emission order.
void record(CommFrontendQt *f, QStringList *log)
{
    using F = CommFrontendQt;
    const auto line = [log](const QString &text) { *log << text; };
    QObject::connect(f, &F::currentParametersetUpdate, f, [=](ValueMap m) { line("current " + describe(m)); });
    QObject::connect(f, &F::motorParametersetUpdate, f, [=](ValueMap m) { line("motor " + describe(m)); });
    QObject::connect(f, &F::parameterUpdate, f, [=](ValueMap m) { line("parameters " + describe(m)); });
    QObject::connect(f, &F::deviceInfoUpdate, f, [=](uint16_t type, uint16_t serial, QByteArray firmware) {
        line(QString("device %1 %2 %3").arg(type).arg(serial).arg(QString::fromLatin1(firmware)));
    });
    QObject::connect(f, &F::parameterStateReceived, f, [=](StateMap m) { line("states " + describe(m)); });
    QObject::connect(f, &F::resetResponseReceived, f, [=](CommErrorCode e) { line(QString("reset %1").arg(e)); });
    QObject::connect(f, &F::factoryResetResponseReceived, f, [=](CommErrorCode e) { line(QString("factory %1").arg(e)); });
    QObject::connect(f, &F::writeParametersetResponseReceived, f,
                     [=](StateMap m, CommErrorCode e) { line(QString("write %1 %2").arg(describe(m)).arg(e)); });
    QObject::connect(f, &F::deleteParametersetResponseReceived, f, [=](CommErrorCode e) { line(QString("delete %1").arg(e)); });
}

struct Rig
{
    ByteStreamDriver stream;
    CommLink link;
    CommFrontendQt frontend{&link};
    QStringList log;

    Rig()
    {
        commLinkInit(&link, stream.driver());
        record(&frontend, &log);
    }
};

// n numbers, unsorted with duplicates, as a request and as the pairs expected on the wire.
QVector<uint16_t> ids(int n)
{
    QVector<uint16_t> result;
    for (int i = 0; i < n; ++i)
        result.append(uint16_t(i % 5 == 4 ? 149 : 149 - 3 * i));
    return result;
}

Pairs idPairs(int n)
{
    Pairs result;
    for (uint16_t id : ids(n))
        result.append({id, 0});
    return result;
}

// n values and their pairs in ascending order of numbers.
ValueMap values(int n)
{
    ValueMap result;
    for (int i = 0; i < n; ++i)
        result.insert(uint16_t(140 - 4 * i), uint16_t(1000 + i));
    return result;
}

Pairs valuePairs(int n)
{
    Pairs result;
    for (int i = n - 1; i >= 0; --i)
        result.append({uint16_t(140 - 4 * i), uint16_t(1000 + i)});
    return result;
}

struct Request
{
    const char *name;
    std::function<void(CommFrontendQt &)> send;
    Bytes expected;
};

const std::vector<Request> &requests()
{
    using F = CommFrontendQt;
    static const Bytes time = TestFrame::words({29, 2, 2024, 23, 59, 58}), pairs = TestFrame::words({2, 3, 0, 27, 0});
    static const std::vector<Request> list = {
        {"inverter reset", [](F &f) { f.sendInverterResetCommand(); }, make(1, 0)},
        {"factory reset", [](F &f) { f.sendFactoryResetCommand(); }, make(2, 0)},
        {"store on EEPROM", [](F &f) { f.sendStoreOnEepromCommand(); }, make(3, 0)},
        {"current parameter set", [](F &f) { f.sendCurrentParametersetRequest(); }, make(4, 0)},
        {"device info", [](F &f) { f.sendDeviceInfoRequest(); }, make(9, 0)},
        {"bootloader reset", [](F &f) { f.sendBootloaderResetCommand(); }, make(12, 0)},
        {"time", [](F &f) { f.sendTime(time.data()); }, make(11, 0, time)},
        {"request frame", [](F &f) { f.sendParameterRequestFrame(pairs.data()); }, make(6, 0, pairs)},
        {"set frame", [](F &f) { f.sendSetParameterFrame(pairs.data()); }, make(8, 0, pairs)},
        {"set one", [](F &f) { f.sendSetParameterCommand(27, 0xBEEF); }, makePairs(8, 0, {{27, 0xBEEF}})},
        {"set number 0", [](F &f) { f.sendSetParameterCommand(0, 55); }, make(8, 0)},
        {"load", [](F &f) { f.sendLoadMotorParamsCommand(20, 7); }, makePairs(13, 0, {{20, 7}})},
        {"load number 0", [](F &f) { f.sendLoadMotorParamsCommand(0, 7); }, make(13, 0)},
        {"delete", [](F &f) { f.sendDeleteMotorParamsCommand(20, 15); }, makePairs(17, 0, {{20, 15}})},
        {"delete number 0", [](F &f) { f.sendDeleteMotorParamsCommand(0, 15); }, make(17, 0)},
        {"request 0", [](F &f) { f.sendParameterRequest({}); }, {}},
        {"request 12", [](F &f) { f.sendParameterRequest(ids(12)); }, makeSplit(6, idPairs(12), {12})},
        {"request 13", [](F &f) { f.sendParameterRequest(ids(13)); }, makeSplit(6, idPairs(13), {12, 1})},
        {"request 25", [](F &f) { f.sendParameterRequest(ids(25)); }, makeSplit(6, idPairs(25), {12, 12, 1})},
        {"set map 0", [](F &f) { f.sendSetParameterCommand(ValueMap()); }, {}},
        {"set map 13", [](F &f) { f.sendSetParameterCommand(values(13)); }, makeSplit(8, valuePairs(13), {12, 1})},
        {"motor memory, empty map", [](F &f) { f.sendMotorParamsToDeviceMemory(20, 11, {}); },
         makePairs(15, 0, {{20, 11}})},
        {"motor memory 30", [](F &f) { f.sendMotorParamsToDeviceMemory(20, 11, values(30)); },
         makeSplit(15, valuePairs(30) + Pairs{{20, 11}}, {12, 12, 6, 1})},
        {"motor memory, number 0", [](F &f) { f.sendMotorParamsToDeviceMemory(0, 11, values(3)); },
         makeSplit(15, valuePairs(3) + Pairs{{0, 11}}, {3, 1})},
    };
    return list;
}

// Received frames, the number of receive calls and the signals expected from them.
void addDispatchRows()
{
    const auto add = [](const char *name, const Bytes &input, int calls, const QStringList &expected) {
        QTest::newRow(name) << input << calls << expected;
    };
    add("frames of one call, in order",
        join({makePairs(7, 0, {{41, 100}}), makePairs(7, 0, {{42, 200}}), makePairs(5, 0, {{27, 0xFFFF}, {0, 5}}),
              makePairs(14, 0, {{120, 1}, {9, 2}})}),
        1, {"parameters 41=100", "parameters 42=200", "current 0=5,27=65535", "motor 9=2,120=1"});
    add("bytes a line discipline would change",
        join({makePairs(7, 0, {{0x0A, 0x0D0A}, {0x11, 0x7F13}}), makeDeviceInfo(0x0D0A, 4711, "FW\r\n1.9")}),
        1, {"parameters 10=3338,17=32531", "device 3338 4711 FW\r\n1.9"});
    add("count 0 gives nothing",
        join({makePairs(5, 0, {}), makePairs(7, 0, {}), makePairs(14, 0, {}), makePairs(22, 0, {})}), 1, {});
    add("same number twice", makePairs(7, 0, {{9, 111}, {9, 222}}), 1, {"parameters 9=222"});
    // Entries 0 and 5 both carry number 7; entry k is read from slot k mod 12 and the last one read wins.
    Pairs entries;
    for (uint16_t k = 0; k < 12; ++k)
        entries.append({uint16_t(k == 0 || k == 5 ? 7 : 100 + k), uint16_t(k == 0 ? 1 : k == 5 ? 2 : k)});
    for (int count : {12, 13, 18, 65535}) {
        const QString map = QString("7=%1,101=1,102=2,103=3,104=4,106=6,107=7,108=8,109=9,110=10,111=11")
                                .arg(count % 12 == 0 || count % 12 > 5 ? 2 : 1);
        add(qPrintable(QString("count %1").arg(count)),
            join({makePairs(7, 0, entries, count), makePairs(22, 0, entries, count)}), 1,
            {"parameters " + map, "states " + map});
    }
    const Pairs two = {{30, 0x0000}, {31, 0x1204}};
    add("write set responses",
        join({makePairs(16, 0x20, two), makePairs(16, 0x10, two), makePairs(16, 0, {}), makePairs(16, 0, two),
              makePairs(16, 0xFF, {{21, 0xFF02}})}),
        1, {"write  32", "write  16", "write  0", "write 30=0,31=4 0", "write 21=2 255"});
    add("parameter states, low byte", makePairs(22, 0, {{3, 0}, {4, 0xAB01}, {5, 0x0102}, {6, 4}, {7, 0xFF}}), 1,
        {"states 3=0,4=1,5=2,6=4,7=255"});
    const Pairs ignored = {{1, 1}, {2, 2}};
    add("status responses",
        join({makePairs(18, 0, ignored), makePairs(19, 1, ignored), makePairs(20, 0xFF, ignored), make(18, 0x20),
              make(19, 0), make(20, 1)}),
        1, {"delete 0", "reset 1", "factory 255", "delete 32", "reset 0", "factory 1"});
    add("device info",
        join({makeDeviceInfo(0x0A0B, 54321, "V1.9.5"), makeDeviceInfo(1, 2, QByteArray("V2\0junk", 7)),
              makeDeviceInfo(3, 4, QByteArray(46, 'x'))}),
        1, {"device 2571 54321 V1.9.5", "device 1 2 V2", "device 3 4 " + QString(46, 'x')});
    Bytes others;
    for (int type = 0; type < 256; ++type) {
        if (!QVector<int>{5, 7, 10, 14, 16, 18, 19, 20, 22}.contains(type))
            others = join({others, makePairs(uint8_t(type), 0x20, {{1, 2}, {3, 4}})});
    }
    add("other types give nothing", others, 1, {});
    Bytes bad = makePairs(7, 0, {{1, 20}});
    bad[20] ^= 0xFF;
    const Bytes goodBadGood = join({makePairs(7, 0, {{1, 10}}), bad, makePairs(7, 0, {{1, 30}})});
    add("bad CRC ends the loop", goodBadGood, 1, {"parameters 1=10"});
    add("next call goes on", goodBadGood, 2, {"parameters 1=10", "parameters 1=30"});
}

} // namespace

class tst_CommFrontendQt : public QObject
{
    Q_OBJECT

private slots:
    void requests_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < ::requests().size(); ++i)
            QTest::newRow(::requests()[i].name) << int(i);
    }

    void requests()
    {
        QFETCH(int, index);
        Rig rig;
        ::requests()[size_t(index)].send(rig.frontend);
        QCOMPARE(rig.stream.written(), ::requests()[size_t(index)].expected);
        CommFrontendQt unlinked(nullptr); // must neither send nor crash
        ::requests()[size_t(index)].send(unlinked);
        unlinked.receiveFramesFromDevice();
    }

    void dispatch_data()
    {
        QTest::addColumn<Bytes>("input");
        QTest::addColumn<int>("calls");
        QTest::addColumn<QStringList>("expected");
        addDispatchRows();
    }

    void dispatch()
    {
        QFETCH(Bytes, input);
        QFETCH(int, calls);
        QFETCH(QStringList, expected);
        Rig rig;
        rig.stream.feed(input);
        for (int i = 0; i < calls; ++i)
            rig.frontend.receiveFramesFromDevice();
        QCOMPARE(rig.log, expected);
    }
};

QTEST_GUILESS_MAIN(tst_CommFrontendQt)
#include "tst_commfrontendqt.moc"
