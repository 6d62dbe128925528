// The D2XX layer over a real pseudo-terminal: the test holds the master, the
// layer opens the slave through TORVANA_SERIAL_PORTS, as with the simulator.
#include "D2xxSource.h"
#include "TtyPort.h"
#include "ftd2xx.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class TestTtyPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void passesRawBytesBothWays();
    void readReturnsOnlyWhatIsWaiting();
    void purgeEmptiesTheQueue();
    void appliesLineSettings();
    void lineFormatMapsToTermios_data();
    void lineFormatMapsToTermios();
    void refusesUnsupportedSettings();
    void hangUpFailsEveryCall();
    void writeTimesOutWhenNobodyReads();

private:
    QByteArray readMaster(int count);
    DWORD queued();

    std::unique_ptr<QTemporaryDir> m_sysfs;
    int m_master = -1;
    FT_HANDLE m_handle = nullptr;
};

void TestTtyPort::init()
{
    m_sysfs = std::make_unique<QTemporaryDir>();
    QVERIFY(m_sysfs->isValid());
    qputenv("TORVANA_SYSFS_ROOT", m_sysfs->path().toLocal8Bit());
    D2xx::setSystemSourcesEnabled(true);

    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(m_master >= 0);
    QCOMPARE(grantpt(m_master), 0);
    QCOMPARE(unlockpt(m_master), 0);
    const char *slave = ptsname(m_master);
    QVERIFY(slave);
    qputenv("TORVANA_SERIAL_PORTS", slave);

    DWORD count = 0;
    QCOMPARE(FT_CreateDeviceInfoList(&count), FT_STATUS(FT_OK));
    QCOMPARE(count, 1u);
    QCOMPARE(FT_Open(0, &m_handle), FT_STATUS(FT_OK));
    QCOMPARE(FT_SetTimeouts(m_handle, 10000, 200), FT_STATUS(FT_OK));
}

void TestTtyPort::cleanup()
{
    if (m_handle)
        FT_Close(m_handle);
    m_handle = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
    qputenv("TORVANA_SERIAL_PORTS", "");
    qunsetenv("TORVANA_SYSFS_ROOT");
    m_sysfs.reset();
}

QByteArray TestTtyPort::readMaster(int count)
{
    QByteArray result;
    QElapsedTimer timer;
    timer.start();
    while (result.size() < count && timer.elapsed() < 5000) {
        char buffer[512];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            result.append(buffer, int(n));
        else
            QTest::qWait(5);
    }
    return result;
}

DWORD TestTtyPort::queued()
{
    DWORD count = 0;
    return FT_GetQueueStatus(m_handle, &count) == FT_OK ? count : 0xFFFFFFFFu;
}

void TestTtyPort::passesRawBytesBothWays()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i); // CR, LF, ^C, XON/XOFF and DEL must pass untouched

    QCOMPARE(::write(m_master, all.constData(), size_t(all.size())), ssize_t(256));
    QTRY_COMPARE(queued(), 256u);
    QByteArray received(300, '\0');
    DWORD count = 0;
    QCOMPARE(FT_Read(m_handle, received.data(), 300, &count), FT_STATUS(FT_OK));
    QCOMPARE(count, 256u);
    QCOMPARE(received.left(256), all);

    QCOMPARE(FT_Write(m_handle, all.data(), 256, &count), FT_STATUS(FT_OK));
    QCOMPARE(count, 256u);
    QCOMPARE(readMaster(256), all);
}

void TestTtyPort::readReturnsOnlyWhatIsWaiting()
{
    char buffer[100];
    DWORD count = 1;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(FT_Read(m_handle, buffer, sizeof buffer, &count), FT_STATUS(FT_OK));
    QCOMPARE(count, 0u);
    // The read time-out is 10 s: returning well before it means the read did not wait.
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(queued(), 0u);

    QCOMPARE(::write(m_master, "0123456789", 10), ssize_t(10));
    QTRY_COMPARE(queued(), 10u);
    QCOMPARE(FT_Read(m_handle, buffer, 4, &count), FT_STATUS(FT_OK));
    QCOMPARE(count, 4u);
    QCOMPARE(QByteArray(buffer, 4), QByteArray("0123"));
    QCOMPARE(queued(), 6u);
    QCOMPARE(FT_Read(m_handle, buffer, sizeof buffer, &count), FT_STATUS(FT_OK));
    QCOMPARE(QByteArray(buffer, int(count)), QByteArray("456789"));
}

void TestTtyPort::purgeEmptiesTheQueue()
{
    const std::vector<char> data(50, 'x');
    QCOMPARE(::write(m_master, data.data(), data.size()), ssize_t(50));
    QTRY_COMPARE(queued(), 50u);
    QCOMPARE(FT_Purge(m_handle, FT_PURGE_RX | FT_PURGE_TX), FT_STATUS(FT_OK));
    QCOMPARE(queued(), 0u);
}

void TestTtyPort::appliesLineSettings()
{
    QCOMPARE(FT_SetBaudRate(m_handle, 38400), FT_STATUS(FT_OK));
    QCOMPARE(FT_SetDataCharacteristics(m_handle, 8, 2, 0), FT_STATUS(FT_OK));

    // The master reports the slave's settings. A pseudo-terminal keeps the rate
    // and the stop bits but forces 8 data bits without parity.
    termios settings{};
    QCOMPARE(tcgetattr(m_master, &settings), 0);
    QCOMPARE(cfgetospeed(&settings), speed_t(B38400));
    QCOMPARE(settings.c_cflag & CSTOPB, tcflag_t(CSTOPB));
    QCOMPARE(settings.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
    QCOMPARE(settings.c_iflag & (IXON | ICRNL), tcflag_t(0));
}

void TestTtyPort::lineFormatMapsToTermios_data()
{
    QTest::addColumn<int>("wordLength");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<uint>("expectedFlags");
    // Word length 8/7, stop-bit code 0/2, parity code 0 none, 1 odd, 2 even.
    QTest::newRow("8N1") << 8 << 0 << 0 << uint(CS8);
    QTest::newRow("7E2") << 7 << 2 << 2 << uint(CS7 | CSTOPB | PARENB);
    QTest::newRow("8O1") << 8 << 0 << 1 << uint(CS8 | PARENB | PARODD);
}

void TestTtyPort::lineFormatMapsToTermios()
{
    QFETCH(int, wordLength);
    QFETCH(int, stopBits);
    QFETCH(int, parity);
    QFETCH(uint, expectedFlags);
    termios settings{};
    settings.c_cflag = CS5 | CSTOPB | PARENB | PARODD | CREAD;
    QVERIFY(TtyPort::applyLineFormat(settings, uint8_t(wordLength), uint8_t(stopBits), uint8_t(parity)));
    QCOMPARE(uint(settings.c_cflag & (CSIZE | CSTOPB | PARENB | PARODD)), expectedFlags);
    QCOMPARE(settings.c_cflag & CREAD, tcflag_t(CREAD));
}

void TestTtyPort::refusesUnsupportedSettings()
{
    QCOMPARE(FT_SetBaudRate(m_handle, 12345), FT_STATUS(FT_INVALID_BAUD_RATE));
    QCOMPARE(FT_SetDataCharacteristics(m_handle, 5, 0, 0), FT_STATUS(FT_INVALID_PARAMETER));
    QCOMPARE(FT_SetDataCharacteristics(m_handle, 8, 1, 0), FT_STATUS(FT_INVALID_PARAMETER));
    QCOMPARE(FT_SetDataCharacteristics(m_handle, 8, 0, 3), FT_STATUS(FT_INVALID_PARAMETER));
}

void TestTtyPort::hangUpFailsEveryCall()
{
    ::close(m_master);
    m_master = -1;

    char buffer[16] = {};
    DWORD count = 0;
    LONG comPort = 0;
    QCOMPARE(FT_GetQueueStatus(m_handle, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Read(m_handle, buffer, sizeof buffer, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Write(m_handle, buffer, sizeof buffer, &count), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(count, 0u);
    QCOMPARE(FT_Purge(m_handle, FT_PURGE_RX | FT_PURGE_TX), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_GetComPortNumber(m_handle, &comPort), FT_STATUS(FT_IO_ERROR));
    QCOMPARE(FT_Close(m_handle), FT_STATUS(FT_OK));
    m_handle = nullptr;
}

void TestTtyPort::writeTimesOutWhenNobodyReads()
{
    // Far more than the pseudo-terminal buffers: the write stops at the time-out.
    std::vector<char> data(4 * 1024 * 1024, 'w');
    DWORD written = 0;
    QCOMPARE(FT_Write(m_handle, data.data(), DWORD(data.size()), &written), FT_STATUS(FT_OK));
    QVERIFY(written > 0);
    QVERIFY(written < data.size());

    QCOMPARE(FT_Write(m_handle, data.data(), 64, &written), FT_STATUS(FT_OK));
    QCOMPARE(written, 0u);
}

QTEST_GUILESS_MAIN(TestTtyPort)
#include "tst_ttyport.moc"
