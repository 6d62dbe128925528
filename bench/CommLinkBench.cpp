// Throughput of the frame layer: cutting frames out of a noisy byte stream and
// building frames. The link runs at 38400 baud (under 4 KB/s), so these figures
// show the headroom, not a requirement.
#include "ByteStreamDriver.h"
#include "CommLink.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// Valid frames with garbage between some of them and a damaged frame now and
// then; garbage never contains 0xEF, the first byte of a start mark.
std::vector<uint8_t> mixedStream(size_t frames, size_t *validFrames)
{
    std::mt19937 rng(1234);
    std::vector<uint8_t> stream;
    size_t valid = 0;
    uint8_t data[50];
    uint8_t frame[64];
    for (size_t i = 0; i < frames; ++i) {
        if (rng() % 4 == 0)
            for (uint32_t g = rng() % 100; g > 0; --g)
                stream.push_back(uint8_t(rng() % 0xE0));
        for (auto &b : data)
            b = uint8_t(rng());
        commBuildFrame(frame, uint8_t(5 + rng() % 18), 0, data);
        if (rng() % 16 == 0)
            frame[20] ^= 0x01;
        else
            ++valid;
        stream.insert(stream.end(), frame, frame + 64);
    }
    *validFrames = valid;
    return stream;
}

// Argument: bytes handed out per driver read (1 is the worst case for the
// search, 192 is about one 50 ms tick at 38400 baud).
void BM_CommLinkReceive(benchmark::State &state)
{
    size_t valid = 0;
    const std::vector<uint8_t> stream = mixedStream(20000, &valid);
    ByteStreamDriver driver;
    driver.reset(stream);
    driver.setChunkLimit(uint32_t(state.range(0)));
    CommLink link;

    size_t delivered = 0;
    for (auto _ : state) {
        driver.rewind();
        commLinkInit(&link, driver.driver());
        while (driver.pendingBytes() > 0) {
            while (commLinkReceive(&link))
                ++delivered;
        }
        while (link.fill >= 64 && commLinkReceive(&link))
            ++delivered;
        benchmark::DoNotOptimize(link.lastFrame);
    }
    if (delivered < valid * size_t(state.iterations()))
        state.SkipWithError("frames were lost");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
    state.counters["frames/s"] = benchmark::Counter(double(delivered), benchmark::Counter::kIsRate);
    state.counters["stream_bytes"] = double(stream.size());
}
BENCHMARK(BM_CommLinkReceive)->Arg(1)->Arg(64)->Arg(192)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_CommBuildFrame(benchmark::State &state)
{
    uint8_t data[50];
    for (int i = 0; i < 50; ++i)
        data[i] = uint8_t(i * 5);
    uint8_t frame[64];
    uint8_t type = 0;
    for (auto _ : state) {
        data[0] = type;
        commBuildFrame(frame, type++, 0, data);
        benchmark::DoNotOptimize(frame);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 64);
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CommBuildFrame);

} // namespace

BENCHMARK_MAIN();
