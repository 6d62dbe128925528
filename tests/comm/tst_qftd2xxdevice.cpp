// QFTD2XXDevice and CommDriverQt over the in-process D2XX test source: the
// exact D2XX calls of open and close, enumeration, partial and timed-out
// writes, the sticky status and reads that never wait.
#include "CommDriverQt.h"
#include "D2xxSource.h"
#include "FakeD2xxSource.h"
#include "QFTD2XXDevice.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {

thread_local bool t_counting = false;
std::atomic<long> g_allocations{0};

void *allocate(std::size_t size)
{
    if (t_counting)
        ++g_allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    std::abort();
}

// A device whose protected QIODevice overrides the tests call directly.
class ProbeDevice : public QFTD2XXDevice
{
public:
    using QFTD2XXDevice::QFTD2XXDevice;
    using QFTD2XXDevice::readData;
    using QFTD2XXDevice::writeData;
};

using Calls = std::vector<std::string>;

} // namespace

// Every non-aligned form, so that allocation and release pair up, also under
// AddressSanitizer.
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

class TestQFTD2XXDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void emptyListAllocatesNothing();
    void listsEveryDeviceInOrder();
    void openFallsBackToIndex_data();
    void openFallsBackToIndex();
    void openCallSequence_data();
    void openCallSequence();
    void openOnOpenDeviceMakesNoCall();
    void closedDeviceRefusesIo();
    void partialWritesAreCompleted();
    void zeroByteWriteIsATimeout();
    void failedCallMakesStatusSticky();
    void driverReadsNoMoreThanWaiting();

private:
    QFTD2XXDeviceInfo infoAt(int index);

    std::unique_ptr<FakeD2xxSource> m_fake;
};

void TestQFTD2XXDevice::initTestCase()
{
    D2xx::setSystemSourcesEnabled(false);
}

void TestQFTD2XXDevice::init()
{
    m_fake = std::make_unique<FakeD2xxSource>();
    D2xx::setTestSource(m_fake.get());
}

void TestQFTD2XXDevice::cleanup()
{
    m_fake.reset();
}

QFTD2XXDeviceInfo TestQFTD2XXDevice::infoAt(int index)
{
    const QList<QFTD2XXDeviceInfo> devices = QFTD2XXDevice::availableDevices();
    return index < devices.size() ? devices[index] : QFTD2XXDeviceInfo();
}

void TestQFTD2XXDevice::emptyListAllocatesNothing()
{
    const uint64_t before = D2xx::callCount();
    g_allocations = 0;
    t_counting = true;
    const QList<QFTD2XXDeviceInfo> devices = QFTD2XXDevice::availableDevices();
    t_counting = false;
    QVERIFY(devices.isEmpty());
    QCOMPARE(g_allocations.load(), 0L);
    QCOMPARE(D2xx::callCount() - before, uint64_t(1)); // FT_CreateDeviceInfoList only

    // The counter does see the list being built once there is a device.
    m_fake->addDevice("S1");
    t_counting = true;
    const QList<QFTD2XXDeviceInfo> one = QFTD2XXDevice::availableDevices();
    t_counting = false;
    QCOMPARE(one.size(), 1);
    QVERIFY(g_allocations.load() > 0);
}

void TestQFTD2XXDevice::listsEveryDeviceInOrder()
{
    m_fake->addDevice("S1", "Not an inverter", 0x12345678);
    m_fake->addDevice("S2", "FT232R USB UART", 0x04036001);
    const QList<QFTD2XXDeviceInfo> devices = QFTD2XXDevice::availableDevices();
    QCOMPARE(devices.size(), 2);
    QCOMPARE(devices[0].serialNumber, QStringLiteral("S1"));
    QCOMPARE(devices[0].id, 0x12345678u);
    QCOMPARE(devices[0].index, 0);
    QCOMPARE(devices[1].description, QStringLiteral("FT232R USB UART"));
    QCOMPARE(devices[1].index, 1);
}

void TestQFTD2XXDevice::openFallsBackToIndex_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("serial found") << "B" << 0 << true << QStringList{"FT_OpenEx"};
    QTest::newRow("serial gone") << "GONE" << 1 << true << QStringList{"FT_Open"};
    QTest::newRow("no serial") << "" << 1 << true << QStringList{"FT_Open"};
    QTest::newRow("nothing to open by") << "" << -1 << false << QStringList{};
    QTest::newRow("serial gone, no index") << "GONE" << -1 << false << QStringList{};
}

void TestQFTD2XXDevice::openFallsBackToIndex()
{
    QFETCH(QString, serial);
    QFETCH(int, index);
    QFETCH(bool, opened);
    QFETCH(QStringList, calls);
    m_fake->addDevice("A");
    m_fake->addDevice("B");
    QCOMPARE(QFTD2XXDevice::availableDevices().size(), 2);

    QFTD2XXDeviceInfo info;
    info.serialNumber = serial;
    info.index = index;
    QFTD2XXDevice device(info);
    QCOMPARE(device.open(QIODevice::ReadWrite), opened);
    QCOMPARE(device.isOpen(), opened);
    QCOMPARE(m_fake->device(1).open, opened);
    QVERIFY(!m_fake->device(0).open);
    QStringList routed;
    for (const std::string &call : m_fake->calls())
        routed << QString::fromStdString(call);
    QCOMPARE(routed.mid(0, calls.size()), calls);
}

void TestQFTD2XXDevice::openCallSequence_data()
{
    QTest::addColumn<uint>("baudRate");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("inverter settings") << 38400u
                                       << QStringList{"FT_OpenEx",   "FT_GetComPortNumber", "FT_SetBaudRate",
                                                      "FT_SetDataCharacteristics", "FT_GetDriverVersion",
                                                      "FT_SetTimeouts"};
    QTest::newRow("rate left alone") << 0u
                                     << QStringList{"FT_OpenEx", "FT_GetComPortNumber", "FT_GetDriverVersion",
                                                    "FT_SetTimeouts"};
}

void TestQFTD2XXDevice::openCallSequence()
{
    QFETCH(uint, baudRate);
    QFETCH(QStringList, calls);
    const int index = m_fake->addDevice("INV1", "FT232R USB UART", 0x04036001, 5);
    FakeD2xxSource::Device &fake = m_fake->device(index);
    m_fake->feedReceived(index, "stale", 5);

    QFTD2XXDevice device(infoAt(0));
    if (baudRate)
        device.setBaudRate(baudRate);
    device.setDataCharacteristics(8, 0, 0);
    device.setTimeout(500);
    QVERIFY(m_fake->calls().empty()); // settings wait for open
    QVERIFY(device.open(QIODevice::ReadWrite));

    QStringList routed;
    for (const std::string &call : m_fake->calls())
        routed << QString::fromStdString(call);
    QCOMPARE(routed, calls);
    QCOMPARE(fake.baudRate, uint32_t(baudRate));
    if (baudRate) {
        QCOMPARE(int(fake.wordLength), 8);
        QCOMPARE(int(fake.stopBits), 0);
        QCOMPARE(int(fake.parity), 0);
    }
    QCOMPARE(fake.readTimeout, 500u);
    QCOMPARE(fake.writeTimeout, 500u);
    QCOMPARE(device.comPortNumber(), 5);
    QCOMPARE(device.driverVersion(), QStringLiteral("1.0.0")); // the layer reports 0x00010000

    m_fake->clearCalls();
    device.close();
    QVERIFY(m_fake->calls() == Calls({"FT_Purge", "FT_Close"}));
    QCOMPARE(fake.purgeMask, 3u); // receive and transmit
    QVERIFY(fake.rxQueue.empty());
    QVERIFY(!fake.open);
    QCOMPARE(device.comPortNumber(), -1);
}

void TestQFTD2XXDevice::openOnOpenDeviceMakesNoCall()
{
    m_fake->addDevice("INV1");
    QFTD2XXDevice device(infoAt(0));
    QVERIFY(device.open(QIODevice::ReadWrite));
    const uint64_t before = D2xx::callCount();
    QVERIFY(device.open(QIODevice::ReadWrite));
    QCOMPARE(D2xx::callCount(), before);
    QCOMPARE(m_fake->device(0).opens, 1);

    // Another object for the same device is refused by the layer.
    QFTD2XXDevice second(infoAt(0));
    QVERIFY(!second.open(QIODevice::ReadWrite));
}

void TestQFTD2XXDevice::closedDeviceRefusesIo()
{
    m_fake->addDevice("INV1");
    m_fake->feedReceived(0, "abc", 3);
    ProbeDevice device(infoAt(0));
    char buffer[8] = {};
    const uint64_t before = D2xx::callCount();
    QCOMPARE(device.readData(buffer, sizeof buffer), qint64(-1));
    QCOMPARE(device.writeData("x", 1), qint64(-1));
    QCOMPARE(device.bytesAvailable(), qint64(0));
    QCOMPARE(D2xx::callCount(), before);

    QVERIFY(device.open(QIODevice::ReadWrite));
    QCOMPARE(device.readData(nullptr, 4), qint64(-1));
    QCOMPARE(device.readData(buffer, 0), qint64(-1));
    QCOMPARE(device.writeData("x", 0), qint64(-1));
    device.close();
    QCOMPARE(device.readData(buffer, sizeof buffer), qint64(-1));
    QCOMPARE(device.writeData("x", 1), qint64(-1));
    QCOMPARE(device.bytesAvailable(), qint64(0));
}

void TestQFTD2XXDevice::partialWritesAreCompleted()
{
    m_fake->addDevice("INV1");
    m_fake->device(0).writeChunks = {40, 24};
    QFTD2XXDevice device(infoAt(0));
    QVERIFY(device.open(QIODevice::ReadWrite));
    QSignalSpy timeouts(&device, &QFTD2XXDevice::writeTimeoutExpired);
    QByteArray frame(64, '\0');
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = char(i * 7);
    m_fake->clearCalls();

    QCOMPARE(device.write(frame), qint64(64));
    QVERIFY(m_fake->calls() == Calls({"FT_Write", "FT_Write"}));
    const std::vector<uint8_t> written = m_fake->takeWritten(0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(written.data()), int(written.size())), frame);
    QCOMPARE(timeouts.count(), 0);
}

void TestQFTD2XXDevice::zeroByteWriteIsATimeout()
{
    m_fake->addDevice("INV1");
    m_fake->device(0).writeChunks = {10, 0};
    QFTD2XXDevice device(infoAt(0));
    QVERIFY(device.open(QIODevice::ReadWrite));
    QSignalSpy timeouts(&device, &QFTD2XXDevice::writeTimeoutExpired);
    QCOMPARE(device.write(QByteArray(64, 'x')), qint64(-1));
    QCOMPARE(timeouts.count(), 1);
    QCOMPARE(m_fake->takeWritten(0).size(), size_t(10));
}

void TestQFTD2XXDevice::failedCallMakesStatusSticky()
{
    m_fake->addDevice("INV1");
    FakeD2xxSource::Device &fake = m_fake->device(0);
    QFTD2XXDevice device(infoAt(0));
    QVERIFY(device.open(QIODevice::ReadWrite));
    QSignalSpy timeouts(&device, &QFTD2XXDevice::writeTimeoutExpired);
    char buffer[4];

    fake.unplugged = true;
    device.read(buffer, sizeof buffer); // FT_Read fails and is recorded
    fake.unplugged = false;
    m_fake->clearCalls();
    QCOMPARE(device.write("abcd", 4), qint64(0));
    QVERIFY(m_fake->calls().empty());
    QCOMPARE(timeouts.count(), 0);

    // The next recorded call that succeeds clears the status.
    m_fake->feedReceived(0, "z", 1);
    QCOMPARE(device.read(buffer, 1), qint64(1));
    QCOMPARE(device.write("abcd", 4), qint64(4));
    QCOMPARE(fake.written.size(), size_t(4));
}

void TestQFTD2XXDevice::driverReadsNoMoreThanWaiting()
{
    m_fake->addDevice("INV1");
    m_fake->feedReceived(0, "0123456789", 10);
    QFTD2XXDevice device(infoAt(0));
    QVERIFY(device.open(QIODevice::ReadWrite));
    CommDriverQt driver(&device);

    uint8_t buffer[16] = {};
    QCOMPARE(driver.CommDriver::read(buffer, 4, driver.context), int32_t(4));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 4), QByteArray("0123"));
    QCOMPARE(device.bytesAvailable(), qint64(6));
    QCOMPARE(driver.read(buffer, 16), int32_t(6));
    QCOMPARE(driver.read(buffer, 16), int32_t(0));
}

QTEST_GUILESS_MAIN(TestQFTD2XXDevice)
#include "tst_qftd2xxdevice.moc"
