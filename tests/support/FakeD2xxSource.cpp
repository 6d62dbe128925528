#include "FakeD2xxSource.h"

#include <algorithm>

// Routes the calls on one open handle to the scripted device. The layer deletes
// it after close(); the source outlives it because its destructor releases every
// handle first.
class FakeD2xxSource::Port : public D2xxPort
{
public:
    Port(FakeD2xxSource &source, int index) : m_source(source), m_index(index) {}

    FT_STATUS setBaudRate(uint32_t rate) override
    {
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        d->baudRate = rate;
        return FT_OK;
    }

    FT_STATUS setDataCharacteristics(uint8_t wordLength, uint8_t stopBits, uint8_t parity) override
    {
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        d->wordLength = wordLength;
        d->stopBits = stopBits;
        d->parity = parity;
        return FT_OK;
    }

    FT_STATUS setTimeouts(uint32_t readMs, uint32_t writeMs) override
    {
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        d->readTimeout = readMs;
        d->writeTimeout = writeMs;
        return FT_OK;
    }

    FT_STATUS queueStatus(uint32_t *bytesWaiting) override
    {
        *bytesWaiting = 0;
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        *bytesWaiting = uint32_t(d->rxQueue.size());
        return FT_OK;
    }

    FT_STATUS read(void *buffer, uint32_t count, uint32_t *bytesRead) override
    {
        *bytesRead = 0;
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        const size_t n = std::min<size_t>(count, d->rxQueue.size());
        std::copy_n(d->rxQueue.begin(), n, static_cast<uint8_t *>(buffer));
        d->rxQueue.erase(d->rxQueue.begin(), d->rxQueue.begin() + std::ptrdiff_t(n));
        *bytesRead = uint32_t(n);
        return FT_OK;
    }

    FT_STATUS write(const void *data, uint32_t count, uint32_t *bytesWritten) override
    {
        *bytesWritten = 0;
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        uint32_t n = count;
        if (!d->writeChunks.empty()) {
            n = std::min(count, d->writeChunks.front());
            d->writeChunks.pop_front();
        }
        const auto *bytes = static_cast<const uint8_t *>(data);
        d->written.insert(d->written.end(), bytes, bytes + n);
        *bytesWritten = n;
        return FT_OK;
    }

    FT_STATUS purge(uint32_t mask) override
    {
        Device *d = usable();
        if (!d)
            return FT_IO_ERROR;
        ++d->purges;
        d->purgeMask = mask;
        if (mask & FT_PURGE_RX)
            d->rxQueue.clear();
        return FT_OK;
    }

    FT_STATUS driverVersion(uint32_t *version) override
    {
        *version = 0;
        if (!usable())
            return FT_IO_ERROR;
        *version = D2xx::LayerVersion;
        return FT_OK;
    }

    FT_STATUS attachedStatus() override { return usable() ? FT_OK : FT_IO_ERROR; }

    void close() override { m_source.device(m_index).open = false; }

private:
    Device *usable()
    {
        Device &d = m_source.device(m_index);
        return d.unplugged || d.removed ? nullptr : &d;
    }

    FakeD2xxSource &m_source;
    int m_index = -1;
};

FakeD2xxSource::FakeD2xxSource() = default;

FakeD2xxSource::~FakeD2xxSource()
{
    D2xx::releaseSource(this);
}

int FakeD2xxSource::addDevice(const std::string &serialNumber, const std::string &description, uint32_t id,
                              int32_t comPortNumber)
{
    auto device = std::make_unique<Device>();
    device->entry.serialNumber = serialNumber;
    device->entry.description = description;
    device->entry.id = id;
    device->entry.type = 5; // FT232R
    device->entry.locationId = uint32_t(m_devices.size() + 1);
    device->entry.comPortNumber = comPortNumber;
    m_devices.push_back(std::move(device));
    return int(m_devices.size()) - 1;
}

void FakeD2xxSource::removeDevice(int index)
{
    device(index).removed = true;
}

FakeD2xxSource::Device &FakeD2xxSource::device(int index)
{
    return *m_devices.at(size_t(index));
}

int FakeD2xxSource::deviceCount() const
{
    return int(m_devices.size());
}

void FakeD2xxSource::feedReceived(int index, const void *data, size_t size)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    device(index).rxQueue.insert(device(index).rxQueue.end(), bytes, bytes + size);
}

void FakeD2xxSource::feedReceived(int index, const std::vector<uint8_t> &bytes)
{
    feedReceived(index, bytes.data(), bytes.size());
}

std::vector<uint8_t> FakeD2xxSource::takeWritten(int index)
{
    std::vector<uint8_t> bytes;
    bytes.swap(device(index).written);
    return bytes;
}

std::vector<D2xxDeviceEntry> FakeD2xxSource::devices()
{
    std::vector<D2xxDeviceEntry> result;
    for (const auto &device : m_devices) {
        if (!device->removed)
            result.push_back(device->entry);
    }
    return result;
}

D2xxPort *FakeD2xxSource::open(const D2xxDeviceEntry &entry)
{
    for (size_t i = 0; i < m_devices.size(); ++i) {
        Device &d = *m_devices[i];
        if (d.removed || d.entry.serialNumber != entry.serialNumber || d.entry.devicePath != entry.devicePath)
            continue;
        if (d.openFails || d.unplugged || d.open)
            return nullptr;
        d.open = true;
        ++d.opens;
        return new Port(*this, int(i));
    }
    return nullptr;
}

void FakeD2xxSource::noteCall(const char *function)
{
    m_calls.emplace_back(function);
}
