// In-memory byte stream behind the plain CommDriver interface, for tests and
// benchmarks of the framing layer. Bytes fed in are handed out by the read
// function (optionally in scripted portions); everything written is collected.
// Reading never allocates, so it can run inside allocation-counting tests.
#pragma once

#include "CommDriver.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

class ByteStreamDriver
{
public:
    ByteStreamDriver()
    {
        m_driver.context = this;
        m_driver.write = &ByteStreamDriver::writeThunk;
        m_driver.read = &ByteStreamDriver::readThunk;
    }
    ByteStreamDriver(const ByteStreamDriver &) = delete;
    ByteStreamDriver &operator=(const ByteStreamDriver &) = delete;

    CommDriver *driver() { return &m_driver; }

    void feed(const uint8_t *data, size_t size) { m_pending.insert(m_pending.end(), data, data + size); }
    void feed(const std::vector<uint8_t> &bytes) { feed(bytes.data(), bytes.size()); }

    // Replaces the pending stream and starts reading it from the beginning.
    void reset(const std::vector<uint8_t> &bytes)
    {
        m_pending = bytes;
        m_readPos = 0;
    }
    void rewind() { m_readPos = 0; }

    size_t pendingBytes() const { return m_pending.size() - m_readPos; }

    // Each read call hands out at most this many bytes (the bytes "already received").
    void setChunkLimit(uint32_t limit) { m_chunkLimit = limit; }

    // Script for the next read calls, one entry per call: a value >= 0 limits the
    // bytes handed out; a negative value is returned as the result without
    // touching the buffer. Consumed front to back; afterwards setChunkLimit applies.
    void setReadScript(std::vector<int32_t> script)
    {
        m_script = std::move(script);
        m_scriptPos = 0;
    }

    // When set, every read reports this many more bytes than it placed, as a
    // misbehaving driver would.
    void setOverReport(int32_t extra) { m_overReport = extra; }

    const std::vector<uint8_t> &written() const { return m_written; }
    void clearWritten() { m_written.clear(); }

    int readCalls() const { return m_readCalls; }
    int writeCalls() const { return m_writeCalls; }
    // The largest maximum any read call was given, and the last one.
    uint32_t largestMaximum() const { return m_largestMaximum; }
    uint32_t lastMaximum() const { return m_lastMaximum; }
    void clearCounters()
    {
        m_readCalls = 0;
        m_writeCalls = 0;
        m_largestMaximum = 0;
        m_lastMaximum = 0;
    }

private:
    static int32_t writeThunk(const uint8_t *data, uint32_t length, void *context)
    {
        auto *self = static_cast<ByteStreamDriver *>(context);
        ++self->m_writeCalls;
        self->m_written.insert(self->m_written.end(), data, data + length);
        return int32_t(length);
    }

    static int32_t readThunk(uint8_t *buffer, uint32_t maximum, void *context)
    {
        auto *self = static_cast<ByteStreamDriver *>(context);
        ++self->m_readCalls;
        self->m_lastMaximum = maximum;
        self->m_largestMaximum = std::max(self->m_largestMaximum, maximum);

        uint32_t limit = self->m_chunkLimit;
        if (self->m_scriptPos < self->m_script.size()) {
            const int32_t step = self->m_script[self->m_scriptPos++];
            if (step < 0)
                return step;
            limit = uint32_t(step);
        }
        const size_t n = std::min<size_t>({size_t(maximum), size_t(limit), self->pendingBytes()});
        if (n > 0)
            std::memcpy(buffer, self->m_pending.data() + self->m_readPos, n);
        self->m_readPos += n;
        return int32_t(n) + (n > 0 ? self->m_overReport : 0);
    }

    CommDriver m_driver;
    std::vector<uint8_t> m_pending;
    size_t m_readPos = 0;
    std::vector<uint8_t> m_written;
    uint32_t m_chunkLimit = UINT32_MAX;
    std::vector<int32_t> m_script;
    size_t m_scriptPos = 0;
    int32_t m_overReport = 0;
    int m_readCalls = 0;
    int m_writeCalls = 0;
    uint32_t m_largestMaximum = 0;
    uint32_t m_lastMaximum = 0;
};
