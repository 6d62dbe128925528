#include "TtyPort.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

bool speedForRate(uint32_t rate, speed_t *speed)
{
    struct RateSpeed
    {
        uint32_t rate;
        speed_t speed;
    };
    static const RateSpeed table[] = {
        {300, B300},         {600, B600},         {1200, B1200},       {2400, B2400},
        {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},
        {500000, B500000},   {576000, B576000},   {921600, B921600},   {1000000, B1000000},
        {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000},
        {3000000, B3000000},
    };
    for (const RateSpeed &entry : table) {
        if (entry.rate == rate) {
            *speed = entry.speed;
            return true;
        }
    }
    return false;
}

bool isLineGone(int error)
{
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF;
}

} // namespace

bool TtyPort::isLocked(const std::string &path)
{
    struct stat node{};
    if (::stat(path.c_str(), &node) != 0)
        return false;
    // "1: FLOCK  ADVISORY  WRITE 4711 00:19:7 0 EOF": the device of the file
    // system (hexadecimal major and minor) and the inode of the locked file.
    FILE *locks = std::fopen("/proc/locks", "re");
    if (!locks)
        return false;
    bool locked = false;
    char line[256];
    while (!locked && std::fgets(line, sizeof line, locks)) {
        char kind[16] = {};
        unsigned major = 0, minor = 0;
        unsigned long inode = 0;
        locked = std::sscanf(line, "%*s %15s %*s %*s %*d %x:%x:%lu", kind, &major, &minor, &inode) == 4
            && std::strcmp(kind, "FLOCK") == 0 && major == ::major(node.st_dev) && minor == ::minor(node.st_dev)
            && inode == node.st_ino;
    }
    std::fclose(locks);
    return locked;
}

TtyPort *TtyPort::open(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    termios settings{};
    if (!isatty(fd) || tcgetattr(fd, &settings) != 0) {
        ::close(fd);
        return nullptr;
    }
    // One opener at a time, as with the vendor's library: the lock keeps out a
    // second instance of the program (root included), exclusive mode any other
    // program that opens the tty later. A port that is held already fails here.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return nullptr;
    }
    // Raw bytes both ways; CLOCAL so that a converter without carrier does not hang up.
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        ::close(fd);
        return nullptr;
    }
    return new TtyPort(fd);
}

TtyPort::~TtyPort()
{
    close();
}

void TtyPort::markDead()
{
    m_dead = true;
}

bool TtyPort::checkHangUp()
{
    if (m_dead)
        return true;
    pollfd descriptor{m_fd, POLLIN, 0};
    const int ready = ::poll(&descriptor, 1, 0);
    if ((ready < 0 && errno != EINTR) || (ready > 0 && (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL))))
        markDead();
    return m_dead;
}

FT_STATUS TtyPort::setBaudRate(uint32_t rate)
{
    if (checkHangUp())
        return FT_IO_ERROR;
    speed_t speed = B0;
    if (!speedForRate(rate, &speed))
        return FT_INVALID_BAUD_RATE;
    termios settings{};
    if (tcgetattr(m_fd, &settings) != 0 || cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0
        || tcsetattr(m_fd, TCSANOW, &settings) != 0) {
        if (isLineGone(errno))
            markDead();
        return FT_IO_ERROR;
    }
    return FT_OK;
}

bool TtyPort::applyLineFormat(termios &settings, uint8_t wordLength, uint8_t stopBits, uint8_t parity)
{
    if ((wordLength != FT_BITS_7 && wordLength != FT_BITS_8)
        || (stopBits != FT_STOP_BITS_1 && stopBits != FT_STOP_BITS_2)
        || (parity != FT_PARITY_NONE && parity != FT_PARITY_ODD && parity != FT_PARITY_EVEN))
        return false;
    settings.c_cflag &= ~tcflag_t(CSIZE | CSTOPB | PARENB | PARODD);
    settings.c_cflag |= wordLength == FT_BITS_7 ? CS7 : CS8;
    if (stopBits == FT_STOP_BITS_2)
        settings.c_cflag |= CSTOPB;
    if (parity != FT_PARITY_NONE)
        settings.c_cflag |= parity == FT_PARITY_ODD ? PARENB | PARODD : PARENB;
    return true;
}

FT_STATUS TtyPort::setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity)
{
    if (checkHangUp())
        return FT_IO_ERROR;
    termios settings{};
    if (tcgetattr(m_fd, &settings) != 0) {
        if (isLineGone(errno))
            markDead();
        return FT_IO_ERROR;
    }
    if (!applyLineFormat(settings, wordLength, stopBits, parity))
        return FT_INVALID_PARAMETER;
    if (tcsetattr(m_fd, TCSANOW, &settings) != 0) {
        if (isLineGone(errno))
            markDead();
        return FT_IO_ERROR;
    }
    return FT_OK;
}

FT_STATUS TtyPort::setTimeouts(uint32_t readMs, uint32_t writeMs)
{
    // Reads never wait, so the read time-out has nothing to govern.
    (void)readMs;
    if (checkHangUp())
        return FT_IO_ERROR;
    m_writeTimeoutMs = writeMs;
    return FT_OK;
}

FT_STATUS TtyPort::queueStatus(uint32_t *bytesWaiting)
{
    *bytesWaiting = 0;
    if (m_dead)
        return FT_IO_ERROR;
    // The receive loop asks twenty times a second: one call. A line that hung
    // up fails it with EIO (a pseudo-terminal whose other end closed, a
    // converter that was pulled), which the check below takes as the hang-up.
    int waiting = 0;
    if (ioctl(m_fd, FIONREAD, &waiting) != 0) {
        if (isLineGone(errno))
            markDead();
        return FT_IO_ERROR;
    }
    *bytesWaiting = uint32_t(waiting > 0 ? waiting : 0);
    return FT_OK;
}

FT_STATUS TtyPort::read(void *buffer, uint32_t count, uint32_t *bytesRead)
{
    *bytesRead = 0;
    if (m_dead)
        return FT_IO_ERROR;
    if (count == 0)
        return checkHangUp() ? FT_IO_ERROR : FT_OK;
    const ssize_t result = ::read(m_fd, buffer, count);
    if (result > 0) {
        *bytesRead = uint32_t(result);
        return FT_OK;
    }
    if (result < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        markDead();
        return FT_IO_ERROR;
    }
    // Nothing waiting, or end of file on a tty that has hung up: poll tells which.
    return checkHangUp() ? FT_IO_ERROR : FT_OK;
}

FT_STATUS TtyPort::write(const void *data, uint32_t count, uint32_t *bytesWritten)
{
    using Clock = std::chrono::steady_clock;
    *bytesWritten = 0;
    if (checkHangUp())
        return FT_IO_ERROR;
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_writeTimeoutMs);
    const auto *bytes = static_cast<const uint8_t *>(data);
    uint32_t done = 0;
    while (done < count) {
        const ssize_t result = ::write(m_fd, bytes + done, count - done);
        if (result > 0) {
            done += uint32_t(result);
            continue;
        }
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            markDead();
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd descriptor{m_fd, POLLOUT, 0};
        const int ready = ::poll(&descriptor, 1, int(left));
        if (ready < 0 && errno != EINTR) {
            markDead();
            break;
        }
        if (ready > 0 && (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            markDead();
            break;
        }
    }
    *bytesWritten = done;
    // A time-out is no error: the caller sees how far the write got.
    return m_dead ? FT_IO_ERROR : FT_OK;
}

FT_STATUS TtyPort::purge(uint32_t mask)
{
    if (checkHangUp())
        return FT_IO_ERROR;
    const bool rx = mask & FT_PURGE_RX;
    const bool tx = mask & FT_PURGE_TX;
    if (!rx && !tx)
        return FT_OK;
    if (tcflush(m_fd, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH) != 0) {
        if (isLineGone(errno))
            markDead();
        return FT_IO_ERROR;
    }
    return FT_OK;
}

FT_STATUS TtyPort::driverVersion(uint32_t *version)
{
    *version = D2xx::LayerVersion;
    return FT_OK;
}

FT_STATUS TtyPort::attachedStatus()
{
    return checkHangUp() ? FT_IO_ERROR : FT_OK;
}

void TtyPort::close()
{
    if (m_fd >= 0) {
        // Exclusive mode belongs to the tty, not to this descriptor: it would
        // outlive the close while another descriptor (a pseudo-terminal's
        // keeper) stays open.
        ioctl(m_fd, TIOCNXCL);
        ::close(m_fd);
    }
    m_fd = -1;
    m_dead = true;
}
