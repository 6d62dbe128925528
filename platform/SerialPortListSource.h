// The serial ports named in TORVANA_SERIAL_PORTS (':'-separated paths, empty
// elements skipped), in that order, whatever kind of tty they are: a pseudo-
// terminal of the simulator, a converter the sysfs scan does not recognise.
#pragma once

#include "D2xxSource.h"

#include <optional>
#include <string>
#include <vector>

class SerialPortListSource : public D2xxSource
{
public:
    // COM port number of the first listed path; the others follow. Above every
    // ttyUSB number, so the two sources never collide.
    static constexpr int32_t FirstComPort = 1000;

    std::vector<D2xxDeviceEntry> devices() override;
    D2xxPort *open(const D2xxDeviceEntry &entry) override;

    // Lists these paths instead of those in TORVANA_SERIAL_PORTS; no value
    // reads the variable again.
    void setPaths(std::optional<std::vector<std::string>> paths) { m_paths = std::move(paths); }

    // "TV" and eight hex digits of a hash of the path: the same path gets the
    // same serial number in every run.
    static std::string serialNumberForPath(const std::string &path);

private:
    std::optional<std::vector<std::string>> m_paths;
};
