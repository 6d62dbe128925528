// In-process D2XX device source for tests: scripted device list, open failures,
// partial and timed-out writes, queued receive bytes and unplugging.
#pragma once

#include "D2xxSource.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeD2xxSource : public D2xxSource
{
public:
    struct Device
    {
        D2xxDeviceEntry entry;
        bool openFails = false;
        bool unplugged = false;          // refused by open; every call on an open handle fails with
                                         // FT_IO_ERROR, except that FT_Close still releases it
        bool removed = false;            // no longer listed; set by removeDevice()
        std::deque<uint8_t> rxQueue;     // bytes waiting to be read
        std::vector<uint8_t> written;    // everything written so far
        std::deque<uint32_t> writeChunks; // per FT_Write call: at most this many bytes are taken; 0 = time-out
        bool open = false;
        uint32_t baudRate = 0;
        uint8_t wordLength = 0, stopBits = 0, parity = 0;
        uint32_t readTimeout = 0, writeTimeout = 0;
        int purges = 0;
        uint32_t purgeMask = 0;          // mask of the last FT_Purge
        int opens = 0;
    };

    FakeD2xxSource();
    ~FakeD2xxSource() override;

    // Returns the index of the new device in this source.
    int addDevice(const std::string &serialNumber, const std::string &description = "FT232R USB UART",
                  uint32_t id = 0x04036001, int32_t comPortNumber = -1);
    // Detaches the device: it is no longer listed, and an open handle on it fails
    // like an unplugged one. Indices of the other devices stay valid.
    void removeDevice(int index);
    Device &device(int index);
    // Devices added so far, removed ones included.
    int deviceCount() const;

    void feedReceived(int index, const void *data, size_t size);
    void feedReceived(int index, const std::vector<uint8_t> &bytes);
    std::vector<uint8_t> takeWritten(int index);

    // Every FT_* call routed to this source, by name ("FT_Write", ...), in order.
    const std::vector<std::string> &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    // D2xxSource
    std::vector<D2xxDeviceEntry> devices() override;
    D2xxPort *open(const D2xxDeviceEntry &entry) override;
    void noteCall(const char *function) override;

private:
    class Port;
    friend class Port;
    std::vector<std::unique_ptr<Device>> m_devices;
    std::vector<std::string> m_calls;
};
