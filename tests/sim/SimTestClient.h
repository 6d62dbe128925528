// The program's side of the simulator's serial link, for tests: opens the
// pseudo-terminal's slave as the program does, sends frames built by the test
// codec (wire constants restated there) and cuts the answers out with CommLink.
#pragma once

#include "CommLink.h"
#include "FrameCodec.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class SimTestClient
{
public:
    using Pairs = QVector<QPair<uint16_t, uint16_t>>;

    struct Frame
    {
        uint8_t type = 0;
        uint8_t status = 0;
        Pairs pairs; // layout A, count entries (at most 12)
        QByteArray data;
    };

    explicit SimTestClient(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd >= 0) {
            termios tio {};
            tcgetattr(m_fd, &tio);
            cfmakeraw(&tio);
            cfsetispeed(&tio, B38400);
            cfsetospeed(&tio, B38400);
            tcsetattr(m_fd, TCSANOW, &tio);
        }
        m_driver.context = this;
        m_driver.read = &SimTestClient::readThunk;
        m_driver.write = &SimTestClient::writeThunk;
        commLinkInit(&m_link, &m_driver);
    }
    ~SimTestClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SimTestClient(const SimTestClient &) = delete;
    SimTestClient &operator=(const SimTestClient &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    void send(uint8_t type, const Pairs &pairs = {}) { sendBytes(TestFrame::makePairs(type, 0, pairs)); }
    void sendBytes(const std::vector<uint8_t> &bytes)
    {
        if (m_fd >= 0)
            QCOMPARE(::write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Takes every complete frame out of the terminal into received.
    void poll()
    {
        for (;;) {
            const uint32_t fill = m_link.fill;
            const qint64 read = m_bytesRead;
            if (commLinkReceive(&m_link)) {
                received.append(decode(m_link.lastFrame));
                continue;
            }
            if (m_link.fill == fill && m_bytesRead == read)
                return;
        }
    }

    int count(uint8_t type) const
    {
        int n = 0;
        for (const Frame &f : received)
            n += f.type == type;
        return n;
    }

    // Spins the event loop until `count` frames of the type arrived; takes them out.
    QVector<Frame> waitFor(uint8_t type, int count = 1, int timeoutMs = 3000)
    {
        (void)QTest::qWaitFor([&] {
            poll();
            return this->count(type) >= count;
        }, timeoutMs);
        QVector<Frame> taken;
        for (int i = 0; i < received.size();) {
            if (received[i].type == type && taken.size() < count) {
                taken.append(received.takeAt(i));
                continue;
            }
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
        if (answer.isEmpty() || answer.first().pairs.size() != 1)
            return -1;
        return answer.first().pairs.first().second & 0xFF;
    }

    QVector<Frame> received;

private:
    static Frame decode(const uint8_t *f)
    {
        Frame frame;
        frame.type = f[8];
        frame.status = f[9];
        frame.data = QByteArray(reinterpret_cast<const char *>(f + 10), 50);
        const uint16_t count = TestFrame::get16(f + 10);
        for (uint16_t k = 0; k < count && k < 12; ++k)
            frame.pairs.append({ TestFrame::get16(f + 12 + 4 * k), TestFrame::get16(f + 14 + 4 * k) });
        return frame;
    }

    static int32_t readThunk(uint8_t *buffer, uint32_t maximum, void *context)
    {
        auto *self = static_cast<SimTestClient *>(context);
        const ssize_t n = self->m_fd >= 0 ? ::read(self->m_fd, buffer, maximum) : -1;
        if (n > 0)
            self->m_bytesRead += n;
        return n > 0 ? int32_t(n) : 0;
    }
    static int32_t writeThunk(const uint8_t *data, uint32_t length, void *context)
    {
        auto *self = static_cast<SimTestClient *>(context);
        return int32_t(::write(self->m_fd, data, length));
    }

    int m_fd = -1;
    qint64 m_bytesRead = 0;
    CommDriver m_driver;
    CommLink m_link;
};
