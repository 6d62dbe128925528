// In-memory byte stream behind the plain CommDriver interface, for tests and benchmarks of the
// framing layer: fed bytes are read out, optionally in scripted portions; writes are collected.
// Reading never allocates, so it can run inside allocation-counting tests.
#pragma once

#include "CommDriver.h"

#include <algorithm>
#include <utility>
#include <vector>

class ByteStreamDriver
{
public:
    ByteStreamDriver() = default;
    ByteStreamDriver(const ByteStreamDriver &) = delete;
    ByteStreamDriver &operator=(const ByteStreamDriver &) = delete;

    CommDriver *driver() { return &m_driver; }
    void feed(const uint8_t *data, size_t size) { m_pending.insert(m_pending.end(), data, data + size); }
    void feed(const std::vector<uint8_t> &bytes) { feed(bytes.data(), bytes.size()); }
    // Replaces the pending stream and starts reading it from the beginning.
    void reset(const std::vector<uint8_t> &bytes) { m_pending = bytes; m_readPos = 0; }
    void rewind() { m_readPos = 0; }
    size_t pendingBytes() const { return m_pending.size() - m_readPos; }
    // Each read hands out at most this many bytes (the bytes "already received").
    void setChunkLimit(uint32_t limit) { m_chunkLimit = limit; }
    // One entry per coming read: >= 0 limits the bytes handed out, < 0 is returned as the result.
    void setReadScript(std::vector<int32_t> script) { m_script = std::move(script); m_scriptPos = 0; }
    // Every read reports this many more bytes than it placed, as a misbehaving driver would.
    void setOverReport(int32_t extra) { m_overReport = extra; }

    const std::vector<uint8_t> &written() const { return m_written; }
    // The maximum given to the last read since the previous call; 0 when there was no read.
    uint32_t takeLastMaximum() { return std::exchange(m_lastMaximum, 0); }

private:
    static int32_t writeThunk(const uint8_t *data, uint32_t length, void *context)
    {
        auto *self = static_cast<ByteStreamDriver *>(context);
        self->m_written.insert(self->m_written.end(), data, data + length);
        return int32_t(length);
    }

    static int32_t readThunk(uint8_t *buffer, uint32_t maximum, void *context)
    {
        auto *self = static_cast<ByteStreamDriver *>(context);
        self->m_lastMaximum = maximum;
        uint32_t limit = self->m_chunkLimit;
        if (self->m_scriptPos < self->m_script.size()) {
            const int32_t step = self->m_script[self->m_scriptPos++];
            if (step < 0)
                return step;
            limit = uint32_t(step);
        }
        const size_t n = std::min<size_t>({size_t(maximum), size_t(limit), self->pendingBytes()});
        std::copy_n(self->m_pending.begin() + long(self->m_readPos), n, buffer);
        self->m_readPos += n;
        return int32_t(n) + (n > 0 ? self->m_overReport : 0);
    }

    CommDriver m_driver{this, &ByteStreamDriver::writeThunk, &ByteStreamDriver::readThunk};
    std::vector<uint8_t> m_pending;
    size_t m_readPos = 0;
    std::vector<uint8_t> m_written;
    uint32_t m_chunkLimit = UINT32_MAX;
    std::vector<int32_t> m_script;
    size_t m_scriptPos = 0;
    int32_t m_overReport = 0;
    uint32_t m_lastMaximum = 0;
};
