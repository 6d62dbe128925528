// The bootloader emulation: AN3155 commands fed in directly, and a whole update by Debian's stm32flash.
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

QByteArray dataBlock(const QByteArray &data, char damage = 0)
{
    char checksum = char(data.size() - 1);
    for (char c : data)
        checksum ^= c;
    return char(data.size() - 1) + data + char(checksum ^ damage);
}

const QByteArray ack = bytes({ 0x79 }), nack = bytes({ 0x1F });
const QByteArray block = bytes({ 1, 2, 3, 4, 5, 6, 7, 8 });

} // namespace

class tst_SimBootloader : public QObject
{
    Q_OBJECT

private slots:
    void commandAnswers_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray sync = bytes({ 0x7F });
        QTest::newRow("noise before synchronisation") << bytes({ 0x00, 0x55, 0x7F }) << ack;
        QTest::newRow("get") << sync + command(0x00)
                             << ack + ack + bytes({ 11, 0x22, 0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x43, 0x63, 0x73, 0x82, 0x92 }) + ack;
        QTest::newRow("second sync byte is a bad command") << bytes({ 0x7F, 0x7F, 0x7F }) << ack + nack;
        QTest::newRow("extended erase") << sync + command(0x44) << ack + nack;
        QTest::newRow("read outside memory") << sync + command(0x11) + address(0x30000000) << ack + ack + nack;
        QTest::newRow("address checksum wrong") << sync + command(0x11) + bytes({ 8, 0, 0, 0, 0 }) << ack + ack + nack;
        // The firmware area holds the old firmware: programming needs an erase first.
        QTest::newRow("write before erase") << sync + command(0x31) + address(0x08003000) + dataBlock(block)
                                            << ack + ack + ack + nack;
        const QByteArray erase = sync + command(0x43) + bytes({ 0, 6, 6 });
        QTest::newRow("erase, write, read")
            << erase + command(0x31) + address(0x08003000) + dataBlock(block) + command(0x11) + address(0x08003000) + bytes({ 7, 0xF8 })
            << ack + ack + ack + ack + ack + ack + ack + ack + ack + block;
        QTest::newRow("data checksum wrong") << erase + command(0x31) + address(0x08003100) + dataBlock(block, 1)
                                             << ack + ack + ack + ack + ack + nack;
        QTest::newRow("go") << sync + command(0x21) + address(0x08000000) << ack + ack + ack;
    }

    void commandAnswers()
    {
        QFETCH(QByteArray, input);
        BootloaderEmulator bootloader;
        bootloader.enter();
        QSignalSpy go(&bootloader, &BootloaderEmulator::go);
        QByteArray result;
        connect(&bootloader, &BootloaderEmulator::transmit, this, [&](const QByteArray &b) { result += b; });
        for (char c : input) // byte by byte, as a slow line delivers it
            bootloader.feed(QByteArray(1, c));
        QFETCH(QByteArray, output);
        QCOMPARE(result.toHex(' '), output.toHex(' '));
        QCOMPARE(go.size(), QByteArray(QTest::currentDataTag()) == "go" ? 1 : 0);
        if (!go.isEmpty()) {
            QCOMPARE(go.first().first().value<quint32>(), 0x08000000u);
            QVERIFY(!bootloader.isSynchronised());
        }
    }

    void stm32flashUpdatesTheFirmware()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("stm32flash")).isEmpty())
            QSKIP("stm32flash is not installed (Debian package stm32flash)");
        QTemporaryDir dir;
        QByteArray image;
        for (int i = 0; i < 3001; ++i) // not a multiple of four: the tool pads the last block
            image += char((i * 7 + 3) & 0xFF);
        image.append("  v2.1.0"); // the version text the update reads from the file's end
        // Trailer: 4 bytes version and 4 bytes CRC-32 of the file, little-endian.
        const uint32_t crc = uint32_t(::crc32(0, reinterpret_cast<const Bytef *>(image.constData()), uInt(image.size())));
        for (uint32_t v : { 0x210u, crc })
            for (int i = 0; i < 4; ++i)
                image += char(v >> (8 * i));
        const QString imagePath = dir.filePath(QStringLiteral("firmware.bin.tmp"));
        QFile file(imagePath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size() && file.flush());

        InverterSimulator sim;
        QVERIFY(sim.start());
        {
            SimTestClient client(sim.slavePath());
            QSignalSpy ready(sim.server(), &ProtocolServer::bootloaderReady);
            client.send(12); // bootloader reset
            QVERIFY(ready.wait());
        } // the program lets go of the port before the tool opens it

        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral(TORVANA_SOURCE_DIR "/tools/stm32flash-8n1"),
                   { "-b", "115200", "-m", "8e1", "-S", "0x08003000", "-w", imagePath, "-v", "-g", "0x08000000", sim.slavePath() });
        QVERIFY(tool.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(tool.state(), QProcess::NotRunning, 60000);
        const QByteArray log = tool.readAll();
        QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0, log.constData());
        QVERIFY2(log.contains("0x0414") && log.contains("Erasing"), log.constData());

        QByteArray flashed;
        QVERIFY(sim.bootloader()->flash().read(0x08003000, uint32_t(image.size()), &flashed));
        QCOMPARE(flashed, image);
        QCOMPARE(sim.server()->mode(), ProtocolServer::Mode::Application);
        SimTestClient client(sim.slavePath());
        client.send(9);
        QCOMPARE(SimTestClient::bytes(client.waitFor(10).value(0), 4, 6), QByteArray("v2.1.0"));
    }
};

QTEST_GUILESS_MAIN(tst_SimBootloader)
#include "tst_simbootloader.moc"
