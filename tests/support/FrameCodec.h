// Test-side encoding and decoding of the 64-byte frames, restated here rather
// than taken from the production headers so that a change there is caught.
#pragma once

#include <QByteArray>
#include <QPair>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace TestFrame {

inline uint32_t crc32(const uint8_t *data, size_t length)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        c ^= data[i];
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
    }
    return c ^ 0xFFFFFFFFu;
}

inline void put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

inline void put32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

inline uint16_t get16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }

inline uint32_t get32(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline std::vector<uint8_t> join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A 50-byte data field starting with the given little-endian 16-bit words.
inline std::vector<uint8_t> words(std::initializer_list<uint16_t> values)
{
    std::vector<uint8_t> data(50, 0);
    size_t at = 0;
    for (uint16_t v : values)
        put16(data.data() + 2 * at++, v);
    return data;
}

// Frame with start mark at 0, CRC at 4, type at 8, status at 9, data 10..59, end mark at 60.
inline std::vector<uint8_t> make(uint8_t type, uint8_t status, const std::vector<uint8_t> &data = {})
{
    std::vector<uint8_t> f(64, 0);
    put32(f.data(), 0xDEADBEEFu);
    f[8] = type;
    f[9] = status;
    for (size_t i = 0; i < data.size() && i < 50; ++i)
        f[10 + i] = data[i];
    put32(f.data() + 60, 0xCAFEBABEu);
    put32(f.data() + 4, crc32(f.data() + 10, 50));
    return f;
}

inline std::vector<uint8_t> makePairs(uint8_t type, uint8_t status, const QVector<QPair<uint16_t, uint16_t>> &pairs,
                                      int count = -1)
{
    std::vector<uint8_t> data(50, 0);
    put16(data.data(), uint16_t(count < 0 ? pairs.size() : count));
    for (int k = 0; k < pairs.size() && k < 12; ++k) {
        put16(data.data() + 2 + 4 * k, pairs[k].first);
        put16(data.data() + 4 + 4 * k, pairs[k].second);
    }
    return make(type, status, data);
}

inline std::vector<uint8_t> makeDeviceInfo(uint16_t type, uint16_t serial, const QByteArray &firmware)
{
    std::vector<uint8_t> data(50, 0);
    put16(data.data(), type);
    put16(data.data() + 2, serial);
    for (int i = 0; i < firmware.size() && i < 46; ++i)
        data[4 + size_t(i)] = uint8_t(firmware[i]);
    return make(10, 0, data);
}

// Data bytes below 0xA0 never form a mark, so such a frame is found only where it is.
inline std::vector<uint8_t> makePlain(uint8_t type, uint8_t seed)
{
    std::vector<uint8_t> data(50);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t((seed + i * 7) % 0xA0);
    return make(type, 0, data);
}

// The pairs in frames of the given sizes, as a request split over frames is expected;
// nothing when the sizes do not add up to the pairs.
inline std::vector<uint8_t> makeSplit(uint8_t type, const QVector<QPair<uint16_t, uint16_t>> &pairs,
                                      std::initializer_list<int> sizes)
{
    std::vector<uint8_t> frames;
    int next = 0;
    for (int size : sizes) {
        frames = join({frames, makePairs(type, 0, pairs.mid(next, size))});
        next += size;
    }
    return next == pairs.size() ? frames : std::vector<uint8_t>{};
}

// Cuts frames out of a byte stream the way the receiving side must: the first position
// with both marks is taken, a frame with a wrong CRC is dropped whole, and without a
// frame only the last 64 bytes are kept.
struct Receiver
{
    std::vector<uint8_t> buffer;
    std::vector<uint8_t> last; // the last frame with a valid CRC

    bool receive(const std::vector<uint8_t> &incoming)
    {
        buffer = join({buffer, incoming});
        for (size_t p = 0; p + 64 <= buffer.size(); ++p) {
            const uint8_t *c = buffer.data() + p;
            if (get32(c) != 0xDEADBEEFu || get32(c + 60) != 0xCAFEBABEu)
                continue;
            const bool valid = get32(c + 4) == crc32(c + 10, 50);
            if (valid)
                last.assign(c, c + 64);
            buffer.erase(buffer.begin(), buffer.begin() + long(p + 64));
            return valid;
        }
        if (buffer.size() > 64)
            buffer.erase(buffer.begin(), buffer.end() - 64);
        return false;
    }
};

struct Decoded
{
    uint8_t type = 0;
    uint8_t status = 0;
    bool crcValid = false;
    QVector<QPair<uint16_t, uint16_t>> pairs; // layout A, count entries (at most 12)
    std::vector<uint8_t> data;
};

// Splits a byte stream written by the program into frames (it writes whole frames back to back).
inline QVector<Decoded> decodeAll(const std::vector<uint8_t> &bytes)
{
    QVector<Decoded> frames;
    for (size_t p = 0; p + 64 <= bytes.size(); p += 64) {
        const uint8_t *f = bytes.data() + p;
        Decoded d;
        d.type = f[8];
        d.status = f[9];
        d.crcValid = get32(f) == 0xDEADBEEFu && get32(f + 60) == 0xCAFEBABEu && get32(f + 4) == crc32(f + 10, 50);
        d.data.assign(f + 10, f + 60);
        const uint16_t count = get16(f + 10);
        for (uint16_t k = 0; k < count && k < 12; ++k)
            d.pairs.append({get16(f + 12 + 4 * k), get16(f + 14 + 4 * k)});
        frames.append(d);
    }
    return frames;
}

// "type number=value,..." for the parameter-list types, the type alone for the others.
inline QString describe(const Decoded &frame)
{
    static const QVector<int> listTypes = {5, 6, 7, 8, 13, 14, 15, 16, 17, 22};
    QStringList pairs;
    for (const auto &p : frame.pairs)
        pairs << QString("%1=%2").arg(p.first).arg(p.second);
    return listTypes.contains(frame.type) ? QString("%1 %2").arg(frame.type).arg(pairs.join(',')).trimmed()
                                          : QString::number(frame.type);
}

} // namespace TestFrame
