// The bootloader emulation: AN3155 commands fed in directly, and a whole
// update by Debian's stm32flash over the simulator's pseudo-terminal, after
// which the application reports the version from the image's trailer.
#include "BootloaderEmulator.h"
#include "InverterSimulator.h"
#include "ProtocolServer.h"
#include "SimTestClient.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

QByteArray command(int code) { return bytes({ code, code ^ 0xFF }); }

QByteArray address(uint32_t a)
{
    const QByteArray out = bytes({ int(a >> 24), int((a >> 16) & 0xFF), int((a >> 8) & 0xFF), int(a & 0xFF) });
    return out + char(out[0] ^ out[1] ^ out[2] ^ out[3]);
}

QByteArray dataBlock(const QByteArray &data)
{
    char checksum = char(data.size() - 1);
    for (char c : data)
        checksum ^= c;
    return char(data.size() - 1) + data + checksum;
}

// Firmware file bytes, 4 bytes version and 4 bytes CRC-32 of the file, little-endian.
QByteArray withTrailer(const QByteArray &firmware, uint32_t version)
{
    const uint32_t crc = uint32_t(::crc32(0, reinterpret_cast<const Bytef *>(firmware.constData()), uInt(firmware.size())));
    QByteArray image = firmware;
    for (uint32_t v : { version, crc })
        for (int i = 0; i < 4; ++i)
            image += char(v >> (8 * i));
    return image;
}

} // namespace

class tst_SimBootloader : public QObject
{
    Q_OBJECT

private slots:
    void commandAnswers_data();
    void commandAnswers();
    void writeReadAndErase();
    void goStartsTheApplication();
    void stm32flashUpdatesTheFirmware();

private:
    static QByteArray run(BootloaderEmulator &bootloader, const QByteArray &input);
};

QByteArray tst_SimBootloader::run(BootloaderEmulator &bootloader, const QByteArray &input)
{
    QByteArray output;
    auto connection = connect(&bootloader, &BootloaderEmulator::transmit, [&](const QByteArray &b) { output += b; });
    bootloader.feed(input);
    disconnect(connection);
    return output;
}

void tst_SimBootloader::commandAnswers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");

    const QByteArray ack = bytes({ 0x79 });
    const QByteArray nack = bytes({ 0x1F });
    QTest::newRow("noise before synchronisation") << bytes({ 0x00, 0x55, 0x7F }) << ack;
    QTest::newRow("get") << bytes({ 0x7F }) + command(0x00)
                         << ack + ack + bytes({ 11, 0x22, 0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43, 0x63, 0x73, 0x82, 0x92 }) + ack;
    QTest::newRow("get version") << bytes({ 0x7F }) + command(0x01) << ack + ack + bytes({ 0x22, 0, 0 }) + ack;
    QTest::newRow("get id") << bytes({ 0x7F }) + command(0x02) << ack + ack + bytes({ 0x01, 0x04, 0x14 }) + ack;
    QTest::newRow("second sync byte is a bad command") << bytes({ 0x7F, 0x7F, 0x7F }) << ack + nack;
    QTest::newRow("extended erase") << bytes({ 0x7F }) + command(0x44) << ack + nack;
    QTest::newRow("readout protect") << bytes({ 0x7F }) + command(0x82) << ack + nack;
    QTest::newRow("read outside memory") << bytes({ 0x7F }) + command(0x11) + address(0x30000000) << ack + ack + nack;
    QTest::newRow("address checksum wrong") << bytes({ 0x7F }) + command(0x11) + bytes({ 8, 0, 0, 0, 0 }) << ack + ack + nack;
    QTest::newRow("read 4 bytes of RAM") << bytes({ 0x7F }) + command(0x11) + address(0x20000000) + bytes({ 3, 0xFC })
                                         << ack + ack + ack + ack + bytes({ 0, 0, 0, 0 });
}

void tst_SimBootloader::commandAnswers()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    BootloaderEmulator bootloader;
    bootloader.enter();
    QCOMPARE(run(bootloader, input).toHex(' '), output.toHex(' '));
}

void tst_SimBootloader::writeReadAndErase()
{
    BootloaderEmulator bootloader;
    bootloader.enter();
    const QByteArray ack = bytes({ 0x79 });
    const QByteArray nack = bytes({ 0x1F });
    QCOMPARE(run(bootloader, bytes({ 0x7F })), ack);
    const QByteArray block = bytes({ 1, 2, 3, 4, 5, 6, 7, 8 });

    // The firmware area holds the old firmware: programming needs an erase first.
    QCOMPARE(run(bootloader, command(0x31) + address(0x08003000) + dataBlock(block)), ack + ack + nack);
    QCOMPARE(run(bootloader, command(0x43) + bytes({ 0, 6, 6 })), ack + ack);
    QCOMPARE(run(bootloader, command(0x31) + address(0x08003000) + dataBlock(block)), ack + ack + ack);
    // Sent in pieces, as a slow line delivers it.
    QByteArray out;
    const QByteArray read = command(0x11) + address(0x08003000) + bytes({ 7, 0xF8 });
    for (char c : read)
        out += run(bootloader, QByteArray(1, c));
    QCOMPARE(out, ack + ack + ack + block);
    // A data checksum error is refused.
    QByteArray broken = dataBlock(block);
    broken[broken.size() - 1] = char(broken.back() ^ 1);
    QCOMPARE(run(bootloader, command(0x31) + address(0x08003100) + broken), ack + ack + nack);
}

void tst_SimBootloader::goStartsTheApplication()
{
    BootloaderEmulator bootloader;
    bootloader.enter();
    QSignalSpy go(&bootloader, &BootloaderEmulator::go);
    QCOMPARE(run(bootloader, bytes({ 0x7F }) + command(0x21) + address(0x08000000)), bytes({ 0x79, 0x79, 0x79 }));
    QCOMPARE(go.size(), 1);
    QCOMPARE(go.first().first().value<quint32>(), 0x08000000u);
    QVERIFY(!bootloader.isSynchronised());
}

void tst_SimBootloader::stm32flashUpdatesTheFirmware()
{
    if (QStandardPaths::findExecutable(QStringLiteral("stm32flash")).isEmpty())
        QSKIP("stm32flash is not installed (Debian package stm32flash)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray firmware;
    for (int i = 0; i < 3001; ++i) // not a multiple of four: the tool pads the last block
        firmware += char((i * 7 + 3) & 0xFF);
    firmware.append("  v2.1.0"); // the version text the update reads from the file's end
    const QByteArray image = withTrailer(firmware, 0x210);
    const QString imagePath = dir.filePath(QStringLiteral("firmware.bin.tmp"));
    QFile file(imagePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    InverterSimulator sim;
    QVERIFY(sim.start());
    {
        SimTestClient client(sim.slavePath());
        client.send(9);
        const auto info = client.waitFor(10);
        QCOMPARE(info.size(), 1);
        QVERIFY(info.first().data.startsWith(QByteArray::fromHex("1112") + QByteArray::fromHex("6712") + "v2.0.3"));
        QSignalSpy ready(sim.server(), &ProtocolServer::bootloaderReady);
        client.send(12); // bootloader reset
        QVERIFY(ready.wait());
    } // the program lets go of the port before the tool opens it

    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(TORVANA_SOURCE_DIR "/tools/stm32flash-8n1"),
               { QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"), QStringLiteral("8e1"),
                 QStringLiteral("-S"), QStringLiteral("0x08003000"), QStringLiteral("-w"), imagePath,
                 QStringLiteral("-v"), QStringLiteral("-g"), QStringLiteral("0x08000000"), sim.slavePath() });
    QSignalSpy finished(&tool, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    QVERIFY(finished.wait(60000));
    const QByteArray log = tool.readAll();
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0, log.constData());
    QVERIFY2(log.contains("0x0414"), log.constData());
    QVERIFY2(log.contains("Erasing"), log.constData());

    QByteArray flashed;
    QVERIFY(sim.bootloader()->flash().read(0x08003000, uint32_t(image.size()), &flashed));
    QCOMPARE(flashed, image);
    QCOMPARE(sim.server()->mode(), ProtocolServer::Mode::Application);

    SimTestClient client(sim.slavePath());
    client.send(9);
    const auto info = client.waitFor(10);
    QCOMPARE(info.size(), 1);
    QCOMPARE(info.first().data.mid(4, 6), QByteArray("v2.1.0"));
}

QTEST_GUILESS_MAIN(tst_SimBootloader)
#include "tst_simbootloader.moc"
