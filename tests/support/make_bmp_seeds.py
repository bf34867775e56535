#!/usr/bin/env python3
"""Writes the seeds of the BMP fuzz target (tests/fuzz/bmp/): small files of
every header, depth and compression the reader knows.
Usage: tests/support/make_bmp_seeds.py [FOLDER]"""
import os
import struct
import sys


def bmp(header=40, width=5, height=3, bits=8, compression=0, masks=(), palette=(), pixels=b"",
        top_down=False, colours_used=0):
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        entries = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in palette)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, -height if top_down else height, 1, bits,
                           compression, len(pixels), 2835, 2835, colours_used, 0)
        extra = b"".join(struct.pack("<I", m) for m in masks)
        info = (info + extra).ljust(header, b"\0")[:header] if header > 40 else info[:header]
        if header == 40:
            info += extra
        entries = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + len(info) + len(entries)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + entries + pixels


def rows(width, height, bits):
    stride = (width * bits + 31) // 32 * 4
    return bytes((x * 7 + y * 3) & 0xFF for y in range(height) for x in range(stride))


def palette(n):
    return [((i * 40) & 255, (i * 90) & 255, (255 - i * 17) & 255) for i in range(n)]


def seeds():
    yield "pal1", bmp(bits=1, palette=palette(2), pixels=rows(5, 3, 1))
    yield "pal4_top_down", bmp(bits=4, palette=palette(16), pixels=rows(5, 3, 4), top_down=True)
    yield "pal8_short", bmp(bits=8, palette=palette(6), colours_used=6, pixels=rows(5, 3, 8))
    yield "rle8", bmp(bits=8, compression=1, palette=palette(256), width=8, height=4,
                      pixels=bytes([3, 7, 0, 3, 9, 10, 11, 0, 0, 0, 2, 5, 0, 2, 3, 1, 10, 6, 0, 1]))
    yield "rle4", bmp(bits=4, compression=2, palette=palette(16), width=8, height=4,
                      pixels=bytes([3, 0x7C, 0, 3, 0x9A, 0xB0, 0, 0, 2, 0x55, 0, 2, 3, 1, 10, 0x66, 0, 1]))
    yield "rgb555", bmp(bits=16, pixels=rows(5, 3, 16))
    yield "rgb565", bmp(bits=16, compression=3, masks=(0xF800, 0x07E0, 0x001F), pixels=rows(5, 3, 16))
    yield "rgb24", bmp(bits=24, pixels=rows(5, 3, 24))
    yield "rgb32", bmp(bits=32, pixels=rows(5, 3, 32))
    yield "fields_10_10_10_v3", bmp(header=56, bits=32, compression=3,
                                    masks=(0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000), pixels=rows(5, 3, 32))
    yield "alpha_fields", bmp(bits=32, compression=6, masks=(0xFF, 0xFF00, 0xFF0000, 0xFF000000), pixels=rows(5, 3, 32))
    yield "v4", bmp(header=108, bits=32, compression=3, masks=(0xFFE00000, 0x001FFC00, 0x3FF), pixels=rows(5, 3, 32))
    yield "v5", bmp(header=124, bits=16, compression=3, masks=(0x7C00, 0x03E0, 0x1F), pixels=rows(5, 3, 16))
    yield "os2_1", bmp(header=12, bits=8, palette=palette(9), pixels=rows(5, 3, 8))
    yield "os2_2_short", bmp(header=16, bits=4, palette=palette(5), pixels=rows(5, 3, 4))
    yield "os2_2_full", bmp(header=64, bits=24, pixels=rows(5, 3, 24))
    yield "cut_short", bmp(bits=24, pixels=rows(5, 3, 24))[:-20]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "fuzz", "bmp")
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
