// A source of D2XX devices. The layer lists the devices of every registered
// source, in registration order, and routes the calls on a handle to the source
// that opened it. Plain C++, no Qt types.
#pragma once

#include "ftd2xx.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct D2xxDeviceEntry
{
    uint32_t flags = 0;
    uint32_t type = 0;
    uint32_t id = 0;
    uint32_t locationId = 0;
    std::string serialNumber;   // at most 15 characters reach the list node
    std::string description;    // at most 63 characters reach the list node
    int32_t comPortNumber = -1; // -1: no COM port
    std::string devicePath;     // operating system path of the port, empty if none
};

// One opened device. Every call returns an FT_* status.
class D2xxPort
{
public:
    virtual ~D2xxPort() = default;
    virtual FT_STATUS setBaudRate(uint32_t rate) = 0;
    virtual FT_STATUS setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity) = 0;
    virtual FT_STATUS setTimeouts(uint32_t readMs, uint32_t writeMs) = 0;
    virtual FT_STATUS queueStatus(uint32_t *bytesWaiting) = 0;
    virtual FT_STATUS read(void *buffer, uint32_t count, uint32_t *bytesRead) = 0;
    virtual FT_STATUS write(const void *data, uint32_t count, uint32_t *bytesWritten) = 0;
    virtual FT_STATUS purge(uint32_t mask) = 0;
    virtual FT_STATUS driverVersion(uint32_t *version) = 0;
    // FT_OK while the device is still there. The layer asks before it answers
    // FT_GetComPortNumber from the device entry.
    virtual FT_STATUS attachedStatus() { return FT_OK; }
    // Called once by FT_Close before the port is deleted.
    virtual void close() = 0;
};

class D2xxSource
{
public:
    virtual ~D2xxSource() = default;
    // The devices attached now, in list order.
    virtual std::vector<D2xxDeviceEntry> devices() = 0;
    // Opens a device listed by devices(); null when it cannot be opened.
    virtual D2xxPort *open(const D2xxDeviceEntry &entry) = 0;
    // Told the name of every FT_* call routed to this source ("FT_OpenEx",
    // "FT_Write", ...), just before the call is carried out.
    virtual void noteCall(const char *function) { (void)function; }
};

namespace D2xx {

// What FT_GetDriverVersion reports for this layer: 1.0.0.
constexpr uint32_t LayerVersion = 0x00010000;

// Registers a source after the system sources (ttyUSB devices, then the paths in
// TORVANA_SERIAL_PORTS). The source is not owned; pass null to remove it again.
// Handles still open on a replaced source are closed.
void setTestSource(D2xxSource *source);

// Tests that must not see real devices switch the system sources off.
void setSystemSourcesEnabled(bool enabled);

// Restricts the system sources to one device path (the command-line program's
// --port): a ttyUSB converter at that path (also through a symbolic link) keeps
// its entry; otherwise the path is listed as the only TORVANA_SERIAL_PORTS
// entry, and the variable itself is not read. An empty path lifts the restriction.
void restrictToPath(const std::string &path);

// The devices of every source as listed now, in list order; what discovery sees.
std::vector<D2xxDeviceEntry> listedDevices();

// The operating system's device path of the port that the library reports under
// this COM port number (e.g. "/dev/ttyUSB0"), or an empty string.
std::string devicePathForComPort(int32_t comPortNumber);

// Closes every handle opened through this source and unregisters it if it is
// the test source. A source calls it from its destructor so that no handle
// outlives it; later calls on such a handle return FT_INVALID_HANDLE.
void releaseSource(D2xxSource *source);

// Number of FT_* calls made so far in this process, failed ones included. Lets a
// test prove that an operation made no D2XX call at all.
uint64_t callCount();

} // namespace D2xx
