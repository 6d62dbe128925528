// Receiving and building frames must not touch the heap: the receive loop runs
// every 50 ms for the whole life of a connection. Global operator new is
// replaced here and counts while a measurement is open.
#include "ByteStreamDriver.h"
#include "CommLink.h"

#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};

void *allocate(std::size_t size)
{
    if (g_counting.load(std::memory_order_relaxed))
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    std::abort(); // no exceptions in this program
}

// Counts the allocations made between construction and stop().
class AllocationCounter
{
public:
    AllocationCounter()
    {
        g_allocations = 0;
        g_counting = true;
    }
    ~AllocationCounter() { g_counting = false; }
    long stop()
    {
        g_counting = false;
        return g_allocations;
    }
};

} // namespace

// Every non-aligned form, so that allocation and release always pair up
// (also under AddressSanitizer, which supplies its own operators otherwise).
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

void appendFrame(Bytes &stream, uint8_t type, std::mt19937 &rng, bool corrupt)
{
    uint8_t data[50];
    for (auto &b : data)
        b = uint8_t(rng());
    uint8_t frame[64];
    commBuildFrame(frame, type, 0, data);
    if (corrupt)
        frame[30] ^= 0x10;
    stream.insert(stream.end(), frame, frame + 64);
}

int32_t discardWrite(const uint8_t *, uint32_t length, void *context)
{
    *static_cast<uint64_t *>(context) += length;
    return int32_t(length);
}

int *volatile g_sink = nullptr;

} // namespace

class tst_CommLinkNoAlloc : public QObject
{
    Q_OBJECT

private slots:
    void counterSeesAllocations();
    void receiveDoesNotAllocate_data();
    void receiveDoesNotAllocate();
    void buildingAndSendingDoNotAllocate();
};

void tst_CommLinkNoAlloc::counterSeesAllocations()
{
    // Without this the zero counts below would prove nothing.
    AllocationCounter counter;
    g_sink = new int(5);
    delete g_sink;
    g_sink = new int[3];
    delete[] g_sink;
    QCOMPARE(counter.stop(), 2L);
}

void tst_CommLinkNoAlloc::receiveDoesNotAllocate_data()
{
    QTest::addColumn<uint>("chunk");
    QTest::newRow("1 byte per read") << 1u;
    QTest::newRow("37 bytes per read") << 37u;
    QTest::newRow("whole buffer") << 4096u;
}

void tst_CommLinkNoAlloc::receiveDoesNotAllocate()
{
    QFETCH(uint, chunk);
    std::mt19937 rng(42);
    Bytes stream;
    int expected = 0;
    for (int i = 0; i < 2000; ++i) {
        for (uint32_t g = rng() % 40; g > 0; --g)
            stream.push_back(uint8_t(rng() % 0xE0));
        const bool corrupt = rng() % 8 == 0;
        appendFrame(stream, uint8_t(rng()), rng, corrupt);
        expected += corrupt ? 0 : 1;
    }

    ByteStreamDriver driver;
    driver.feed(stream);
    driver.setChunkLimit(chunk);
    CommLink link;
    commLinkInit(&link, driver.driver());

    int delivered = 0;
    AllocationCounter counter;
    for (int tick = 0; tick < 1000000 && driver.pendingBytes() > 0; ++tick) {
        while (commLinkReceive(&link))
            ++delivered;
    }
    for (int i = 0; i < 100; ++i) // frames still held after a damaged one
        delivered += commLinkReceive(&link) ? 1 : 0;
    const long allocations = counter.stop();

    QCOMPARE(allocations, 0L);
    QCOMPARE(delivered, expected);
}

void tst_CommLinkNoAlloc::buildingAndSendingDoNotAllocate()
{
    uint64_t bytesWritten = 0;
    CommDriver driver;
    driver.context = &bytesWritten;
    driver.write = discardWrite;
    CommLink link;
    commLinkInit(&link, &driver);
    uint8_t data[50] = {1, 2, 3};
    uint8_t frame[64];

    AllocationCounter counter;
    for (int i = 0; i < 10000; ++i) {
        data[0] = uint8_t(i);
        commBuildFrame(frame, uint8_t(i), 0, data);
        commLinkSendFrame(&link, 6, 0, data);
        commLinkSend(&link, frame);
    }
    const long allocations = counter.stop();

    QCOMPARE(allocations, 0L);
    QCOMPARE(bytesWritten, uint64_t(20000 * 64));
}

QTEST_GUILESS_MAIN(tst_CommLinkNoAlloc)
#include "tst_commlink_noalloc.moc"
