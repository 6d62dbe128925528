#include "TtyUsbSource.h"

#include "TtyPort.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t FtdiVendor = 0x0403;

// D2XX device types by the chip's bcdDevice release number.
uint32_t deviceTypeForRelease(uint32_t release)
{
    switch (release >> 8) {
    case 0x04: return 0;  // FT232B/FT245B
    case 0x05: return 4;  // FT2232C
    case 0x06: return 5;  // FT232R/FT245R
    case 0x07: return 6;  // FT2232H
    case 0x08: return 7;  // FT4232H
    case 0x09: return 8;  // FT232H
    case 0x10: return 9;  // FT-X series
    default: return 3;    // unknown
    }
}

std::string readAttribute(const fs::path &directory, const char *name)
{
    std::ifstream file(directory / name);
    std::string value;
    std::getline(file, value);
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r' || value.back() == ' '))
        value.pop_back();
    return value;
}

bool readHex(const fs::path &directory, const char *name, uint32_t *value)
{
    const std::string text = readAttribute(directory, name);
    if (text.empty())
        return false;
    char *end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0')
        return false;
    *value = uint32_t(parsed);
    return true;
}

uint32_t readDecimal(const fs::path &directory, const char *name)
{
    return uint32_t(std::strtoul(readAttribute(directory, name).c_str(), nullptr, 10));
}

// The N of "ttyUSB<N>", or -1.
int32_t ttyUsbNumber(const std::string &name)
{
    static const std::string prefix = "ttyUSB";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return -1;
    int32_t number = 0;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || number >= TtyUsbSource::ComPortLimit)
            return -1;
        number = number * 10 + (name[i] - '0');
    }
    return number < TtyUsbSource::ComPortLimit ? number : -1;
}

// The tty's "device" link points at the usb-serial port below the USB
// interface; the USB device is the first directory above it with an idVendor.
fs::path usbDeviceOf(const fs::path &ttyDirectory, const fs::path &root)
{
    std::error_code error;
    fs::path directory = fs::canonical(ttyDirectory / "device", error);
    if (error)
        return {};
    const fs::path top = fs::canonical(root, error);
    if (error)
        return {};
    while (!directory.empty() && directory != top && directory != directory.root_path()) {
        if (fs::exists(directory / "idVendor", error))
            return directory;
        directory = directory.parent_path();
    }
    return {};
}

} // namespace

std::string TtyUsbSource::sysfsRoot()
{
    const char *root = std::getenv("TORVANA_SYSFS_ROOT");
    return root && *root ? root : "/sys";
}

std::vector<D2xxDeviceEntry> TtyUsbSource::devices()
{
    const fs::path root = sysfsRoot();
    std::vector<std::pair<int32_t, D2xxDeviceEntry>> found;
    std::error_code error;
    for (fs::directory_iterator it(root / "class" / "tty", error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const int32_t number = ttyUsbNumber(name);
        if (number < 0)
            continue;
        const fs::path usbDevice = usbDeviceOf(it->path(), root);
        uint32_t vendor = 0;
        uint32_t product = 0;
        if (usbDevice.empty() || !readHex(usbDevice, "idVendor", &vendor) || vendor != FtdiVendor
            || !readHex(usbDevice, "idProduct", &product))
            continue;
        D2xxDeviceEntry entry;
        entry.id = vendor << 16 | product;
        uint32_t release = 0;
        entry.type = readHex(usbDevice, "bcdDevice", &release) ? deviceTypeForRelease(release) : 3;
        entry.locationId = readDecimal(usbDevice, "busnum") << 8 | (readDecimal(usbDevice, "devnum") & 0xFF);
        entry.serialNumber = readAttribute(usbDevice, "serial");
        entry.description = readAttribute(usbDevice, "product");
        entry.comPortNumber = number;
        entry.devicePath = "/dev/" + name;
        if (TtyPort::isLocked(entry.devicePath))
            entry.flags |= FT_FLAGS_OPENED;
        found.emplace_back(number, std::move(entry));
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<D2xxDeviceEntry> result;
    result.reserve(found.size());
    for (auto &item : found)
        result.push_back(std::move(item.second));
    return result;
}

D2xxPort *TtyUsbSource::open(const D2xxDeviceEntry &entry)
{
    return TtyPort::open(entry.devicePath);
}
