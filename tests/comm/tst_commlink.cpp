// Frame layer: checksum (against zlib), builder, cutting frames out of the byte stream, and the
// paths that must not touch the heap (receiving, sending, listing no devices).
#include "ByteStreamDriver.h"
#include "CommLink.h"
#include "Crc32.h"
#include "D2xxSource.h"
#include "FrameCodec.h"
#include "QFTD2XXDevice.h"

#include <QtTest>

#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
int *volatile g_sink = nullptr;

void *allocate(std::size_t size)
{
    g_allocations += g_counting ? 1 : 0;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    std::abort(); // no exceptions in this program
}

} // namespace

// Every non-aligned form, so that allocation and release pair up, also under AddressSanitizer.
void *operator new(std::size_t size) { return allocate(size); }
void *operator new[](std::size_t size) { return allocate(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return allocate(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return allocate(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { std::free(p); }

namespace {

using Bytes = std::vector<uint8_t>;
using TestFrame::join;
constexpr uint32_t BufferSize = 1024;

uint32_t zlibCrc(const uint8_t *data, size_t size) { return uint32_t(::crc32(0L, data, uInt(size))); }

Bytes randomBytes(std::mt19937 &rng, size_t size, unsigned below = 256)
{
    Bytes bytes(size);
    for (auto &b : bytes)
        b = uint8_t(rng() % below);
    return bytes;
}

Bytes lastFrameOf(const CommLink &link) { return Bytes(link.lastFrame, link.lastFrame + 64); }

// One receive call as "+fill" or "-fill", "!" added where it differs from the reference.
QString receiveOnce(CommLink &link, ByteStreamDriver &driver, const Bytes &stream, TestFrame::Receiver &reference)
{
    const size_t before = stream.size() - driver.pendingBytes();
    const uint32_t room = BufferSize - link.fill;
    driver.takeLastMaximum();
    const bool got = commLinkReceive(&link);
    const uint32_t offered = driver.takeLastMaximum();
    if (link.fill > BufferSize)
        return QString("fill %1 beyond the buffer!").arg(link.fill);
    const size_t after = stream.size() - driver.pendingBytes();
    const bool same = got == reference.receive(Bytes(stream.begin() + long(before), stream.begin() + long(after)))
        && Bytes(link.buffer, link.buffer + link.fill) == reference.buffer && lastFrameOf(link) == reference.last
        && (offered == 0 || offered == room);
    return QString("%1%2%3").arg(got ? '+' : '-').arg(link.fill).arg(same ? "" : "!");
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class tst_CommLink : public QObject
{
    Q_OBJECT

private slots:
    void crcMatchesZlib()
    {
        std::mt19937 rng(0xC0FFEE);
        for (int i = 0; i < 1000; ++i) {
            const Bytes data = randomBytes(rng, rng() % 300);
            QCOMPARE(crc32(data.data(), data.size()), zlibCrc(data.data(), data.size()));
        }
    }

    void builder_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("withData");
        QTest::newRow("state response") << 255 << 0x20 << true;
        QTest::newRow("no data field") << 9 << 0 << false;
    }

    void builder()
    {
        QFETCH(int, type);
        QFETCH(int, status);
        QFETCH(bool, withData);
        std::mt19937 rng{uint32_t(type)};
        const Bytes data = withData ? randomBytes(rng, 50) : Bytes(50, 0);
        Bytes frame(64, 0x55);
        commBuildFrame(frame.data(), uint8_t(type), uint8_t(status), withData ? data.data() : nullptr);
        QCOMPARE(frame, TestFrame::make(uint8_t(type), uint8_t(status), data));
        QCOMPARE(TestFrame::get32(frame.data() + 4), zlibCrc(data.data(), 50)); // type and status lie outside the CRC
    }

    void initSendAndMissingDriver()
    {
        ByteStreamDriver stream;
        CommLink link;
        std::memset(static_cast<void *>(&link), 0x77, sizeof link);
        commLinkInit(&link, stream.driver());
        QVERIFY(link.fill == 0 && lastFrameOf(link) == TestFrame::make(0, 0));
        const Bytes f = TestFrame::makePlain(4, 9);
        commLinkSend(&link, f.data());
        commLinkSendFrame(&link, 6, 0, f.data() + 10);
        QCOMPARE(stream.written(), join({f, TestFrame::make(6, 0, Bytes(f.begin() + 10, f.begin() + 60))}));
        CommDriver empty; // without a driver or its functions nothing is sent or received
        for (CommDriver *driver : {static_cast<CommDriver *>(nullptr), &empty}) {
            commLinkInit(&link, driver);
            commLinkSend(&link, f.data());
            commLinkSendFrame(&link, 1, 0, nullptr);
            QVERIFY(!commLinkReceive(&link) && link.fill == 0);
        }
    }

    void receive_data()
    {
        // One step per receive call: + or - for its result, then the fill.
        QTest::addColumn<Bytes>("stream");
        QTest::addColumn<QVector<int>>("script");
        QTest::addColumn<int>("overReport");
        QTest::addColumn<QString>("expected");
        const Bytes f1 = TestFrame::makePlain(7, 1), f2 = TestFrame::makePlain(5, 2);
        for (int cut : {1, 60, 63})
            QTest::addRow("starts %d bytes into a frame", cut)
                << join({Bytes(f1.begin() + cut, f1.end()), f2}) << QVector<int>{} << 0 << "+0 -0";
        QTest::newRow("two frames in one chunk") << join({f1, f2}) << QVector<int>{} << 0 << "+64 +0 -0";
        std::mt19937 rng(200);
        QTest::newRow("200 bytes of garbage") << randomBytes(rng, 200, 0xA0) << QVector<int>{} << 0 << "-64 -64";
        Bytes bad = TestFrame::makePlain(7, 30);
        bad[27] ^= 0x40;
        QTest::newRow("bad CRC, then a good frame") << join({{1, 2, 3}, bad, f2}) << QVector<int>{} << 0 << "-64 +0 -0";
        QTest::newRow("failed reads count as nothing")
            << f1 << QVector<int>{30, -1, INT32_MIN, -64, 34} << 0 << "-30 -30 -30 -30 +0";
        // 40 frames waiting: each read fills only the room left in the buffer.
        Bytes many;
        QString steps;
        for (int i = 0; i < 40; ++i)
            many = join({many, TestFrame::makePlain(7, uint8_t(i))});
        for (int held = 0, waiting = 2560; held + waiting > 0;) {
            const int room = std::min(1024 - held, waiting);
            waiting -= room;
            steps += QString("+%1 ").arg(held += room - 64);
        }
        QTest::newRow("more than the buffer holds") << many << QVector<int>{} << 0 << steps + "-0";
        QTest::newRow("driver reports more than it placed") << many << QVector<int>{} << 1000 << steps + "-0";
    }

    void receive()
    {
        QFETCH(Bytes, stream);
        QFETCH(QVector<int>, script);
        QFETCH(int, overReport);
        QFETCH(QString, expected);
        ByteStreamDriver driver;
        driver.feed(stream);
        driver.setReadScript(std::vector<int32_t>(script.begin(), script.end()));
        driver.setOverReport(overReport);
        CommLink link;
        commLinkInit(&link, driver.driver());
        TestFrame::Receiver reference{{}, lastFrameOf(link)};
        for (const QString &step : expected.split(' '))
            QCOMPARE(receiveOnce(link, driver, stream, reference), step);
    }

    void nothingAllocates()
    {
        D2xx::setSystemSourcesEnabled(false);
        std::mt19937 rng(42);
        ByteStreamDriver driver;
        for (int i = 0; i < 1000; ++i) {
            Bytes f = TestFrame::make(uint8_t(rng()), 0, randomBytes(rng, 50));
            f[30] ^= i % 8 == 0 ? 0x10 : 0;
            driver.feed(join({randomBytes(rng, rng() % 40, 0xE0), f}));
        }
        uint64_t sent = 0;
        CommDriver discard{&sent, [](const uint8_t *, uint32_t length, void *context) {
                               *static_cast<uint64_t *>(context) += length;
                               return int32_t(length);
                           }};
        CommLink link, sendLink;
        uint8_t data[50] = {1, 2, 3}, frame[64];
        commLinkInit(&sendLink, &discard);
        for (uint32_t chunk : {1u, 37u, 4096u}) {
            driver.rewind();
            driver.setChunkLimit(chunk);
            commLinkInit(&link, driver.driver());
            int delivered = 0;
            g_allocations = 0;
            g_counting = true;
            for (uint32_t fill = 1; driver.pendingBytes() > 0 || link.fill != fill;) {
                fill = link.fill;
                while (commLinkReceive(&link))
                    ++delivered;
            }
            for (int i = 0; i < 1000; ++i) {
                commBuildFrame(frame, uint8_t(i), 0, data);
                commLinkSend(&sendLink, frame);
                commLinkSendFrame(&sendLink, 6, 0, data);
            }
            QVERIFY(QFTD2XXDevice::availableDevices().isEmpty());
            g_counting = false;
            QCOMPARE(g_allocations.load(), 0L);
            QCOMPARE(delivered, 875);
        }
        QCOMPARE(sent, uint64_t(3 * 2000 * 64));
        g_counting = true;
        g_sink = new int(5);
        g_counting = false;
        delete g_sink;
        QCOMPARE(g_allocations.load(), 1L); // the counter does see allocations
    }
};

QTEST_GUILESS_MAIN(tst_CommLink)
#include "tst_commlink.moc"
