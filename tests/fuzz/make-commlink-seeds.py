#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_commlink into corpus/fuzz_commlink.

Each input is two header bytes (bytes per driver read, 0 for all; driver faults: bit 0
over-reporting reads, bit 1 failing reads) followed by the byte stream the inverter sends:
64-byte frames (0xDEADBEEF, CRC-32 of the data field, type, status, 50 data bytes,
0xCAFEBABE), alone, in sequences and among garbage."""
import os
import struct
import zlib

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, "corpus", "fuzz_commlink")


def frame(type_, status=0, data=b""):
    data = data.ljust(50, b"\0")[:50]
    return struct.pack("<II", 0xDEADBEEF, zlib.crc32(data)) + bytes([type_, status]) + data + struct.pack("<I", 0xCAFEBABE)


def pairs(type_, entries, status=0, count=None):
    data = struct.pack("<H", len(entries) if count is None else count)
    for number, value in entries:
        data += struct.pack("<HH", number, value)
    return frame(type_, status, data)


def device_info(inverter, serial, firmware):
    return frame(10, 0, struct.pack("<HH", inverter, serial) + firmware)


def corrupt(f):
    return f[:20] + bytes([f[20] ^ 0x40]) + f[21:]


current_set = list(range(1, 30))  # a current parameter set in three frames: 12, 12, 5 pairs
seeds = {
    "parameter-response": (0, 0, pairs(7, [(27, 0x0008), (1, 400), (13, 398)])),
    "current-set-in-chunks-of-5": (5, 0, b"".join(
        pairs(5, [(n, n * 10) for n in current_set[i:i + 12]]) for i in range(0, len(current_set), 12))),
    "device-info": (0, 0, device_info(0x1211, 4711, b"  v2.1.0")),
    "device-info-46-bytes": (0, 0, device_info(0x1210, 1, b"V" * 46)),
    "motor-set-and-store-answers": (17, 0, pairs(14, [(41, 100), (42, 1000), (90, 0x8002)])
                                    + pairs(16, [(41, 0), (42, 4), (20, 0)])
                                    + pairs(16, [(41, 0)], status=0x20)
                                    + frame(18, 0) + frame(19, 2) + frame(20, 0)),
    "states-with-count-above-12": (0, 0, pairs(22, [(n, n % 5) for n in range(60, 72)], count=25)),
    "garbage-partial-and-bad-crc": (7, 2, bytes(range(0x10, 0x9F)) + frame(7)[30:]
                                    + corrupt(pairs(22, [(42, 4)])) + pairs(22, [(44, 0), (46, 1)])),
    "over-reporting-driver": (64, 1, pairs(7, [(8, 0x8006)]) + b"\xef\xbe\xad\xde" + pairs(5, [(96, 2)])),
    "unknown-types": (0, 0, frame(0) + frame(21) + frame(255, 0xFF, b"\xff" * 50) + pairs(7, [])),
}

os.makedirs(out, exist_ok=True)
for name, (chunk, faults, stream) in seeds.items():
    with open(os.path.join(out, name), "wb") as f:
        f.write(bytes([chunk, faults]) + stream)
