// The D2XX layer: the device list from a fake sysfs tree, TORVANA_SERIAL_PORTS and the test source,
// handles, and the tty port over a pseudo-terminal whose master side the test holds.
#include "FakeD2xxSource.h"
#include "TtyPort.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

std::vector<FT_DEVICE_LIST_INFO_NODE> listDevices()
{
    DWORD count = 0;
    FT_CreateDeviceInfoList(&count);
    std::vector<FT_DEVICE_LIST_INFO_NODE> nodes(count);
    if (count > 0)
        FT_GetDeviceInfoList(nodes.data(), &count);
    return nodes;
}

QStringList serials()
{
    QStringList result;
    for (const FT_DEVICE_LIST_INFO_NODE &node : listDevices())
        result << QString::fromLatin1(node.SerialNumber);
    return result;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// One USB device with a usb-serial port below it, laid out as the kernel does.
bool addUsbTty(const QString &root, const QString &tty, const QString &usb, const QByteArray &vendor,
               const QByteArray &serial)
{
    const QString device = root + "/devices/pci0000:00/usb1/" + usb;
    const QString port = device + "/" + usb + ":1.0/" + tty;
    return QDir().mkpath(port) && QDir().mkpath(root + "/class/tty/" + tty)
        && writeFile(device + "/idVendor", vendor + "\n") && writeFile(device + "/idProduct", "6001\n")
        && writeFile(device + "/serial", serial + "\n") && writeFile(device + "/product", "FT232R USB UART\n")
        && QFile::link(port, root + "/class/tty/" + tty + "/device");
}

} // namespace

class TestD2xxLayer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // An empty sysfs: real converters on the test machine stay out of the list.
        QVERIFY(QDir().mkpath(m_dir->filePath("sys/class/tty")));
        qputenv("TORVANA_SYSFS_ROOT", m_dir->filePath("sys").toLocal8Bit());
        qputenv("TORVANA_SERIAL_PORTS", "");
        D2xx::setSystemSourcesEnabled(true);
        m_fake = std::make_unique<FakeD2xxSource>();
        D2xx::setTestSource(m_fake.get());
    }

    void cleanup()
    {
        if (m_handle)
            FT_Close(std::exchange(m_handle, nullptr));
        if (m_master >= 0)
            ::close(std::exchange(m_master, -1));
        m_fake.reset();
        qunsetenv("TORVANA_SYSFS_ROOT");
        qputenv("TORVANA_SERIAL_PORTS", "");
        m_dir.reset();
    }

    void listsSourcesInOrder()
    {
        const QString root = m_dir->filePath("sys");
        QVERIFY(addUsbTty(root, "ttyUSB12", "1-3", "0403", "B0000001"));
        QVERIFY(addUsbTty(root, "ttyUSB3", "1-2", "0403", "A9XYZ1234567890ABCDEF"));
        QVERIFY(addUsbTty(root, "ttyUSB7", "1-5", "0403", "C7"));
        QVERIFY(addUsbTty(root, "ttyUSB0", "1-4", "10c4", "CP2102")); // not an FTDI chip
        QVERIFY(QDir().mkpath(root + "/class/tty/ttyS0"));
        qputenv("TORVANA_SERIAL_PORTS", ":/dev/pts/7::/tmp/second:");
        m_fake->device(m_fake->addDevice("FAKE1", "Fake one", 0x04036001, 42)).entry.devicePath = "/dev/fake42";
        m_fake->addDevice("FAKE2", "Fake two", 0x04036015);
        m_fake->removeDevice(m_fake->addDevice("GONE"));

        // ttyUSB by number (15 characters of a serial), TORVANA_SERIAL_PORTS (FNV-1a), the test source.
        const auto nodes = listDevices();
        QStringList listed;
        for (const FT_DEVICE_LIST_INFO_NODE &n : nodes)
            listed << QString(n.SerialNumber) + ' ' + QString(n.Description);
        QCOMPARE(listed.mid(0, 4) + listed.mid(5), (QStringList{"A9XYZ1234567890 FT232R USB UART", "C7 FT232R USB UART",
            "B0000001 FT232R USB UART", "TV98C5D6E1 Torvana serial port", "FAKE1 Fake one", "FAKE2 Fake two"}));
        QVERIFY(nodes[0].ID == 0x04036001u && nodes[6].ID == 0x04036015u);
        QVERIFY(serials()[4].startsWith("TV") && serials()[4] != serials()[3]);
        // Device paths by COM port number; a converter that sysfs does not show keeps its name.
        for (auto [port, path] : {std::pair(3, "/dev/ttyUSB3"), {12, "/dev/ttyUSB12"}, {1001, "/tmp/second"},
                                  {1002, ""}, {42, "/dev/fake42"}, {5, "/dev/ttyUSB5"}})
            QCOMPARE(QString::fromStdString(D2xx::devicePathForComPort(port)), QString(path));
        qputenv("TORVANA_SERIAL_PORTS", "/tmp/second"); // a serial number belongs to the path, not its place
        QCOMPARE(serials().value(3), QString(nodes[4].SerialNumber));
        // Paths that are no terminal are listed but refused.
        QVERIFY(writeFile(m_dir->filePath("plain"), "not a tty") && QDir().mkpath(m_dir->filePath("folder")));
        const QByteArray dir = m_dir->path().toLocal8Bit();
        qputenv("TORVANA_SERIAL_PORTS", dir + "/plain:" + dir + "/folder:" + dir + "/missing");
        FT_HANDLE handle = nullptr;
        for (int i = 3; i < 6; ++i) {
            QByteArray serial = serials().value(i).toLatin1();
            QCOMPARE(FT_Open(i, &handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
            QCOMPARE(FT_OpenEx(serial.data(), FT_OPEN_BY_SERIAL_NUMBER, &handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
        }
        QCOMPARE(handle, FT_HANDLE(nullptr));
        D2xx::setSystemSourcesEnabled(false); // only the test source is asked
        for (auto [port, path] : {std::pair(1000, ""), {5, ""}, {42, "/dev/fake42"}})
            QCOMPARE(QString::fromStdString(D2xx::devicePathForComPort(port)), QString(path));
    }

    void handles()
    {
        m_fake->addDevice("AAA", "First", 0x04036001, 7);
        m_fake->addDevice("BBB", "Second", 0x04036001, 8);
        m_fake->device(m_fake->addDevice("CCC")).openFails = true;
        QCOMPARE(listDevices().size(), size_t(3));
        FT_HANDLE bySerial = nullptr, byIndex = nullptr, other = nullptr;
        LONG comPort = 0;
        DWORD count = 0;
        uint8_t data[4] = {};
        char bbb[] = "BBB", ddd[] = "DDD";
        QCOMPARE(FT_OpenEx(bbb, FT_OPEN_BY_SERIAL_NUMBER, &bySerial), FT_STATUS(FT_OK));
        QCOMPARE(FT_Open(0, &byIndex), FT_STATUS(FT_OK));
        QVERIFY(FT_GetComPortNumber(bySerial, &comPort) == FT_OK && comPort == 8);
        // An open device is flagged in the list and refused a second time; "CCC" fails to open.
        const auto nodes = listDevices();
        QVERIFY(nodes[1].Flags & FT_FLAGS_OPENED && nodes[1].ftHandle == bySerial && !(nodes[2].Flags & FT_FLAGS_OPENED));
        QCOMPARE(QVector<FT_STATUS>({FT_Open(1, &other), FT_OpenEx(bbb, FT_OPEN_BY_SERIAL_NUMBER, &other), FT_Open(2, &other),
                                     FT_OpenEx(ddd, FT_OPEN_BY_SERIAL_NUMBER, &other), FT_Open(3, &other)}),
                 QVector<FT_STATUS>({FT_DEVICE_NOT_OPENED, FT_DEVICE_NOT_OPENED, FT_DEVICE_NOT_OPENED,
                                     FT_DEVICE_NOT_FOUND, FT_DEVICE_NOT_FOUND}));
        // A closed handle is gone; an unplugged device fails its calls, but closing releases it.
        QCOMPARE(QVector<FT_STATUS>({FT_Close(byIndex), FT_Read(byIndex, data, 4, &count), FT_Close(byIndex)}),
                 QVector<FT_STATUS>({FT_OK, FT_INVALID_HANDLE, FT_INVALID_HANDLE}));
        m_fake->device(1).unplugged = true;
        QCOMPARE(QVector<FT_STATUS>({FT_Read(bySerial, data, 4, &count), FT_GetComPortNumber(bySerial, &comPort)}),
                 QVector<FT_STATUS>({FT_IO_ERROR, FT_IO_ERROR}));
        QVERIFY(comPort == -1 && FT_Close(bySerial) == FT_OK && !m_fake->device(1).open);
        // A source that goes away takes its handles and list entries with it.
        QCOMPARE(FT_Open(0, &byIndex), FT_STATUS(FT_OK));
        m_fake.reset();
        QCOMPARE(FT_GetQueueStatus(byIndex, &count), FT_STATUS(FT_INVALID_HANDLE));
        QVERIFY(FT_Open(0, &other) == FT_DEVICE_NOT_FOUND && listDevices().empty());
    }

    // One opener at a time, across processes: a lock that another opener holds is seen in the list and
    // refuses the open; while open the tty is in exclusive mode, which its close ends.
    void ttyPortIsExclusive()
    {
        QVERIFY(openPty());
        const QByteArray path = ptsname(m_master);
        const auto exclusive = [&path] {
            const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            int on = -1;
            const bool locked = fd >= 0 && ioctl(fd, TIOCGEXCL, &on) == 0 && on == 1 && flock(fd, LOCK_EX | LOCK_NB) != 0;
            ::close(fd);
            return locked;
        };
        QVERIFY(exclusive() && listDevices().at(0).Flags & FT_FLAGS_OPENED);
        QCOMPARE(FT_Close(std::exchange(m_handle, nullptr)), FT_STATUS(FT_OK));
        QVERIFY(!exclusive() && !(listDevices().at(0).Flags & FT_FLAGS_OPENED));

        const int other = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK); // another instance
        QVERIFY(other >= 0 && flock(other, LOCK_EX | LOCK_NB) == 0);
        QVERIFY(listDevices().at(0).Flags & FT_FLAGS_OPENED);
        QCOMPARE(FT_Open(0, &m_handle), FT_STATUS(FT_DEVICE_NOT_OPENED));
        ::close(other);
        QCOMPARE(FT_Open(0, &m_handle), FT_STATUS(FT_OK));
    }

    void ttyPort()
    {
        QVERIFY(openPty());
        FT_HANDLE second = nullptr; // a terminal opens twice; the layer must refuse it
        QCOMPARE(FT_Open(0, &second), FT_STATUS(FT_DEVICE_NOT_OPENED));
        // Nothing is waiting: a read that waited for the 10 s time-out would hang here.
        char buffer[100];
        DWORD count = 1;
        LONG comPort = 0;
        QVERIFY(FT_Read(m_handle, buffer, sizeof buffer, &count) == FT_OK && count == 0);
        QCOMPARE(::write(m_master, "0123456789", 10), ssize_t(10));
        QTRY_COMPARE(queued(), 10u);
        QVERIFY(FT_Read(m_handle, buffer, 4, &count) == FT_OK && QByteArray(buffer, int(count)) == "0123");
        QCOMPARE(queued(), 6u);
        QVERIFY(FT_Purge(m_handle, FT_PURGE_RX | FT_PURGE_TX) == FT_OK && queued() == 0);

        // The master reports the slave's settings; a pseudo-terminal keeps rate and stop bits.
        QVERIFY(FT_SetBaudRate(m_handle, 38400) == FT_OK && FT_SetDataCharacteristics(m_handle, 8, 2, 0) == FT_OK);
        termios settings{};
        QCOMPARE(tcgetattr(m_master, &settings), 0);
        QVERIFY(cfgetospeed(&settings) == B38400 && settings.c_cflag & CSTOPB);
        termios raw = settings; // nothing left for a line discipline to change
        cfmakeraw(&raw);
        QVERIFY(settings.c_iflag == raw.c_iflag && settings.c_oflag == raw.c_oflag && settings.c_lflag == raw.c_lflag);
        QCOMPARE(FT_SetBaudRate(m_handle, 12345), FT_STATUS(FT_INVALID_BAUD_RATE));
        QCOMPARE(FT_SetDataCharacteristics(m_handle, 5, 0, 0), FT_STATUS(FT_INVALID_PARAMETER));

        // Far more than the pseudo-terminal buffers: the write stops at the time-out.
        std::vector<char> data(4 * 1024 * 1024, 'w');
        QCOMPARE(FT_Write(m_handle, data.data(), DWORD(data.size()), &count), FT_STATUS(FT_OK));
        QVERIFY(count > 0 && count < data.size());
        QVERIFY(FT_Write(m_handle, data.data(), 64, &count) == FT_OK && count == 0);

        ::close(std::exchange(m_master, -1)); // after a hang-up every call fails
        QCOMPARE(QVector<FT_STATUS>({FT_GetQueueStatus(m_handle, &count), FT_Read(m_handle, buffer, sizeof buffer, &count),
                                     FT_Write(m_handle, buffer, sizeof buffer, &count), FT_GetComPortNumber(m_handle, &comPort)}),
                 QVector<FT_STATUS>(4, FT_IO_ERROR));
    }

    void ttyLineFormat()
    {
        // D2XX word length 8 or 7, stop-bit code 0 or 2, parity code 0 none, 1 odd, 2 even; flags -1: refused.
        const struct { uint8_t word, stop, parity; int flags; } formats[] = {
            {8, 0, 0, CS8}, {7, 2, 2, CS7 | CSTOPB | PARENB}, {8, 0, 1, CS8 | PARENB | PARODD},
            {5, 0, 0, -1},  {8, 1, 0, -1},                    {8, 0, 3, -1}};
        for (const auto &f : formats) {
            termios settings{};
            settings.c_cflag = CS5 | CSTOPB | PARENB | PARODD | CREAD;
            QCOMPARE(TtyPort::applyLineFormat(settings, f.word, f.stop, f.parity), f.flags >= 0);
            if (f.flags >= 0)
                QCOMPARE(int(settings.c_cflag & (CSIZE | CSTOPB | PARENB | PARODD | CREAD)), f.flags | int(CREAD));
        }
    }

private:
    bool openPty()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return false;
        qputenv("TORVANA_SERIAL_PORTS", ptsname(m_master));
        DWORD count = 0;
        return FT_CreateDeviceInfoList(&count) == FT_OK && count == 1 && FT_Open(0, &m_handle) == FT_OK
            && FT_SetTimeouts(m_handle, 10000, 200) == FT_OK;
    }

    DWORD queued()
    {
        DWORD count = 0;
        return FT_GetQueueStatus(m_handle, &count) == FT_OK ? count : 0xFFFFFFFFu;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeD2xxSource> m_fake;
    int m_master = -1;
    FT_HANDLE m_handle = nullptr;
};

QTEST_GUILESS_MAIN(TestD2xxLayer)
#include "tst_d2xxlayer.moc"
