// A D2XX port over a Linux tty (USB-serial converter or pseudo-terminal).
// Raw and non-blocking: reads return what is waiting, writes wait at most the
// write time-out. Once the line has hung up, every call fails with FT_IO_ERROR.
// Held exclusively while open (a lock and the tty's exclusive mode).
#pragma once

#include "D2xxSource.h"

#include <string>

#include <termios.h>

class TtyPort : public D2xxPort
{
public:
    // Opens the tty at path raw and non-blocking; null when the path cannot be
    // opened or is not a tty. Baud rate and data characteristics stay as they are
    // until they are set.
    static TtyPort *open(const std::string &path);
    // Whether an open port holds the tty at path, in this process or another.
    // Looks at the kernel's lock table; the tty itself is not opened.
    [[nodiscard]] static bool isLocked(const std::string &path);
    ~TtyPort() override;

    FT_STATUS setBaudRate(uint32_t rate) override;
    FT_STATUS setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity) override;
    FT_STATUS setTimeouts(uint32_t readMs, uint32_t writeMs) override;
    FT_STATUS queueStatus(uint32_t *bytesWaiting) override;
    FT_STATUS read(void *buffer, uint32_t count, uint32_t *bytesRead) override;
    FT_STATUS write(const void *data, uint32_t count, uint32_t *bytesWritten) override;
    FT_STATUS purge(uint32_t mask) override;
    FT_STATUS driverVersion(uint32_t *version) override;
    FT_STATUS attachedStatus() override;
    void close() override;

    // Puts the D2XX word length (7, 8), stop-bit code (0 one, 2 two) and parity
    // code (0 none, 1 odd, 2 even) into the settings; false for other codes.
    static bool applyLineFormat(termios &settings, uint8_t wordLength, uint8_t stopBits, uint8_t parity);

private:
    explicit TtyPort(int fd) : m_fd(fd) {}
    // Looks for a hang-up without waiting; marks the port dead when there is one.
    bool checkHangUp();
    void markDead();

    int m_fd = -1;
    bool m_dead = false;
    uint32_t m_writeTimeoutMs = 1000;
};
