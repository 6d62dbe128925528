// Raw bytes from the inverter through the framing layer and the front-end's dispatch.
//
// Input: byte 0 is how many bytes one driver read hands out (0: all there are), byte 1 holds
// driver faults (bit 0: a read reports more bytes than it placed; bit 1: every fourth read
// fails), the rest is the received stream. The stream is cut twice: once with commLinkReceive,
// call by call against the restated receiver of FrameCodec.h (unless the driver over-reports,
// which lets stale buffer bytes in that no reference can know), and once through
// CommFrontendQt, whose signals must be what the dispatch table makes of the frames found.
#include "ByteStreamDriver.h"
#include "CommFrontendQt.h"
#include "CommLink.h"
#include "FrameCodec.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint32_t BufferSize = 1024;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_commlink: %s\n", what);
    std::abort();
}

void configure(ByteStreamDriver &driver, const Bytes &stream, uint8_t chunk, uint8_t faults)
{
    driver.reset(stream);
    if (chunk != 0)
        driver.setChunkLimit(chunk);
    if (faults & 1)
        driver.setOverReport(3);
    if (faults & 2) {
        std::vector<int32_t> script;
        for (size_t i = 0; i < stream.size() + 8; ++i)
            script.push_back(i % 4 == 3 ? -1 : int32_t(chunk ? chunk : UINT8_MAX * 8));
        driver.setReadScript(script);
    }
}

// Restated dispatch: entry k is read from slot k mod 12, a later entry replaces an earlier one.
QString describeMap(const uint8_t *data, bool states)
{
    std::map<uint16_t, uint16_t> map;
    const uint16_t count = TestFrame::get16(data);
    for (uint32_t k = 0; k < count; ++k) {
        const uint8_t *entry = data + 2 + 4 * (k % 12);
        map[TestFrame::get16(entry)] = states ? (TestFrame::get16(entry + 2) & 0xFF) : TestFrame::get16(entry + 2);
    }
    QStringList pairs;
    for (const auto &[number, value] : map)
        pairs << QStringLiteral("%1=%2").arg(number).arg(value);
    return pairs.join(QLatin1Char(','));
}

// The signal a frame must produce, or an empty text for none.
QString expectedSignal(const Bytes &frame)
{
    const uint8_t type = frame[8];
    const uint8_t status = frame[9];
    const uint8_t *data = frame.data() + 10;
    switch (type) {
    case 5:
    case 7:
    case 14:
    case 22: {
        const QString map = describeMap(data, type == 22);
        return map.isEmpty() ? QString() : QStringLiteral("%1 %2").arg(type).arg(map);
    }
    case 10: {
        QByteArray firmware;
        for (size_t i = 4; i < 50 && data[i] != 0; ++i)
            firmware.append(char(data[i]));
        return QStringLiteral("10 %1 %2 %3")
            .arg(TestFrame::get16(data))
            .arg(TestFrame::get16(data + 2))
            .arg(QString::fromLatin1(firmware.toHex()));
    }
    case 16:
        return QStringLiteral("16 %1 %2")
            .arg(status == 0x10 || status == 0x20 ? QString() : describeMap(data, true))
            .arg(status);
    case 18:
    case 19:
    case 20:
        return QStringLiteral("%1 %2").arg(type).arg(status);
    default:
        return QString();
    }
}

template <typename Value>
QString describe(int type, const QMap<uint16_t, Value> &map)
{
    QStringList pairs;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        pairs << QStringLiteral("%1=%2").arg(it.key()).arg(int(it.value()));
    if (pairs.isEmpty() && type != 16)
        fail("a signal carried an empty map");
    return QStringLiteral("%1 %2").arg(type).arg(pairs.join(QLatin1Char(',')));
}

// Phase 1: every receive call, against the reference where one applies. Answers the valid
// frames in order.
QVector<Bytes> receiveDirectly(const Bytes &stream, uint8_t chunk, uint8_t faults)
{
    ByteStreamDriver driver;
    configure(driver, stream, chunk, faults);
    CommLink link;
    commLinkInit(&link, driver.driver());
    TestFrame::Receiver reference;
    const bool compare = !(faults & 1);
    QVector<Bytes> frames;
    for (;;) {
        const size_t before = stream.size() - driver.pendingBytes();
        const uint32_t fillBefore = link.fill;
        const bool got = commLinkReceive(&link);
        if (link.fill > BufferSize)
            fail("fill beyond the buffer");
        const size_t after = stream.size() - driver.pendingBytes();
        if (compare) {
            const Bytes read(stream.begin() + long(before), stream.begin() + long(after));
            if (reference.receive(read) != got)
                fail("receive result differs from the reference");
            if (Bytes(link.buffer, link.buffer + link.fill) != reference.buffer)
                fail("buffer differs from the reference");
            if (got && Bytes(link.lastFrame, link.lastFrame + 64) != reference.last)
                fail("delivered frame differs from the reference");
        }
        if (got) {
            const Bytes frame(link.lastFrame, link.lastFrame + 64);
            if (TestFrame::get32(&frame[0]) != 0xDEADBEEFu || TestFrame::get32(&frame[60]) != 0xCAFEBABEu
                || TestFrame::get32(&frame[4]) != TestFrame::crc32(&frame[10], 50))
                fail("a delivered frame has wrong marks or a wrong CRC");
            frames.append(frame);
        }
        if (!got && after == before && link.fill == fillBefore && driver.pendingBytes() == 0)
            break;
    }
    return frames;
}

// Phase 2: the front-end's receive slot until nothing moves; answers the signals in order.
QStringList receiveThroughFrontend(const Bytes &stream, uint8_t chunk, uint8_t faults)
{
    ByteStreamDriver driver;
    configure(driver, stream, chunk, faults);
    CommLink link;
    commLinkInit(&link, driver.driver());
    CommFrontendQt frontend(&link);
    QStringList signalsSeen;
    QObject::connect(&frontend, &CommFrontendQt::currentParametersetUpdate,
                     [&](const QMap<uint16_t, uint16_t> &m) { signalsSeen << describe(5, m); });
    QObject::connect(&frontend, &CommFrontendQt::parameterUpdate,
                     [&](const QMap<uint16_t, uint16_t> &m) { signalsSeen << describe(7, m); });
    QObject::connect(&frontend, &CommFrontendQt::motorParametersetUpdate,
                     [&](const QMap<uint16_t, uint16_t> &m) { signalsSeen << describe(14, m); });
    QObject::connect(&frontend, &CommFrontendQt::parameterStateReceived,
                     [&](const QMap<uint16_t, CommErrorCode> &m) { signalsSeen << describe(22, m); });
    QObject::connect(&frontend, &CommFrontendQt::writeParametersetResponseReceived,
                     [&](const QMap<uint16_t, CommErrorCode> &m, CommErrorCode status) {
                         signalsSeen << describe(16, m) + QStringLiteral(" %1").arg(status);
                     });
    QObject::connect(&frontend, &CommFrontendQt::deviceInfoUpdate, [&](uint16_t type, uint16_t serial, const QByteArray &fw) {
        if (fw.size() > 46)
            fail("firmware text longer than its field");
        signalsSeen << QStringLiteral("10 %1 %2 %3").arg(type).arg(serial).arg(QString::fromLatin1(fw.toHex()));
    });
    QObject::connect(&frontend, &CommFrontendQt::deleteParametersetResponseReceived,
                     [&](CommErrorCode status) { signalsSeen << QStringLiteral("18 %1").arg(status); });
    QObject::connect(&frontend, &CommFrontendQt::resetResponseReceived,
                     [&](CommErrorCode status) { signalsSeen << QStringLiteral("19 %1").arg(status); });
    QObject::connect(&frontend, &CommFrontendQt::factoryResetResponseReceived,
                     [&](CommErrorCode status) { signalsSeen << QStringLiteral("20 %1").arg(status); });

    for (;;) {
        const size_t pending = driver.pendingBytes();
        const Bytes held(link.buffer, link.buffer + link.fill);
        const int seen = signalsSeen.size();
        frontend.receiveFramesFromDevice();
        if (link.fill > BufferSize)
            fail("fill beyond the buffer");
        if (driver.pendingBytes() == pending && Bytes(link.buffer, link.buffer + link.fill) == held
            && signalsSeen.size() == seen && pending == 0)
            break;
    }
    return signalsSeen;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t chunk = data[0];
    const uint8_t faults = data[1];
    const Bytes stream(data + 2, data + size);

    QStringList expected;
    for (const Bytes &frame : receiveDirectly(stream, chunk, faults)) {
        const QString signal = expectedSignal(frame);
        if (!signal.isEmpty())
            expected << signal;
    }
    if (receiveThroughFrontend(stream, chunk, faults) != expected)
        fail("front-end signals differ from the dispatch table");
    return 0;
}
