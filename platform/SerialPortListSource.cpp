#include "SerialPortListSource.h"

#include "TtyPort.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The ':'-separated elements of TORVANA_SERIAL_PORTS, empty ones skipped.
std::vector<std::string> pathsFromEnvironment()
{
    std::vector<std::string> paths;
    const char *variable = std::getenv("TORVANA_SERIAL_PORTS");
    if (!variable)
        return paths;
    const std::string list = variable;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        if (end > start)
            paths.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}

} // namespace

std::vector<D2xxDeviceEntry> SerialPortListSource::devices()
{
    std::vector<D2xxDeviceEntry> result;
    for (const std::string &path : m_paths ? *m_paths : pathsFromEnvironment()) {
        D2xxDeviceEntry entry;
        entry.devicePath = path;
        entry.serialNumber = serialNumberForPath(entry.devicePath);
        entry.description = "Torvana serial port";
        entry.comPortNumber = FirstComPort + int32_t(result.size());
        entry.type = 3; // unknown device type
        if (TtyPort::isLocked(entry.devicePath))
            entry.flags |= FT_FLAGS_OPENED;
        result.push_back(std::move(entry));
    }
    return result;
}

D2xxPort *SerialPortListSource::open(const D2xxDeviceEntry &entry)
{
    return TtyPort::open(entry.devicePath);
}

std::string SerialPortListSource::serialNumberForPath(const std::string &path)
{
    // FNV-1a: fixed by definition, unlike std::hash.
    uint32_t hash = 2166136261u;
    for (unsigned char c : path) {
        hash ^= c;
        hash *= 16777619u;
    }
    char text[11];
    std::snprintf(text, sizeof text, "TV%08X", unsigned(hash));
    return text;
}
