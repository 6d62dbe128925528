// The program's side of the simulator's serial link, for tests: opens the
// pseudo-terminal's slave as the program does, sends frames built by the test
// codec (wire constants restated there) and cuts the answers out with CommLink.
#pragma once

#include "CommLink.h"
#include "FrameCodec.h"

#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class SimTestClient
{
public:
    using Pairs = QVector<QPair<uint16_t, uint16_t>>;
    using Frame = TestFrame::Decoded;

    explicit SimTestClient(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios tio {};
        tcgetattr(m_fd, &tio);
        cfmakeraw(&tio);
        cfsetspeed(&tio, B38400);
        tcsetattr(m_fd, TCSANOW, &tio);
        commLinkInit(&m_link, &m_driver);
    }
    ~SimTestClient() { ::close(m_fd); }
    SimTestClient(const SimTestClient &) = delete;
    SimTestClient &operator=(const SimTestClient &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    void send(uint8_t type, const Pairs &pairs = {}) { sendBytes(TestFrame::makePairs(type, 0, pairs)); }
    void sendBytes(const std::vector<uint8_t> &bytes)
    {
        QCOMPARE(::write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Takes every complete frame out of the terminal into received.
    void poll()
    {
        for (;;) {
            const uint32_t fill = m_link.fill;
            if (commLinkReceive(&m_link))
                received += TestFrame::decodeAll({ m_link.lastFrame, m_link.lastFrame + 64 });
            else if (m_link.fill == fill)
                return;
        }
    }

    int count(uint8_t type) const
    {
        return int(std::count_if(received.begin(), received.end(), [type](const Frame &f) { return f.type == type; }));
    }

    // Spins the event loop until `count` frames of the type arrived; takes them out.
    QVector<Frame> waitFor(uint8_t type, int count = 1, int timeoutMs = 3000)
    {
        (void)QTest::qWaitFor([&] { poll(); return this->count(type) >= count; }, timeoutMs);
        QVector<Frame> taken;
        for (int i = 0; i < received.size();) {
            if (received[i].type == type && taken.size() < count)
                taken.append(received.takeAt(i));
            else
                ++i;
        }
        return taken;
    }

    // A parameter request (type 6) and its answer (type 7); -1 when none came.
    // A device information request behind it marks the end of the answers.
    int read(uint16_t id)
    {
        send(6, { { id, 0 } });
        send(9);
        if (waitFor(10).isEmpty())
            return -1;
        const QVector<Frame> answer = waitFor(7, 1, 0);
        if (answer.isEmpty() || answer.first().pairs.isEmpty() || answer.first().pairs.first().first != id)
            return -1;
        return answer.first().pairs.first().second;
    }

    // A single write (type 8) and its state (type 22); -1 when none came.
    int write(uint16_t id, uint16_t value)
    {
        send(8, { { id, value } });
        const QVector<Frame> answer = waitFor(22);
        return answer.size() == 1 && answer.first().pairs.size() == 1 ? answer.first().pairs.first().second & 0xFF : -1;
    }

    static QByteArray bytes(const Frame &f, int from, int size)
    {
        return int(f.data.size()) >= from + size ? QByteArray(reinterpret_cast<const char *>(f.data.data()) + from, size)
                                                 : QByteArray();
    }

    QVector<Frame> received;

private:
    static int32_t readThunk(uint8_t *buffer, uint32_t maximum, void *context)
    {
        const ssize_t n = ::read(static_cast<SimTestClient *>(context)->m_fd, buffer, maximum);
        return n > 0 ? int32_t(n) : 0;
    }
    static int32_t writeThunk(const uint8_t *data, uint32_t length, void *context)
    {
        return int32_t(::write(static_cast<SimTestClient *>(context)->m_fd, data, length));
    }

    int m_fd = -1;
    CommDriver m_driver { this, &SimTestClient::writeThunk, &SimTestClient::readThunk };
    CommLink m_link;
};
