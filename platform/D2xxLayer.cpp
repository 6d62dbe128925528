// The D2XX calls of the USB transport (ftd2xx.h) for systems without the
// vendor's library.
//
// Devices come from sources, listed in this order:
//  1. FTDI converters (USB vendor 0x0403) that the kernel exposes as
//     /dev/ttyUSB<N>, found in sysfs (TtyUsbSource; TORVANA_SYSFS_ROOT moves the
//     sysfs root for tests). Serial number and description are the USB device's
//     "serial" and "product", the ID is vendor << 16 | product, the COM port
//     number is N.
//  2. Every path in TORVANA_SERIAL_PORTS, ':'-separated (SerialPortListSource),
//     e.g. the pseudo-terminal of the inverter simulator. Serial numbers are
//     derived from the path, COM port numbers start at 1000.
//  3. The test source registered with D2xx::setTestSource.
// Tests switch the first two off with D2xx::setSystemSourcesEnabled(false);
// D2xx::restrictToPath narrows them to one path.
//
// FT_CreateDeviceInfoList takes a snapshot of that list; FT_GetDeviceInfoList
// and FT_Open (by index) work on the snapshot, FT_OpenEx looks at the devices
// attached now. A handle points to an object of this layer that routes every
// call to the port its source opened; a device is open at most once in the
// process. Tty ports are raw and never block on reading; writing waits at most
// the write time-out, and a line that hung up fails with FT_IO_ERROR. A tty is
// held exclusively while open: another process cannot open it, and the list
// flags it FT_FLAGS_OPENED meanwhile, as the vendor's library does.
#include "D2xxSource.h"
#include "SerialPortListSource.h"
#include "TtyUsbSource.h"
#include "ftd2xx.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>

namespace {

struct ListedDevice
{
    D2xxSource *source = nullptr; // null once the source is gone
    D2xxDeviceEntry entry;
};

// What an FT_HANDLE points to.
struct OpenDevice
{
    D2xxSource *source = nullptr;
    D2xxPort *port = nullptr;
    D2xxDeviceEntry entry;
};

// Two names of one device: equal, or resolving to the same file.
bool samePath(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}

constexpr size_t SerialNumberLength = 15;
constexpr size_t DescriptionLength = 63;

struct Layer
{
    std::mutex mutex;
    TtyUsbSource ttyUsb;
    SerialPortListSource serialPorts;
    D2xxSource *testSource = nullptr;
    bool systemSourcesEnabled = true;
    std::string restriction; // empty: every system device
    std::vector<ListedDevice> snapshot;
    std::vector<std::unique_ptr<OpenDevice>> handles;

    std::vector<ListedDevice> listDevices()
    {
        std::vector<ListedDevice> result;
        auto append = [&result](D2xxSource *source) {
            for (D2xxDeviceEntry &entry : source->devices())
                result.push_back({source, std::move(entry)});
        };
        if (systemSourcesEnabled && restriction.empty()) {
            append(&ttyUsb);
            append(&serialPorts);
        } else if (systemSourcesEnabled) {
            for (D2xxDeviceEntry &entry : ttyUsb.devices()) {
                if (samePath(entry.devicePath, restriction))
                    result.push_back({&ttyUsb, std::move(entry)});
            }
            // serialPorts then lists just the restricting path.
            if (result.empty())
                append(&serialPorts);
        }
        if (testSource)
            append(testSource);
        return result;
    }

    OpenDevice *find(FT_HANDLE handle)
    {
        for (const auto &open : handles) {
            if (open.get() == handle)
                return open.get();
        }
        return nullptr;
    }

    // The same port may be listed twice (a ttyUSB path in TORVANA_SERIAL_PORTS);
    // the device path identifies it, the serial number where there is no path.
    OpenDevice *findOpen(const ListedDevice &device)
    {
        for (const auto &open : handles) {
            const bool same = !open->entry.devicePath.empty() || !device.entry.devicePath.empty()
                                  ? open->entry.devicePath == device.entry.devicePath
                                  : open->source == device.source
                                        && open->entry.serialNumber == device.entry.serialNumber;
            if (same)
                return open.get();
        }
        return nullptr;
    }

    FT_STATUS open(const ListedDevice &device, const char *function, FT_HANDLE *handle)
    {
        if (!device.source)
            return FT_DEVICE_NOT_FOUND;
        device.source->noteCall(function);
        if (findOpen(device))
            return FT_DEVICE_NOT_OPENED;
        D2xxPort *port = device.source->open(device.entry);
        if (!port)
            return FT_DEVICE_NOT_OPENED;
        handles.push_back(std::make_unique<OpenDevice>(OpenDevice{device.source, port, device.entry}));
        *handle = handles.back().get();
        return FT_OK;
    }

    void close(OpenDevice *open)
    {
        open->port->close();
        delete open->port;
        handles.erase(std::find_if(handles.begin(), handles.end(),
                                   [open](const auto &candidate) { return candidate.get() == open; }));
    }

    void release(D2xxSource *source)
    {
        for (size_t i = handles.size(); i-- > 0;) {
            if (handles[i]->source == source)
                close(handles[i].get());
        }
        for (ListedDevice &device : snapshot) {
            if (device.source == source)
                device.source = nullptr;
        }
    }
};

// Never destroyed: sources may release themselves from static destructors.
Layer &layer()
{
    static Layer *instance = new Layer;
    return *instance;
}

std::atomic<uint64_t> calls{0};

// Runs one call on an open handle under the layer's lock.
template <typename Call>
FT_STATUS route(FT_HANDLE handle, const char *function, Call call)
{
    ++calls;
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    OpenDevice *open = l.find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    open->source->noteCall(function);
    return call(*open);
}

void copyText(char *destination, size_t length, const std::string &text)
{
    const size_t n = std::min(length, text.size());
    std::memcpy(destination, text.data(), n);
    destination[n] = '\0';
}

bool matchesTruncated(const std::string &text, size_t length, const char *wanted)
{
    return text.compare(0, length, wanted) == 0 && std::strlen(wanted) == std::min(length, text.size());
}

} // namespace

namespace D2xx {

void setTestSource(D2xxSource *source)
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    if (l.testSource && l.testSource != source)
        l.release(l.testSource);
    l.testSource = source;
}

void setSystemSourcesEnabled(bool enabled)
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    l.systemSourcesEnabled = enabled;
}

void restrictToPath(const std::string &path)
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    l.restriction = path;
    if (path.empty())
        l.serialPorts.setPaths(std::nullopt);
    else
        l.serialPorts.setPaths(std::vector<std::string>{path});
}

std::vector<D2xxDeviceEntry> listedDevices()
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    std::vector<D2xxDeviceEntry> entries;
    for (ListedDevice &device : l.listDevices())
        entries.push_back(std::move(device.entry));
    return entries;
}

std::string devicePathForComPort(int32_t comPortNumber)
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    for (const ListedDevice &device : l.listDevices()) {
        if (device.entry.comPortNumber == comPortNumber)
            return device.entry.devicePath;
    }
    // A converter that sysfs does not show at this moment keeps its name.
    if (l.systemSourcesEnabled && comPortNumber >= 0 && comPortNumber < TtyUsbSource::ComPortLimit)
        return "/dev/ttyUSB" + std::to_string(comPortNumber);
    return {};
}

void releaseSource(D2xxSource *source)
{
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    l.release(source);
    if (l.testSource == source)
        l.testSource = nullptr;
}

uint64_t callCount()
{
    return calls;
}

} // namespace D2xx

extern "C" {

FT_STATUS FT_CreateDeviceInfoList(LPDWORD lpdwNumDevs)
{
    ++calls;
    if (!lpdwNumDevs)
        return FT_INVALID_PARAMETER;
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    l.snapshot = l.listDevices();
    *lpdwNumDevs = DWORD(l.snapshot.size());
    return FT_OK;
}

FT_STATUS FT_GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE *pDest, LPDWORD lpdwNumDevs)
{
    ++calls;
    if (!pDest || !lpdwNumDevs)
        return FT_INVALID_PARAMETER;
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    for (size_t i = 0; i < l.snapshot.size(); ++i) {
        const ListedDevice &device = l.snapshot[i];
        FT_DEVICE_LIST_INFO_NODE &node = pDest[i];
        std::memset(&node, 0, sizeof node);
        const OpenDevice *open = device.source ? l.findOpen(device) : nullptr;
        node.Flags = device.entry.flags | (open ? FT_FLAGS_OPENED : 0);
        node.Type = device.entry.type;
        node.ID = device.entry.id;
        node.LocId = device.entry.locationId;
        copyText(node.SerialNumber, SerialNumberLength, device.entry.serialNumber);
        copyText(node.Description, DescriptionLength, device.entry.description);
        node.ftHandle = const_cast<OpenDevice *>(open);
    }
    *lpdwNumDevs = DWORD(l.snapshot.size());
    return FT_OK;
}

FT_STATUS FT_OpenEx(LPVOID pArg1, DWORD Flags, FT_HANDLE *pHandle)
{
    ++calls;
    if (!pHandle || !pArg1)
        return FT_INVALID_PARAMETER;
    *pHandle = nullptr;
    if (Flags != FT_OPEN_BY_SERIAL_NUMBER && Flags != FT_OPEN_BY_DESCRIPTION)
        return FT_INVALID_PARAMETER;
    const char *wanted = static_cast<const char *>(pArg1);
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    // Callers pass what the list node held, so compare with the truncated texts.
    for (const ListedDevice &device : l.listDevices()) {
        const bool match = Flags == FT_OPEN_BY_SERIAL_NUMBER
                               ? matchesTruncated(device.entry.serialNumber, SerialNumberLength, wanted)
                               : matchesTruncated(device.entry.description, DescriptionLength, wanted);
        if (match)
            return l.open(device, "FT_OpenEx", pHandle);
    }
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS FT_Open(int deviceNumber, FT_HANDLE *pHandle)
{
    ++calls;
    if (!pHandle)
        return FT_INVALID_PARAMETER;
    *pHandle = nullptr;
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    if (deviceNumber < 0 || size_t(deviceNumber) >= l.snapshot.size())
        return FT_DEVICE_NOT_FOUND;
    // A copy: opening must not depend on the snapshot staying as it is.
    const ListedDevice device = l.snapshot[size_t(deviceNumber)];
    return l.open(device, "FT_Open", pHandle);
}

FT_STATUS FT_GetComPortNumber(FT_HANDLE ftHandle, LPLONG lpdwComPortNumber)
{
    return route(ftHandle, "FT_GetComPortNumber", [&](OpenDevice &open) -> FT_STATUS {
        if (!lpdwComPortNumber)
            return FT_INVALID_PARAMETER;
        *lpdwComPortNumber = -1;
        const FT_STATUS status = open.port->attachedStatus();
        if (status == FT_OK)
            *lpdwComPortNumber = open.entry.comPortNumber;
        return status;
    });
}

FT_STATUS FT_SetBaudRate(FT_HANDLE ftHandle, ULONG BaudRate)
{
    return route(ftHandle, "FT_SetBaudRate", [&](OpenDevice &open) { return open.port->setBaudRate(BaudRate); });
}

FT_STATUS FT_SetDataCharacteristics(FT_HANDLE ftHandle, UCHAR WordLength, UCHAR StopBits, UCHAR Parity)
{
    return route(ftHandle, "FT_SetDataCharacteristics", [&](OpenDevice &open) {
        return open.port->setDataCharacteristics(WordLength, StopBits, Parity);
    });
}

FT_STATUS FT_GetDriverVersion(FT_HANDLE ftHandle, LPDWORD lpdwVersion)
{
    return route(ftHandle, "FT_GetDriverVersion", [&](OpenDevice &open) -> FT_STATUS {
        if (!lpdwVersion)
            return FT_INVALID_PARAMETER;
        return open.port->driverVersion(lpdwVersion);
    });
}

FT_STATUS FT_SetTimeouts(FT_HANDLE ftHandle, ULONG ReadTimeout, ULONG WriteTimeout)
{
    return route(ftHandle, "FT_SetTimeouts",
                 [&](OpenDevice &open) { return open.port->setTimeouts(ReadTimeout, WriteTimeout); });
}

FT_STATUS FT_GetQueueStatus(FT_HANDLE ftHandle, DWORD *dwRxBytes)
{
    return route(ftHandle, "FT_GetQueueStatus", [&](OpenDevice &open) -> FT_STATUS {
        if (!dwRxBytes)
            return FT_INVALID_PARAMETER;
        return open.port->queueStatus(dwRxBytes);
    });
}

FT_STATUS FT_Read(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD dwBytesToRead, LPDWORD lpBytesReturned)
{
    return route(ftHandle, "FT_Read", [&](OpenDevice &open) -> FT_STATUS {
        if (!lpBytesReturned || (!lpBuffer && dwBytesToRead > 0))
            return FT_INVALID_PARAMETER;
        return open.port->read(lpBuffer, dwBytesToRead, lpBytesReturned);
    });
}

FT_STATUS FT_Write(FT_HANDLE ftHandle, LPVOID lpBuffer, DWORD dwBytesToWrite, LPDWORD lpBytesWritten)
{
    return route(ftHandle, "FT_Write", [&](OpenDevice &open) -> FT_STATUS {
        if (!lpBytesWritten || (!lpBuffer && dwBytesToWrite > 0))
            return FT_INVALID_PARAMETER;
        return open.port->write(lpBuffer, dwBytesToWrite, lpBytesWritten);
    });
}

FT_STATUS FT_Purge(FT_HANDLE ftHandle, ULONG Mask)
{
    return route(ftHandle, "FT_Purge", [&](OpenDevice &open) { return open.port->purge(Mask); });
}

FT_STATUS FT_Close(FT_HANDLE ftHandle)
{
    ++calls;
    Layer &l = layer();
    std::lock_guard<std::mutex> lock(l.mutex);
    OpenDevice *open = l.find(ftHandle);
    if (!open)
        return FT_INVALID_HANDLE;
    open->source->noteCall("FT_Close");
    // Closing always releases the handle, also on a device that is gone.
    l.close(open);
    return FT_OK;
}

} // extern "C"
