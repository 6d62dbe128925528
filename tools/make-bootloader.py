#!/usr/bin/env python3
"""Writes resources/Bootloader/Bootloader.bin, the bootloader image that the
firmware update offers when "BlUpdateAllowed" is set.

The image is the program's own stand-in, not the maker's bootloader: a
Cortex-M3 vector table whose reset handler and exception handlers are one
Thumb "b ." loop. It starts at flash page 0 (0x08000000) and must fit into
pages 0 to 5 (12 KiB), below the firmware at page 6. Run it after a change
and commit the regenerated image together with this script.
"""

import pathlib
import struct

FLASH_BASE = 0x08000000
BOOTLOADER_LIMIT = 6 * 2048  # pages 0 to 5
INITIAL_STACK_POINTER = 0x20010000  # top of 64 KiB RAM
VECTOR_COUNT = 16  # stack pointer and the fifteen core exception vectors
# Vector slots that the architecture reserves stay zero.
RESERVED_SLOTS = {7, 8, 9, 10, 13}

LOOP_THUMB = 0xE7FE  # b .
NOP_THUMB = 0xBF00   # pads the code to a whole word


def image():
    loop_offset = VECTOR_COUNT * 4
    # Bit 0 set: the handler runs in Thumb state, the only state of a Cortex-M3.
    handler = (FLASH_BASE + loop_offset) | 1
    vectors = [INITIAL_STACK_POINTER]
    for slot in range(1, VECTOR_COUNT):
        vectors.append(0 if slot in RESERVED_SLOTS else handler)
    data = struct.pack("<%dI" % VECTOR_COUNT, *vectors)
    data += struct.pack("<2H", LOOP_THUMB, NOP_THUMB)
    assert len(data) <= BOOTLOADER_LIMIT
    return data


def main():
    target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "Bootloader" / "Bootloader.bin"
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(image())
    print("%s: %d bytes" % (target, target.stat().st_size))


if __name__ == "__main__":
    main()
