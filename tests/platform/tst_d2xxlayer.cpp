// Device list, opening and routing of the D2XX layer: the serial-port list from
// the environment, a fake sysfs tree and the in-process test source.
#include "D2xxSource.h"
#include "FakeD2xxSource.h"
#include "ftd2xx.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {

struct Node
{
    QString serial;
    QString description;
    uint32_t id = 0;
    uint32_t flags = 0;
    FT_HANDLE handle = nullptr;
};

QList<Node> listDevices()
{
    QList<Node> result;
    DWORD count = 0;
    if (FT_CreateDeviceInfoList(&count) != FT_OK || count == 0)
        return result;
    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
    if (FT_GetDeviceInfoList(nodes.data(), &count) != FT_OK)
        return result;
    for (const FT_DEVICE_LIST_INFO_NODE &node : nodes)
        result.append({QString::fromLatin1(node.SerialNumber), QString::fromLatin1(node.Description), node.ID,
                       node.Flags, node.ftHandle});
    return result;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// One USB device with a usb-serial port below it, laid out as the kernel does.
bool addUsbTty(const QString &root, const QString &tty, const QString &usbName, const QByteArray &vendor,
               const QByteArray &serial)
{
    const QString usb = root + "/devices/pci0000:00/usb1/" + usbName;
    const QString port = usb + "/" + usbName + ":1.0/" + tty;
    const QString classDir = root + "/class/tty/" + tty;
    return QDir().mkpath(port) && QDir().mkpath(classDir) && writeFile(usb + "/idVendor", vendor + "\n")
        && writeFile(usb + "/idProduct", "6001\n") && writeFile(usb + "/serial", serial + "\n")
        && writeFile(usb + "/product", "FT232R USB UART\n") && writeFile(usb + "/bcdDevice", "0600\n")
        && QFile::link(port, classDir + "/device");
}

} // namespace

class TestD2xxLayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsEnvironmentPortsBeforeTestSource();
    void opensBySerialAndByIndex();
    void refusesPathsThatAreNoTty_data();
    void refusesPathsThatAreNoTty();
    void listsFtdiTtyUsbFromSysfs();
    void devicePathForComPort_data();
    void devicePathForComPort();
    void callsOnUnknownHandlesAreRefused();
    void releasedSourceInvalidatesItsHandles();
    void fakeDeviceFailures();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeD2xxSource> m_fake;
};

void TestD2xxLayer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // An empty sysfs: real converters on the test machine stay out of the list.
    QVERIFY(QDir().mkpath(m_dir->filePath("sys/class/tty")));
    qputenv("TORVANA_SYSFS_ROOT", m_dir->filePath("sys").toLocal8Bit());
    qputenv("TORVANA_SERIAL_PORTS", "");
    D2xx::setSystemSourcesEnabled(true);
    m_fake = std::make_unique<FakeD2xxSource>();
    D2xx::setTestSource(m_fake.get());
}

void TestD2xxLayer::cleanup()
{
    m_fake.reset();
    qunsetenv("TORVANA_SYSFS_ROOT");
    m_dir.reset();
}

void TestD2xxLayer::listsEnvironmentPortsBeforeTestSource()
{
    qputenv("TORVANA_SERIAL_PORTS", ":/dev/pts/7::/tmp/second:");
    m_fake->addDevice("FAKE1", "Fake one", 0x04036001);
    m_fake->addDevice("FAKE2", "Fake two", 0x04036015);
    const int removed = m_fake->addDevice("GONE");
    m_fake->removeDevice(removed);

    const QList<Node> nodes = listDevices();
    QCOMPARE(nodes.size(), 4);
    QCOMPARE(nodes[0].serial, QStringLiteral("TV98C5D6E1")); // FNV-1a of "/dev/pts/7"
    QCOMPARE(nodes[0].description, QStringLiteral("Torvana serial port"));
    QVERIFY(nodes[1].serial.startsWith("TV"));
    QVERIFY(nodes[1].serial != nodes[0].serial);
    QCOMPARE(nodes[2].serial, QStringLiteral("FAKE1"));
    QCOMPARE(nodes[3].serial, QStringLiteral("FAKE2"));
    QCOMPARE(nodes[3].description, QStringLiteral("Fake two"));
    QCOMPARE(nodes[3].id, 0x04036015u);
    QCOMPARE(D2xx::devicePathForComPort(1000), std::string("/dev/pts/7"));
    QCOMPARE(D2xx::devicePathForComPort(1001), std::string("/tmp/second"));

    // A serial number belongs to the path, not to its place in the list.
    qputenv("TORVANA_SERIAL_PORTS", "/tmp/second");
    QCOMPARE(listDevices().value(0).serial, nodes[1].serial);
}

void TestD2xxLayer::opensBySerialAndByIndex()
{
    m_fake->addDevice("AAA", "First", 0x04036001, 7);
    m_fake->addDevice("BBB", "Second", 0x04036001, 8);
    QCOMPARE(listDevices().size(), 2);

    FT_HANDLE bySerial = nullptr;
    QCOMPARE(FT_OpenEx(const_cast<char *>("BBB"), FT_OPEN_BY_SERIAL_NUMBER, &bySerial), FT_STATUS(FT_OK));
    QVERIFY(bySerial);
    LONG comPort = 0;
    QCOMPARE(FT_GetComPortNumber(bySerial, &comPort), FT_STATUS(FT_OK));
    QCOMPARE(comPort, 8);

    // Open in this process: flagged in the list and refused a second time.
    const QList<Node> nodes = listDevices();
    QCOMPARE(nodes[0].flags & FT_FLAGS_OPENED, 0u);
    QCOMPARE(nodes[1].flags & FT_FLAGS_OPENED, 1u);
    QCOMPARE(nodes[1].handle, bySerial);
    FT_HANDLE again = nullptr;
    QCOMPARE(FT_Open(1, &again), FT_STATUS(FT_DEVICE_NOT_OPENED));
    QCOMPARE(FT_OpenEx(const_cast<char *>("BBB"), FT_OPEN_BY_SERIAL_NUMBER, &again),
             FT_STATUS(FT_DEVICE_NOT_OPENED));
    QCOMPARE(FT_OpenEx(const_cast<char *>("CCC"), FT_OPEN_BY_SERIAL_NUMBER, &again), FT_STATUS(FT_DEVICE_NOT_FOUND));
    QCOMPARE(FT_Open(2, &again), FT_STATUS(FT_DEVICE_NOT_FOUND));

    FT_HANDLE byIndex = nullptr;
    QCOMPARE(FT_Open(0, &byIndex), FT_STATUS(FT_OK));
    QCOMPARE(FT_GetComPortNumber(byIndex, &comPort), FT_STATUS(FT_OK));
    QCOMPARE(comPort, 7);
    QVERIFY(m_fake->device(0).open);

    QCOMPARE(FT_Close(bySerial), FT_STATUS(FT_OK));
    QCOMPARE(FT_Close(byIndex), FT_STATUS(FT_OK));
    QVERIFY(!m_fake->device(0).open);
    QCOMPARE(FT_Open(1, &again), FT_STATUS(FT_OK));
    QCOMPARE(FT_Close(again), FT_STATUS(FT_OK));

    const std::vector<std::string> expected = {"FT_OpenEx", "FT_GetComPortNumber", "FT_Open",   "FT_OpenEx",
                                               "FT_Open",   "FT_GetComPortNumber", "FT_Close", "FT_Close",
                                               "FT_Open",   "FT_Close"};
    QVERIFY(m_fake->calls() == expected);
}

void TestD2xxLayer::refusesPathsThatAreNoTty_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("regular file") << "plain";
    QTest::newRow("directory") << "folder";
    QTest::newRow("missing") << "missing";
}

void TestD2xxLayer::refusesPathsThatAreNoTty()
{
    QFETCH(QString, name);
    QVERIFY(writeFile(m_dir->filePath("plain"), "not a tty"));
    QVERIFY(QDir().mkpath(m_dir->filePath("folder")));
    const QByteArray path = m_dir->filePath(name).toLocal8Bit();
    qputenv("TORVANA_SERIAL_PORTS", path);

    const QList<Node> nodes = listDevices();
    QCOMPARE(nodes.size(), 1);
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
    QByteArray serial = nodes[0].serial.toLatin1();
    QCOMPARE(FT_OpenEx(serial.data(), FT_OPEN_BY_SERIAL_NUMBER, &handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
    QCOMPARE(handle, FT_HANDLE(nullptr));
}

void TestD2xxLayer::listsFtdiTtyUsbFromSysfs()
{
    const QString root = m_dir->filePath("sys");
    QVERIFY(addUsbTty(root, "ttyUSB3", "1-2", "0403", "A9XYZ1234567890ABCDEF"));
    QVERIFY(addUsbTty(root, "ttyUSB12", "1-3", "0403", "B0000001"));
    QVERIFY(addUsbTty(root, "ttyUSB0", "1-4", "10c4", "CP2102")); // not an FTDI chip
    QVERIFY(QDir().mkpath(root + "/class/tty/ttyS0"));
    qputenv("TORVANA_SERIAL_PORTS", "/tmp/port");
    m_fake->addDevice("FAKE1");

    const QList<Node> nodes = listDevices();
    QCOMPARE(nodes.size(), 4);
    QCOMPARE(nodes[0].serial, QStringLiteral("A9XYZ1234567890")); // 15 characters reach the node
    QCOMPARE(nodes[0].description, QStringLiteral("FT232R USB UART"));
    QCOMPARE(nodes[0].id, 0x04036001u);
    QCOMPARE(nodes[1].serial, QStringLiteral("B0000001")); // ttyUSB12 after ttyUSB3
    QVERIFY(nodes[2].serial.startsWith("TV"));
    QCOMPARE(nodes[3].serial, QStringLiteral("FAKE1"));
    QCOMPARE(D2xx::devicePathForComPort(3), std::string("/dev/ttyUSB3"));
    QCOMPARE(D2xx::devicePathForComPort(12), std::string("/dev/ttyUSB12"));
}

void TestD2xxLayer::devicePathForComPort_data()
{
    QTest::addColumn<bool>("system");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<QString>("path");
    QTest::newRow("env port") << true << 1001 << "/tmp/second";
    QTest::newRow("env port beyond list") << true << 1002 << "";
    QTest::newRow("test source") << true << 42 << "/dev/fake42";
    QTest::newRow("ttyUSB number") << true << 5 << "/dev/ttyUSB5";
    QTest::newRow("none") << true << -1 << "";
    QTest::newRow("env port, system off") << false << 1000 << "";
    QTest::newRow("ttyUSB number, system off") << false << 5 << "";
    QTest::newRow("test source, system off") << false << 42 << "/dev/fake42";
}

void TestD2xxLayer::devicePathForComPort()
{
    QFETCH(bool, system);
    QFETCH(int, comPort);
    QFETCH(QString, path);
    qputenv("TORVANA_SERIAL_PORTS", "/tmp/first:/tmp/second");
    const int index = m_fake->addDevice("FAKE42", "Fake", 0x04036001, 42);
    m_fake->device(index).entry.devicePath = "/dev/fake42";
    D2xx::setSystemSourcesEnabled(system);
    QCOMPARE(QString::fromStdString(D2xx::devicePathForComPort(comPort)), path);
}

void TestD2xxLayer::callsOnUnknownHandlesAreRefused()
{
    int notAHandle = 0;
    DWORD count = 0;
    LONG comPort = 0;
    char buffer[4] = {};
    QCOMPARE(FT_GetQueueStatus(&notAHandle, &count), FT_STATUS(FT_INVALID_HANDLE));
    QCOMPARE(FT_Write(&notAHandle, buffer, 4, &count), FT_STATUS(FT_INVALID_HANDLE));
    QCOMPARE(FT_GetComPortNumber(nullptr, &comPort), FT_STATUS(FT_INVALID_HANDLE));
    QCOMPARE(FT_Close(&notAHandle), FT_STATUS(FT_INVALID_HANDLE));

    m_fake->addDevice("AAA");
    listDevices();
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));
    QCOMPARE(FT_Close(handle), FT_STATUS(FT_OK));
    QCOMPARE(FT_Read(handle, buffer, 4, &count), FT_STATUS(FT_INVALID_HANDLE));
    QCOMPARE(FT_Close(handle), FT_STATUS(FT_INVALID_HANDLE));
}

void TestD2xxLayer::releasedSourceInvalidatesItsHandles()
{
    m_fake->addDevice("AAA");
    QCOMPARE(listDevices().size(), 1);
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));
    m_fake.reset();
    DWORD waiting = 0;
    QCOMPARE(FT_GetQueueStatus(handle, &waiting), FT_STATUS(FT_INVALID_HANDLE));
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_DEVICE_NOT_FOUND));
    QCOMPARE(listDevices().size(), 0);
}

void TestD2xxLayer::fakeDeviceFailures()
{
    const int index = m_fake->addDevice("AAA");
    m_fake->device(m_fake->addDevice("BBB")).openFails = true;
    listDevices();
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(1, &handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));

    m_fake->device(index).unplugged = true;
    uint8_t data[4] = {};
    DWORD count = 0;
    LONG comPort = 0;
    QCOMPARE(FT_GetQueueStatus(handle, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Read(handle, data, 4, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Write(handle, data, 4, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_SetBaudRate(handle, 38400), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_GetComPortNumber(handle, &comPort), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Close(handle), FT_STATUS(FT_OK)); // the handle is released all the same
}

QTEST_GUILESS_MAIN(TestD2xxLayer)
#include "tst_d2xxlayer.moc"
