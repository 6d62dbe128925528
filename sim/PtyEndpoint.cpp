#include "PtyEndpoint.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

int32_t baudFromSpeed(speed_t speed)
{
    switch (speed) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    case B460800: return 460800;
    case B921600: return 921600;
    default: return 0;
    }
}

void makeRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, B38400);
    cfsetospeed(&tio, B38400);
    tcsetattr(fd, TCSANOW, &tio);
}

} // namespace

PtyEndpoint::PtyEndpoint(QObject *parent)
    : QObject(parent)
{
    m_rearmTimer.setSingleShot(true);
    m_rearmTimer.setInterval(100);
    connect(&m_rearmTimer, &QTimer::timeout, this, [this] {
        if (m_notifier)
            m_notifier->setEnabled(true);
    });
}

PtyEndpoint::~PtyEndpoint()
{
    close();
}

bool PtyEndpoint::open(QString *errorText)
{
    close();
    auto fail = [&](const char *what) {
        if (errorText)
            *errorText = QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(strerror(errno)));
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
        return false;
    };

    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0)
        return fail("grantpt");
    if (unlockpt(m_master) != 0)
        return fail("unlockpt");
    const char *name = ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);

    m_slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slaveKeeper < 0)
        return fail("open slave");
    makeRaw(m_slaveKeeper);

    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PtyEndpoint::onActivated);

    publish();
    emit opened(m_slavePath);
    return true;
}

void PtyEndpoint::close()
{
    if (m_master < 0)
        return;
    m_rearmTimer.stop();
    m_notifier.reset();
    unpublish();
    ::close(m_master);
    m_master = -1;
    if (m_slaveKeeper >= 0)
        ::close(m_slaveKeeper);
    m_slaveKeeper = -1;
    emit closed();
}

int32_t PtyEndpoint::read(uint8_t *buffer, uint32_t maximum)
{
    if (m_master < 0 || maximum == 0)
        return 0;
    const ssize_t n = ::read(m_master, buffer, maximum);
    if (n > 0)
        return int32_t(n);
    if (n < 0 && errno == EIO && m_notifier) {
        // Happens only while no slave descriptor is open; wait instead of spinning.
        m_notifier->setEnabled(false);
        m_rearmTimer.start();
    }
    return 0;
}

int32_t PtyEndpoint::write(const uint8_t *data, uint32_t length)
{
    if (m_master < 0)
        return 0;
    uint32_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(m_master, data + done, length - done);
        if (n > 0) {
            done += uint32_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    return int32_t(done);
}

int32_t PtyEndpoint::baudRate() const
{
    termios tio {};
    if (m_master < 0 || tcgetattr(m_master, &tio) != 0)
        return 38400;
    const int32_t baud = baudFromSpeed(cfgetospeed(&tio));
    return baud > 0 ? baud : 38400;
}

int32_t PtyEndpoint::bitsPerCharacter() const
{
    termios tio {};
    if (m_master < 0 || tcgetattr(m_master, &tio) != 0)
        return 10;
    int32_t bits = 1; // start bit
    switch (tio.c_cflag & CSIZE) {
    case CS5: bits += 5; break;
    case CS6: bits += 6; break;
    case CS7: bits += 7; break;
    default: bits += 8; break;
    }
    if (tio.c_cflag & PARENB)
        ++bits;
    bits += (tio.c_cflag & CSTOPB) ? 2 : 1;
    return bits;
}

void PtyEndpoint::onActivated()
{
    emit readyRead();
}

void PtyEndpoint::publish()
{
    const QByteArray target = QFile::encodeName(m_slavePath);
    if (!m_linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(m_linkPath);
        const QByteArray temporary = link + ".tmp" + QByteArray::number(qint64(getpid()));
        ::unlink(temporary.constData());
        if (::symlink(target.constData(), temporary.constData()) != 0
            || ::rename(temporary.constData(), link.constData()) != 0) {
            std::fprintf(stderr, "cannot create link %s: %s\n", link.constData(), strerror(errno));
            ::unlink(temporary.constData());
        }
    }
    if (!m_pathFile.isEmpty()) {
        const QString temporary = m_pathFile + QStringLiteral(".tmp");
        QFile file(temporary);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(target + '\n');
            file.close();
            if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(m_pathFile).constData()) != 0)
                QFile::remove(temporary);
        } else {
            std::fprintf(stderr, "cannot write %s\n", QFile::encodeName(m_pathFile).constData());
        }
    }
}

void PtyEndpoint::unpublish()
{
    if (m_linkPath.isEmpty())
        return;
    // Remove the link only while it still points at our terminal.
    const QByteArray link = QFile::encodeName(m_linkPath);
    char buffer[512];
    const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer - 1);
    if (n > 0 && QByteArray(buffer, int(n)) == QFile::encodeName(m_slavePath))
        ::unlink(link.constData());
}
