// Frame layer: checksum, frame builder and the cutting of frames out of a byte
// stream. Wire constants are restated here on purpose, and the checksum is
// checked against zlib as an independent implementation.
#include "ByteStreamDriver.h"
#include "CommLink.h"
#include "Crc32.h"

#include <QtTest>

#include <zlib.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Frame = std::array<uint8_t, 64>;

constexpr uint8_t StartMarkBytes[4] = {0xEF, 0xBE, 0xAD, 0xDE};
constexpr uint8_t EndMarkBytes[4] = {0xBE, 0xBA, 0xFE, 0xCA};
constexpr size_t FrameSize = 64;
constexpr size_t DataOffset = 10;
constexpr size_t DataSize = 50;
constexpr uint32_t BufferSize = 1024;

uint32_t zlibCrc(const uint8_t *data, size_t size)
{
    return uint32_t(::crc32(::crc32(0L, Z_NULL, 0), data, uInt(size)));
}

uint32_t le32(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// A frame assembled byte by byte, independent of the builder under test.
Frame makeFrame(uint8_t type, uint8_t status, const uint8_t *data)
{
    Frame f{};
    std::memcpy(f.data(), StartMarkBytes, 4);
    f[8] = type;
    f[9] = status;
    std::memcpy(f.data() + DataOffset, data, DataSize);
    const uint32_t crc = zlibCrc(f.data() + DataOffset, DataSize);
    for (int i = 0; i < 4; ++i)
        f[4 + i] = uint8_t(crc >> (8 * i));
    std::memcpy(f.data() + 60, EndMarkBytes, 4);
    return f;
}

Frame randomFrame(std::mt19937 &rng)
{
    uint8_t data[DataSize];
    for (auto &b : data)
        b = uint8_t(rng());
    return makeFrame(uint8_t(rng()), uint8_t(rng()), data);
}

// Data whose bytes can never form a mark, so that only real frames match.
Frame plainFrame(uint8_t type, uint8_t seed)
{
    uint8_t data[DataSize];
    for (size_t i = 0; i < DataSize; ++i)
        data[i] = uint8_t((seed + i * 7) % 0xA0);
    return makeFrame(type, 0, data);
}

bool hasValidCrc(const uint8_t *f)
{
    return std::memcmp(f, StartMarkBytes, 4) == 0 && std::memcmp(f + 60, EndMarkBytes, 4) == 0
        && le32(f + 4) == zlibCrc(f + DataOffset, DataSize);
}

void append(Bytes &stream, const Frame &f) { stream.insert(stream.end(), f.begin(), f.end()); }

// Random bytes without 0xEF, the first byte of a start mark.
Bytes garbage(std::mt19937 &rng, size_t size)
{
    Bytes g(size);
    for (auto &b : g) {
        do
            b = uint8_t(rng());
        while (b == 0xEF);
    }
    return g;
}

Frame lastFrameOf(const CommLink &link)
{
    Frame f;
    std::memcpy(f.data(), link.lastFrame, FrameSize);
    return f;
}

Bytes bufferOf(const CommLink &link) { return Bytes(link.buffer, link.buffer + link.fill); }

// The receive algorithm restated, over a growable buffer.
struct ReferenceReceiver
{
    Bytes buffer;
    Frame last{};

    bool receive(const Bytes &incoming)
    {
        buffer.insert(buffer.end(), incoming.begin(), incoming.end());
        if (buffer.size() < FrameSize)
            return false;
        for (size_t p = 0; p + FrameSize <= buffer.size(); ++p) {
            const uint8_t *c = buffer.data() + p;
            if (std::memcmp(c, StartMarkBytes, 4) != 0 || std::memcmp(c + 60, EndMarkBytes, 4) != 0)
                continue;
            const bool valid = le32(c + 4) == zlibCrc(c + DataOffset, DataSize);
            if (valid)
                std::memcpy(last.data(), c, FrameSize);
            buffer.erase(buffer.begin(), buffer.begin() + long(p + FrameSize));
            return valid;
        }
        if (buffer.size() > FrameSize)
            buffer.erase(buffer.begin(), buffer.end() - long(FrameSize));
        return false;
    }
};

} // namespace

class tst_CommLink : public QObject
{
    Q_OBJECT

private slots:
    // Checksum
    void crcKnownVectors_data();
    void crcKnownVectors();
    void crcMatchesZlibOnRandomData();

    // Builder, init, send
    void frameLayout_data();
    void frameLayout();
    void builderWithoutDataSendsEmptyField();
    void crcCoversDataFieldOnly();
    void initResetsLink();
    void sendHandsSixtyFourBytesToDriver();
    void sendWithoutDriverDoesNothing();

    // Receive edge cases
    void streamStartingMidFrame_data();
    void streamStartingMidFrame();
    void twoFramesInOneChunk();
    void garbageKeepsLastSixtyFourBytes();
    void incompleteFrameSurvivesGarbageDiscard();
    void badCrcFrameThenGoodFrame();
    void exactlySixtyFourBytesWithoutFrameStay();
    void bufferNeverExceedsCapacity();
    void overReportingDriverIsClamped();
    void negativeDriverResultCountsAsZero();
    void receiveWithoutDriverOrReadFunction();
    void randomChunkingDeliversEveryFrameInOrder();
    void randomStreamsMatchReferenceAndNeverDeliverBadFrames();
};

void tst_CommLink::crcKnownVectors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<uint>("expected");
    QTest::newRow("empty") << QByteArray() << 0x00000000u;
    QTest::newRow("a") << QByteArray("a") << 0xE8B7BE43u;
    QTest::newRow("check") << QByteArray("123456789") << 0xCBF43926u;
    QTest::newRow("fox") << QByteArray("The quick brown fox jumps over the lazy dog") << 0x414FA339u;
    // Data fields of the frame: zlib is the reference here.
    for (char fillByte : {'\x00', '\xFF'}) {
        const QByteArray field(50, fillByte);
        QTest::addRow("50 x %02X", uint8_t(fillByte))
            << field << uint(zlibCrc(reinterpret_cast<const uint8_t *>(field.constData()), 50));
    }
}

void tst_CommLink::crcKnownVectors()
{
    QFETCH(QByteArray, input);
    QFETCH(uint, expected);
    const auto *p = reinterpret_cast<const uint8_t *>(input.constData());
    QCOMPARE(uint(crc32(p, size_t(input.size()))), expected);
    QCOMPARE(uint(zlibCrc(p, size_t(input.size()))), expected);
}

void tst_CommLink::crcMatchesZlibOnRandomData()
{
    std::mt19937 rng(0xC0FFEE);
    for (int i = 0; i < 2000; ++i) {
        Bytes data(rng() % 300);
        for (auto &b : data)
            b = uint8_t(rng());
        QCOMPARE(crc32(data.data(), data.size()), zlibCrc(data.data(), data.size()));
    }
}

void tst_CommLink::frameLayout_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("seed");
    QTest::newRow("request") << 6 << 0 << 1;
    QTest::newRow("state response") << 16 << 0x20 << 2;
    QTest::newRow("all ones") << 255 << 255 << 3;
    QTest::newRow("zero type") << 0 << 0 << 4;
}

void tst_CommLink::frameLayout()
{
    QFETCH(int, type);
    QFETCH(int, status);
    QFETCH(int, seed);
    std::mt19937 rng{uint32_t(seed)};
    uint8_t data[DataSize];
    for (auto &b : data)
        b = uint8_t(rng());

    uint8_t frame[FrameSize];
    std::memset(frame, 0x55, sizeof frame);
    commBuildFrame(frame, uint8_t(type), uint8_t(status), data);

    const uint8_t start[4] = {0xEF, 0xBE, 0xAD, 0xDE};
    const uint8_t end[4] = {0xBE, 0xBA, 0xFE, 0xCA};
    QVERIFY(std::memcmp(frame, start, 4) == 0);
    QVERIFY(std::memcmp(frame + 60, end, 4) == 0);
    QCOMPARE(int(frame[8]), type);
    QCOMPARE(int(frame[9]), status);
    QVERIFY(std::memcmp(frame + 10, data, 50) == 0);
    const uint32_t crc = zlibCrc(data, 50);
    QCOMPARE(int(frame[4]), int(crc & 0xFF));
    QCOMPARE(int(frame[5]), int((crc >> 8) & 0xFF));
    QCOMPARE(int(frame[6]), int((crc >> 16) & 0xFF));
    QCOMPARE(int(frame[7]), int(crc >> 24));

    const Frame independent = makeFrame(uint8_t(type), uint8_t(status), data);
    QVERIFY(std::memcmp(frame, independent.data(), FrameSize) == 0);
}

void tst_CommLink::builderWithoutDataSendsEmptyField()
{
    uint8_t frame[FrameSize];
    std::memset(frame, 0xAA, sizeof frame);
    commBuildFrame(frame, 9, 0, nullptr);
    const uint8_t zeros[DataSize] = {};
    const Frame expected = makeFrame(9, 0, zeros);
    QVERIFY(std::memcmp(frame, expected.data(), FrameSize) == 0);
}

void tst_CommLink::crcCoversDataFieldOnly()
{
    uint8_t data[DataSize];
    for (size_t i = 0; i < DataSize; ++i)
        data[i] = uint8_t(i * 3 + 1);

    uint8_t reference[FrameSize];
    commBuildFrame(reference, 7, 0, data);
    for (int type : {0, 1, 22, 255}) {
        for (int status : {0, 0x10, 0xFF}) {
            uint8_t frame[FrameSize];
            commBuildFrame(frame, uint8_t(type), uint8_t(status), data);
            QVERIFY2(std::memcmp(frame + 4, reference + 4, 4) == 0,
                     qPrintable(QString("type %1 status %2").arg(type).arg(status)));
        }
    }
    // Every data byte, first and last included, is covered.
    for (size_t i : {size_t(0), size_t(25), DataSize - 1}) {
        uint8_t changed[DataSize];
        std::memcpy(changed, data, DataSize);
        changed[i] ^= 0x01;
        uint8_t frame[FrameSize];
        commBuildFrame(frame, 7, 0, changed);
        QVERIFY(std::memcmp(frame + 4, reference + 4, 4) != 0);
    }
}

void tst_CommLink::initResetsLink()
{
    ByteStreamDriver stream;
    CommLink link;
    std::memset(link.buffer, 0x77, sizeof link.buffer);
    std::memset(link.lastFrame, 0x77, sizeof link.lastFrame);
    link.fill = 500;

    commLinkInit(&link, stream.driver());
    QCOMPARE(link.driver, stream.driver());
    QCOMPARE(link.fill, 0u);
    for (uint8_t b : link.buffer)
        QCOMPARE(int(b), 0);
    const uint8_t zeros[DataSize] = {};
    const Frame empty = makeFrame(0, 0, zeros);
    QCOMPARE(lastFrameOf(link), empty);
    QCOMPARE(stream.readCalls(), 0);
    QCOMPARE(stream.writeCalls(), 0);
}

void tst_CommLink::sendHandsSixtyFourBytesToDriver()
{
    ByteStreamDriver stream;
    CommLink link;
    commLinkInit(&link, stream.driver());

    const Frame f = plainFrame(4, 9);
    commLinkSend(&link, f.data());
    QCOMPARE(stream.writeCalls(), 1);
    QCOMPARE(stream.written(), Bytes(f.begin(), f.end()));

    stream.clearWritten();
    uint8_t data[DataSize] = {};
    data[0] = 1;
    data[2] = 27;
    commLinkSendFrame(&link, 6, 0, data);
    QCOMPARE(stream.writeCalls(), 2);
    const Frame expected = makeFrame(6, 0, data);
    QCOMPARE(stream.written(), Bytes(expected.begin(), expected.end()));
}

void tst_CommLink::sendWithoutDriverDoesNothing()
{
    CommLink link;
    commLinkInit(&link, nullptr);
    const Frame f = plainFrame(4, 1);
    commLinkSend(&link, f.data());
    commLinkSendFrame(&link, 1, 0, nullptr);

    CommDriver noWrite; // read and write left null
    commLinkInit(&link, &noWrite);
    commLinkSend(&link, f.data());
    QCOMPARE(link.fill, 0u);
}

void tst_CommLink::streamStartingMidFrame_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("inTwoReads");
    for (int cut : {1, 2, 3, 4, 5, 10, 32, 59, 60, 61, 63}) {
        QTest::addRow("cut %d, one read", cut) << cut << false;
        QTest::addRow("cut %d, two reads", cut) << cut << true;
    }
}

void tst_CommLink::streamStartingMidFrame()
{
    QFETCH(int, cut);
    QFETCH(bool, inTwoReads);
    const Frame partial = plainFrame(7, 1);
    const Frame next = plainFrame(5, 2);
    Bytes stream(partial.begin() + cut, partial.end());
    append(stream, next);

    ByteStreamDriver driver;
    driver.feed(stream);
    CommLink link;
    commLinkInit(&link, driver.driver());
    if (inTwoReads) {
        // The tail and half of the next frame first: nothing yet.
        driver.setReadScript({int32_t(FrameSize - cut + 32)});
        QVERIFY(!commLinkReceive(&link));
    }
    QVERIFY(commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), next);
    QCOMPARE(link.fill, 0u);
    QVERIFY(!commLinkReceive(&link));
}

void tst_CommLink::twoFramesInOneChunk()
{
    const Frame first = plainFrame(7, 10);
    const Frame second = plainFrame(22, 20);
    Bytes stream;
    append(stream, first);
    append(stream, second);

    ByteStreamDriver driver;
    driver.feed(stream);
    CommLink link;
    commLinkInit(&link, driver.driver());

    QVERIFY(commLinkReceive(&link));
    QCOMPARE(driver.pendingBytes(), size_t(0)); // both frames came with the first read
    QCOMPARE(lastFrameOf(link), first);
    QCOMPARE(link.fill, 64u);
    QVERIFY(commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), second);
    QCOMPARE(link.fill, 0u);
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), second);
}

void tst_CommLink::garbageKeepsLastSixtyFourBytes()
{
    std::mt19937 rng(200);
    const Bytes junk = garbage(rng, 200);
    ByteStreamDriver driver;
    driver.feed(junk);
    CommLink link;
    commLinkInit(&link, driver.driver());
    const Frame before = lastFrameOf(link);

    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 64u);
    QCOMPARE(bufferOf(link), Bytes(junk.end() - 64, junk.end()));
    QCOMPARE(lastFrameOf(link), before);
}

void tst_CommLink::incompleteFrameSurvivesGarbageDiscard()
{
    std::mt19937 rng(201);
    const Bytes junk = garbage(rng, 300);
    const Frame f = plainFrame(10, 3);
    ByteStreamDriver driver;
    driver.feed(junk);
    driver.feed(f.data(), 40);
    CommLink link;
    commLinkInit(&link, driver.driver());

    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 64u);
    QVERIFY(std::memcmp(link.buffer + 24, f.data(), 40) == 0);

    driver.feed(f.data() + 40, 24);
    QVERIFY(commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), f);
    QCOMPARE(link.fill, 0u);
}

void tst_CommLink::badCrcFrameThenGoodFrame()
{
    Frame bad = plainFrame(7, 30);
    bad[DataOffset + 17] ^= 0x40;
    const Frame good = plainFrame(7, 31);
    Bytes stream = {0x01, 0x02, 0x03}; // leading bytes go with the bad frame
    append(stream, bad);
    append(stream, good);

    ByteStreamDriver driver;
    driver.feed(stream);
    CommLink link;
    commLinkInit(&link, driver.driver());
    const Frame before = lastFrameOf(link);

    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 64u);
    QCOMPARE(bufferOf(link), Bytes(good.begin(), good.end()));
    QCOMPARE(lastFrameOf(link), before);

    QVERIFY(commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), good);
    QCOMPARE(link.fill, 0u);
}

void tst_CommLink::exactlySixtyFourBytesWithoutFrameStay()
{
    std::mt19937 rng(64);
    const Bytes junk = garbage(rng, 64);
    ByteStreamDriver driver;
    driver.feed(junk);
    CommLink link;
    commLinkInit(&link, driver.driver());

    for (int i = 0; i < 3; ++i) {
        QVERIFY(!commLinkReceive(&link));
        QCOMPARE(link.fill, 64u);
        QCOMPARE(bufferOf(link), junk);
    }
    // One more byte pushes the oldest out.
    driver.feed(Bytes{0x42});
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 64u);
    Bytes expected(junk.begin() + 1, junk.end());
    expected.push_back(0x42);
    QCOMPARE(bufferOf(link), expected);
}

void tst_CommLink::bufferNeverExceedsCapacity()
{
    // 40 frames (2560 bytes) waiting at once: every read is limited to the free space.
    Bytes stream;
    std::vector<Frame> frames;
    for (int i = 0; i < 40; ++i) {
        frames.push_back(plainFrame(7, uint8_t(i)));
        append(stream, frames.back());
    }
    ByteStreamDriver driver;
    driver.feed(stream);
    CommLink link;
    commLinkInit(&link, driver.driver());

    size_t delivered = 0;
    for (int call = 0; call < 100 && delivered < frames.size(); ++call) {
        const uint32_t fillBefore = link.fill;
        const int readsBefore = driver.readCalls();
        const bool got = commLinkReceive(&link);
        QVERIFY(link.fill <= BufferSize);
        if (driver.readCalls() > readsBefore)
            QCOMPARE(driver.lastMaximum(), BufferSize - fillBefore);
        if (got) {
            QCOMPARE(lastFrameOf(link), frames[delivered]);
            ++delivered;
        }
    }
    QCOMPARE(delivered, frames.size());
    QCOMPARE(driver.largestMaximum(), BufferSize);

    // 5000 bytes of garbage: one read of 1024, trimmed to the last 64.
    std::mt19937 rng(5000);
    const Bytes junk = garbage(rng, 5000);
    ByteStreamDriver junkDriver;
    junkDriver.feed(junk);
    commLinkInit(&link, junkDriver.driver());
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(junkDriver.pendingBytes(), size_t(5000 - 1024));
    QCOMPARE(link.fill, 64u);
    QCOMPARE(bufferOf(link), Bytes(junk.begin() + 1024 - 64, junk.begin() + 1024));
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(junkDriver.lastMaximum(), BufferSize - 64);
}

void tst_CommLink::overReportingDriverIsClamped()
{
    Bytes stream;
    for (int i = 0; i < 20; ++i)
        append(stream, plainFrame(7, uint8_t(i)));
    ByteStreamDriver driver;
    driver.feed(stream);
    driver.setOverReport(1000);
    CommLink link;
    commLinkInit(&link, driver.driver());

    QVERIFY(commLinkReceive(&link));
    QVERIFY(link.fill <= BufferSize);
    QCOMPARE(link.fill, BufferSize - 64);
    for (int i = 0; i < 50; ++i) {
        commLinkReceive(&link);
        QVERIFY(link.fill <= BufferSize);
    }
}

void tst_CommLink::negativeDriverResultCountsAsZero()
{
    const Frame f = plainFrame(19, 5);
    ByteStreamDriver driver;
    driver.feed(f.data(), FrameSize);
    driver.setReadScript({30, -1, INT32_MIN, -64, 34});
    CommLink link;
    commLinkInit(&link, driver.driver());

    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 30u);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!commLinkReceive(&link));
        QCOMPARE(link.fill, 30u);
        QVERIFY(std::memcmp(link.buffer, f.data(), 30) == 0);
    }
    QVERIFY(commLinkReceive(&link));
    QCOMPARE(lastFrameOf(link), f);
}

void tst_CommLink::receiveWithoutDriverOrReadFunction()
{
    CommLink link;
    commLinkInit(&link, nullptr);
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 0u);

    CommDriver noRead;
    commLinkInit(&link, &noRead);
    QVERIFY(!commLinkReceive(&link));
    QCOMPARE(link.fill, 0u);
}

void tst_CommLink::randomChunkingDeliversEveryFrameInOrder()
{
    std::mt19937 rng(0x5EED);
    Bytes stream;
    std::vector<Frame> expected;
    for (int i = 0; i < 600; ++i) {
        const Bytes junk = garbage(rng, rng() % 3 == 0 ? rng() % 120 : 0);
        stream.insert(stream.end(), junk.begin(), junk.end());
        Frame f = randomFrame(rng);
        if (rng() % 10 == 0) {
            f[DataOffset + rng() % DataSize] ^= uint8_t(1u << (rng() % 8));
            append(stream, f); // corrupted: must not be delivered
            continue;
        }
        append(stream, f);
        expected.push_back(f);
    }
    const Bytes tail = garbage(rng, 30);
    stream.insert(stream.end(), tail.begin(), tail.end());

    std::vector<int32_t> chunks;
    for (size_t total = 0; total < stream.size();) {
        const int32_t n = int32_t(rng() % 200);
        chunks.push_back(n);
        total += size_t(n);
    }

    ByteStreamDriver driver;
    driver.feed(stream);
    driver.setReadScript(chunks);
    CommLink link;
    commLinkInit(&link, driver.driver());

    // Ticks of the receive loop as the front-end runs it: until the first false.
    std::vector<Frame> delivered;
    for (int tick = 0; tick < 100000; ++tick) {
        const uint32_t fillBefore = link.fill;
        bool got = false;
        while (commLinkReceive(&link)) {
            delivered.push_back(lastFrameOf(link));
            got = true;
        }
        QVERIFY(link.fill <= BufferSize);
        if (!got && driver.pendingBytes() == 0 && link.fill == fillBefore)
            break;
    }
    QCOMPARE(driver.pendingBytes(), size_t(0));
    QCOMPARE(delivered.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(delivered[i] == expected[i], qPrintable(QString("frame %1").arg(i)));
}

void tst_CommLink::randomStreamsMatchReferenceAndNeverDeliverBadFrames()
{
    std::mt19937 rng(0xF0F0);
    int deliveredTotal = 0;
    int refusedTotal = 0;
    for (int round = 0; round < 2000; ++round) {
        // Pieces: good frames, damaged frames, lone marks, garbage of any bytes.
        Bytes stream;
        const int pieces = int(rng() % 12);
        for (int i = 0; i < pieces; ++i) {
            switch (rng() % 6) {
            case 0:
            case 1:
                append(stream, randomFrame(rng));
                break;
            case 2: {
                Frame f = randomFrame(rng);
                for (uint32_t k = 0, n = 1 + rng() % 3; k < n; ++k)
                    f[rng() % FrameSize] ^= uint8_t(1 + rng() % 255);
                append(stream, f);
                break;
            }
            case 3:
                stream.insert(stream.end(), StartMarkBytes, StartMarkBytes + 4);
                break;
            case 4:
                stream.insert(stream.end(), EndMarkBytes, EndMarkBytes + 4);
                break;
            default:
                for (uint32_t k = 0, n = rng() % 150; k < n; ++k)
                    stream.push_back(uint8_t(rng()));
                break;
            }
        }
        // Read portions, now and then a failed read.
        std::vector<int32_t> script;
        for (int i = 0; i < 40; ++i)
            script.push_back(rng() % 8 == 0 ? -int32_t(rng() % 5 + 1) : int32_t(rng() % 300));

        ByteStreamDriver driver;
        driver.feed(stream);
        driver.setReadScript(script);
        CommLink link;
        commLinkInit(&link, driver.driver());
        ReferenceReceiver reference;
        std::memcpy(reference.last.data(), link.lastFrame, FrameSize);

        for (size_t call = 0; call < script.size() + 20; ++call) {
            const uint32_t fillBefore = link.fill;
            const size_t posBefore = stream.size() - driver.pendingBytes();
            const int readsBefore = driver.readCalls();
            const bool got = commLinkReceive(&link);
            const size_t posAfter = stream.size() - driver.pendingBytes();

            QVERIFY(link.fill <= BufferSize);
            if (driver.readCalls() > readsBefore)
                QCOMPARE(driver.lastMaximum(), BufferSize - fillBefore);
            const bool expectedGot = reference.receive(Bytes(stream.begin() + long(posBefore),
                                                             stream.begin() + long(posAfter)));
            QCOMPARE(got, expectedGot);
            QCOMPARE(bufferOf(link), reference.buffer);
            QCOMPARE(lastFrameOf(link), reference.last);
            if (got) {
                QVERIFY(hasValidCrc(link.lastFrame));
                ++deliveredTotal;
            } else if (link.fill < fillBefore) {
                ++refusedTotal;
            }
        }
    }
    // The streams really exercised both outcomes.
    QVERIFY(deliveredTotal > 1000);
    QVERIFY(refusedTotal > 100);
}

QTEST_GUILESS_MAIN(tst_CommLink)
#include "tst_commlink.moc"
