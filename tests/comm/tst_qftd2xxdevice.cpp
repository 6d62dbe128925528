// QFTD2XXDevice and CommDriverQt over the D2XX test source.
#include "CommDriverQt.h"
#include "FakeD2xxSource.h"
#include "QFTD2XXDevice.h"

#include <QtTest>

#include <memory>

namespace {

// Exposes the protected QIODevice overrides.
class ProbeDevice : public QFTD2XXDevice
{
public:
    using QFTD2XXDevice::QFTD2XXDevice;
    using QFTD2XXDevice::readData;
    using QFTD2XXDevice::writeData;
};

} // namespace

class TestQFTD2XXDevice : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        D2xx::setSystemSourcesEnabled(false);
        m_fake = std::make_unique<FakeD2xxSource>();
        D2xx::setTestSource(m_fake.get());
    }
    void cleanup() { m_fake.reset(); }

    void enumeration()
    {
        const uint64_t before = D2xx::callCount();
        QVERIFY(QFTD2XXDevice::availableDevices().isEmpty());
        QCOMPARE(D2xx::callCount() - before, uint64_t(1));
        m_fake->addDevice("S1", "Not an inverter", 0x12345678);
        m_fake->addDevice("S2", "FT232R USB UART", 0x04036001);
        QStringList listed;
        for (const QFTD2XXDeviceInfo &d : QFTD2XXDevice::availableDevices())
            listed << QString("%1 %2 %3 %4").arg(d.index).arg(d.serialNumber, d.description).arg(d.id, 0, 16);
        QCOMPARE(listed, (QStringList{"0 S1 Not an inverter 12345678", "1 S2 FT232R USB UART 4036001"}));
    }

    void openAndCloseCallSequence_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("baudRate");
        QTest::addColumn<QStringList>("calls"); // none: open fails
        const QStringList settings = {"FT_GetComPortNumber", "FT_SetBaudRate", "FT_SetDataCharacteristics",
                                      "FT_GetDriverVersion", "FT_SetTimeouts"};
        const QStringList rateLeftAlone = {"FT_GetComPortNumber", "FT_GetDriverVersion", "FT_SetTimeouts"};
        QTest::newRow("by serial number") << "INV1" << -1 << 38400u << QStringList("FT_OpenEx") + settings;
        QTest::newRow("rate left alone") << "INV1" << -1 << 0u << QStringList("FT_OpenEx") + rateLeftAlone;
        QTest::newRow("serial gone: by index") << "GONE" << 0 << 38400u << QStringList("FT_Open") + settings;
        QTest::newRow("no serial: by index") << "" << 0 << 0u << QStringList("FT_Open") + rateLeftAlone;
        QTest::newRow("nothing to open by") << "GONE" << -1 << 0u << QStringList();
    }

    void openAndCloseCallSequence()
    {
        QFETCH(QString, serial);
        QFETCH(int, index);
        QFETCH(uint, baudRate);
        QFETCH(QStringList, calls);
        FakeD2xxSource::Device &fake = m_fake->device(m_fake->addDevice("INV1", "FT232R USB UART", 0x04036001, 5));
        m_fake->feedReceived(0, "stale", 5);
        QFTD2XXDeviceInfo info = first();
        info.serialNumber = serial;
        info.index = index;
        ProbeDevice device(info);
        if (baudRate)
            device.setBaudRate(baudRate);
        device.setDataCharacteristics(7, 2, 1);
        device.setTimeout(500);
        // Closed: no I/O, and neither that nor the settings make a D2XX call.
        char buffer[8] = {};
        QVERIFY(device.readData(buffer, sizeof buffer) == -1 && device.writeData("x", 1) == -1);
        QVERIFY(device.bytesAvailable() == 0 && m_fake->calls().empty());
        QCOMPARE(device.open(QIODevice::ReadWrite), !calls.isEmpty());
        QCOMPARE(this->calls(), calls);
        if (calls.isEmpty())
            return;
        QCOMPARE(fake.baudRate, uint32_t(baudRate));
        QCOMPARE(QVector<int>({fake.wordLength, fake.stopBits, fake.parity}),
                 baudRate ? QVector<int>({7, 2, 1}) : QVector<int>({0, 0, 0}));
        QVERIFY(fake.readTimeout == 500 && fake.writeTimeout == 500 && device.comPortNumber() == 5);
        QCOMPARE(device.driverVersion(), QStringLiteral("1.0.0")); // the layer reports 0x00010000
        QVERIFY(device.readData(nullptr, 4) == -1 && device.readData(buffer, 0) == -1 && device.writeData("x", 0) == -1);

        // Opening again makes no D2XX call; another object for the same device is refused.
        const uint64_t before = D2xx::callCount();
        QVERIFY(device.open(QIODevice::ReadWrite));
        QCOMPARE(D2xx::callCount(), before);
        QVERIFY(!QFTD2XXDevice(first()).open(QIODevice::ReadWrite));

        m_fake->clearCalls();
        device.close();
        QCOMPARE(this->calls(), (QStringList{"FT_Purge", "FT_Close"}));
        QCOMPARE(fake.purgeMask, 3u); // receive and transmit
        QVERIFY(!fake.open && device.comPortNumber() == -1 && device.readData(buffer, sizeof buffer) == -1);
    }

    void writes_data()
    {
        QTest::addColumn<QVector<uint>>("chunks"); // bytes the library takes per FT_Write; 0 is a time-out
        QTest::addColumn<bool>("failedRead");      // a failed FT_Read first: its status is sticky
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("written");
        QTest::newRow("40 and 24") << QVector<uint>{40, 24} << false << 64 << 64;
        QTest::newRow("time-out after 10") << QVector<uint>{10, 0} << false << -1 << 10;
        QTest::newRow("after a failed read") << QVector<uint>{} << true << 0 << 0;
    }

    void writes()
    {
        QFETCH(QVector<uint>, chunks);
        QFETCH(bool, failedRead);
        QFETCH(int, result);
        QFETCH(int, written);
        FakeD2xxSource::Device &fake = m_fake->device(m_fake->addDevice("INV1"));
        fake.writeChunks.assign(chunks.begin(), chunks.end());
        QFTD2XXDevice device(first());
        QVERIFY(device.open(QIODevice::ReadWrite));
        QSignalSpy timeouts(&device, &QFTD2XXDevice::writeTimeoutExpired);
        char buffer[4];
        fake.unplugged = failedRead;
        device.read(buffer, failedRead ? 4 : 0);
        fake.unplugged = false;
        m_fake->clearCalls();
        const QByteArray frame = QByteArray("0123456789abcdef").repeated(4);
        QCOMPARE(device.write(frame), qint64(result));
        const std::vector<uint8_t> bytes = m_fake->takeWritten(0);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())), frame.left(written));
        QCOMPARE(timeouts.count(), result < 0 ? 1 : 0);
        QCOMPARE(calls().size(), int(chunks.size())); // FT_Write calls only, none after a failure
        m_fake->feedReceived(0, "z", 1); // the next call that succeeds clears the status
        QCOMPARE(device.read(buffer, 1), qint64(1));
        QCOMPARE(device.write("abcd", 4), qint64(4));
    }

    void driverReadsNoMoreThanWaiting()
    {
        m_fake->addDevice("INV1");
        m_fake->feedReceived(0, "0123456789", 10);
        QFTD2XXDevice device(first());
        QVERIFY(device.open(QIODevice::ReadWrite));
        CommDriverQt driver(&device);
        uint8_t buffer[16] = {};
        QCOMPARE(driver.CommDriver::read(buffer, 4, driver.context), int32_t(4));
        QVERIFY(QByteArray(reinterpret_cast<const char *>(buffer), 4) == "0123" && device.bytesAvailable() == 6);
        QCOMPARE(driver.read(buffer, 16), int32_t(6));
        m_fake->clearCalls();
        QCOMPARE(driver.read(buffer, 16), int32_t(0));
        QCOMPARE(calls(), QStringList{"FT_GetQueueStatus"}); // nothing waiting: not even a read is tried
    }
private:
    QStringList calls() const
    {
        QStringList names;
        for (const std::string &call : m_fake->calls())
            names << QString::fromStdString(call);
        return names;
    }
    QFTD2XXDeviceInfo first() const { return QFTD2XXDevice::availableDevices().value(0); }

    std::unique_ptr<FakeD2xxSource> m_fake;
};

QTEST_GUILESS_MAIN(TestQFTD2XXDevice)
#include "tst_qftd2xxdevice.moc"
