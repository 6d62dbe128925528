// The whole receive and send path over a real pseudo-terminal: the test holds
// the master side and plays the inverter, the program side goes through the
// D2XX layer's tty backend, QFTD2XXDevice, CommDriverQt, CommLink and
// CommFrontendQt. Frames are written in random chunks from a timer, so they
// straddle reads and receive ticks.
#include "ByteStreamDriver.h"
#include "CommDriverQt.h"
#include "CommFrontendQt.h"
#include "CommLink.h"
#include "D2xxSource.h"
#include "QFTD2XXDevice.h"

#include <QtTest>

#include <zlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

using ValueMap = QMap<uint16_t, uint16_t>;
using StateMap = QMap<uint16_t, CommErrorCode>;

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t zlibCrc(const uint8_t *data, size_t size)
{
    return uint32_t(::crc32(::crc32(0L, Z_NULL, 0), data, uInt(size)));
}

void put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

// A frame with the wire layout restated: marks EF BE AD DE / BE BA FE CA,
// CRC-32 of bytes 10..59 at offset 4, type at 8, status at 9.
Bytes frame(uint8_t type, uint8_t status, const uint8_t *data)
{
    Bytes f(64, 0);
    f[0] = 0xEF, f[1] = 0xBE, f[2] = 0xAD, f[3] = 0xDE;
    f[8] = type;
    f[9] = status;
    std::copy(data, data + 50, f.begin() + 10);
    const uint32_t crc = zlibCrc(f.data() + 10, 50);
    for (int i = 0; i < 4; ++i)
        f[4 + i] = uint8_t(crc >> (8 * i));
    f[60] = 0xBE, f[61] = 0xBA, f[62] = 0xFE, f[63] = 0xCA;
    return f;
}

Bytes pairFrame(uint8_t type, uint8_t status, const QVector<QPair<uint16_t, uint16_t>> &pairs)
{
    uint8_t data[50] = {};
    put16(data, uint16_t(pairs.size()));
    for (int k = 0; k < pairs.size(); ++k) {
        put16(data + 2 + 4 * k, pairs[k].first);
        put16(data + 4 + 4 * k, pairs[k].second);
    }
    return frame(type, status, data);
}

QString describe(const ValueMap &map)
{
    QStringList parts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        parts << QString("%1=%2").arg(it.key()).arg(it.value());
    return parts.join(',');
}

QString describe(const StateMap &map)
{
    QStringList parts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        parts << QString("%1=%2").arg(it.key()).arg(int(it.value()));
    return parts.join(',');
}

} // namespace

class tst_CommFrontendPty : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void framesInRandomChunksArriveAsSignals();
    void requestFramesArriveIntact();

private:
    // Writes the next random portion of m_outgoing to the master side.
    void writeChunk();
    Bytes readFromMaster(size_t size, int timeoutMs);

    int m_master = -1;
    QByteArray m_slavePath;
    std::unique_ptr<QFTD2XXDevice> m_device;
    std::unique_ptr<CommDriverQt> m_driver;
    std::unique_ptr<CommLink> m_link;
    std::unique_ptr<CommFrontendQt> m_frontend;

    Bytes m_outgoing;
    size_t m_written = 0;
    std::mt19937 m_rng{2024};
    QTimer m_peer;
};

void tst_CommFrontendPty::init()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        QSKIP("no pseudo-terminals in this environment");
    QVERIFY(grantpt(m_master) == 0);
    QVERIFY(unlockpt(m_master) == 0);
    m_slavePath = ptsname(m_master);
    QVERIFY(!m_slavePath.isEmpty());
    QVERIFY(fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) == 0);

    QVERIFY(setenv("TORVANA_SERIAL_PORTS", m_slavePath.constData(), 1) == 0);
    const auto devices = QFTD2XXDevice::availableDevices();
    QVERIFY(!devices.isEmpty());

    // Open the listed devices until the one behind our pseudo-terminal turns up.
    for (const QFTD2XXDeviceInfo &info : devices) {
        auto device = std::make_unique<QFTD2XXDevice>(info);
        device->setBaudRate(38400);
        device->setDataCharacteristics(8, 0, 0);
        device->setTimeout(500);
        if (!device->open(QIODevice::ReadWrite))
            continue;
        if (D2xx::devicePathForComPort(device->comPortNumber()) == m_slavePath.toStdString()) {
            m_device = std::move(device);
            break;
        }
    }
    QVERIFY2(m_device, "the pseudo-terminal is not among the listed devices");

    m_driver = std::make_unique<CommDriverQt>(m_device.get());
    m_link = std::make_unique<CommLink>();
    commLinkInit(m_link.get(), m_driver.get());
    m_frontend = std::make_unique<CommFrontendQt>(m_link.get());

    m_outgoing.clear();
    m_written = 0;
    m_peer.setInterval(3);
    connect(&m_peer, &QTimer::timeout, this, &tst_CommFrontendPty::writeChunk, Qt::UniqueConnection);
}

void tst_CommFrontendPty::cleanup()
{
    m_peer.stop();
    m_frontend.reset();
    m_link.reset();
    m_driver.reset();
    m_device.reset();
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
    unsetenv("TORVANA_SERIAL_PORTS");
}

void tst_CommFrontendPty::writeChunk()
{
    if (m_written >= m_outgoing.size()) {
        m_peer.stop();
        return;
    }
    const size_t size = std::min<size_t>(1 + m_rng() % 150, m_outgoing.size() - m_written);
    const ssize_t n = ::write(m_master, m_outgoing.data() + m_written, size);
    if (n > 0)
        m_written += size_t(n);
    else
        QVERIFY2(errno == EAGAIN, strerror(errno));
}

Bytes tst_CommFrontendPty::readFromMaster(size_t size, int timeoutMs)
{
    Bytes received;
    QElapsedTimer elapsed;
    elapsed.start();
    while (received.size() < size && elapsed.elapsed() < timeoutMs) {
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, int(timeoutMs - elapsed.elapsed())) <= 0)
            continue;
        uint8_t chunk[512];
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n > 0)
            received.insert(received.end(), chunk, chunk + n);
    }
    return received;
}

void tst_CommFrontendPty::framesInRandomChunksArriveAsSignals()
{
    QStringList received;
    CommFrontendQt *f = m_frontend.get();
    connect(f, &CommFrontendQt::currentParametersetUpdate, this,
            [&](ValueMap m) { received << "current " + describe(m); });
    connect(f, &CommFrontendQt::motorParametersetUpdate, this,
            [&](ValueMap m) { received << "motor " + describe(m); });
    connect(f, &CommFrontendQt::parameterUpdate, this, [&](ValueMap m) { received << "parameters " + describe(m); });
    connect(f, &CommFrontendQt::deviceInfoUpdate, this, [&](uint16_t type, uint16_t serial, QByteArray firmware) {
        received << QString("device %1 %2 %3").arg(type).arg(serial).arg(QString::fromLatin1(firmware));
    });
    connect(f, &CommFrontendQt::parameterStateReceived, this, [&](StateMap m) { received << "states " + describe(m); });
    connect(f, &CommFrontendQt::resetResponseReceived, this,
            [&](CommErrorCode e) { received << QString("reset %1").arg(int(e)); });
    connect(f, &CommFrontendQt::factoryResetResponseReceived, this,
            [&](CommErrorCode e) { received << QString("factory %1").arg(int(e)); });
    connect(f, &CommFrontendQt::writeParametersetResponseReceived, this, [&](StateMap m, CommErrorCode e) {
        received << QString("write %1 %2").arg(describe(m)).arg(int(e));
    });
    connect(f, &CommFrontendQt::deleteParametersetResponseReceived, this,
            [&](CommErrorCode e) { received << QString("delete %1").arg(int(e)); });

    // Every response type, with bytes 0x0A, 0x0D, 0x11, 0x13 and 0x7F that a
    // cooked line discipline would change, plus noise and damaged frames.
    QStringList expected;
    std::mt19937 rng(7);
    auto noise = [&] {
        for (uint32_t n = rng() % 40; n > 0; --n)
            m_outgoing.push_back(uint8_t(rng() % 0xE0));
    };
    auto add = [&](const Bytes &bytes) { m_outgoing.insert(m_outgoing.end(), bytes.begin(), bytes.end()); };
    for (int round = 0; round < 12; ++round) {
        const auto r = uint16_t(round);
        noise();
        add(pairFrame(7, 0, {{0x0A, 0x0D0A}, {0x11, uint16_t(0x1300 + r)}}));
        expected << QString("parameters 10=%1,17=%2").arg(0x0D0A).arg(0x1300 + r);
        add(pairFrame(5, 0, {{uint16_t(100 + r), 0x7F7F}}));
        expected << QString("current %1=%2").arg(100 + r).arg(0x7F7F);
        noise();
        add(pairFrame(14, 0, {{20, r}, {21, 0xFFFF}}));
        expected << QString("motor 20=%1,21=65535").arg(r);
        Bytes damaged = pairFrame(7, 0, {{1, 1}});
        damaged[12] ^= 0x04;
        add(damaged);
        add(pairFrame(22, 0, {{3, 0x0004}, {4, 0x0100}}));
        expected << "states 3=4,4=0";
        add(pairFrame(16, 0x20, {{1, 1}}));
        expected << "write  32";
        add(pairFrame(16, 0, {{20, 0x0002}}));
        expected << "write 20=2 0";
        noise();
        uint8_t status = uint8_t(round % 2 ? 0x01 : 0x00);
        add(pairFrame(18, status, {}));
        expected << QString("delete %1").arg(int(status));
        add(pairFrame(19, status, {}));
        expected << QString("reset %1").arg(int(status));
        add(pairFrame(20, status, {}));
        expected << QString("factory %1").arg(int(status));
        add(pairFrame(21, 0, {{1, 2}})); // no such response
        uint8_t info[50] = {};
        put16(info, 0x0D0A);
        put16(info + 2, uint16_t(4711 + round));
        std::memcpy(info + 4, "FW\r\n1.9", 7);
        add(frame(10, 0, info));
        expected << QString("device %1 %2 FW\r\n1.9").arg(0x0D0A).arg(4711 + round);
    }
    noise();

    m_peer.start();
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), expected.size(), 20000);
    QCOMPARE(m_written, m_outgoing.size());
    QCOMPARE(received, expected);
}

void tst_CommFrontendPty::requestFramesArriveIntact()
{
    // The same calls over an in-memory stream give the bytes to expect.
    ByteStreamDriver reference;
    CommLink referenceLink;
    commLinkInit(&referenceLink, reference.driver());
    CommFrontendQt referenceFrontend(&referenceLink);

    ValueMap values;
    for (uint16_t n = 0; n < 30; ++n)
        values.insert(uint16_t(n * 4 + 1), uint16_t(0x0A0D + n));
    QVector<uint16_t> ids;
    for (uint16_t n = 0; n < 25; ++n)
        ids.append(uint16_t(n * 5 + 10));
    uint8_t time[50] = {};
    put16(time, 13);
    put16(time + 2, 10);
    put16(time + 4, 2024);

    for (CommFrontendQt *f : {m_frontend.get(), &referenceFrontend}) {
        f->sendDeviceInfoRequest();
        f->sendParameterRequest(ids);
        f->sendSetParameterCommand(values);
        f->sendSetParameterCommand(0x11, 0x0A0D);
        f->sendMotorParamsToDeviceMemory(20, 3, values);
        f->sendLoadMotorParamsCommand(20, 3);
        f->sendDeleteMotorParamsCommand(20, 3);
        f->sendTime(time);
        f->sendStoreOnEepromCommand();
        f->sendInverterResetCommand();
    }
    const Bytes &expected = reference.written();
    QCOMPARE(expected.size() % 64, size_t(0));
    QVERIFY(expected.size() >= 17 * 64);

    const Bytes received = readFromMaster(expected.size(), 10000);
    QCOMPARE(received.size(), expected.size());
    QVERIFY(received == expected);
}

QTEST_GUILESS_MAIN(tst_CommFrontendPty)
#include "tst_commfrontendpty.moc"
