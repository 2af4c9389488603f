#!/usr/bin/env python3
"""Checks PNG icons: valid chunks and CRCs, the given square size, 8-bit RGBA, and a transparent corner with
an opaque centre (the tile shape). Usage: png_check.py SIZE:FILE... ; prints the first fault and exits 1."""
import struct
import sys
import zlib


def check(path, size):
    def fail(msg):
        print(f"{path}: {msg}")
        sys.exit(1)

    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail("no PNG signature")
    pos, chunks = 8, []
    while pos < len(data):
        if pos + 12 > len(data):
            fail("truncated chunk")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) != crc:
            fail(f"bad CRC in {kind!r}")
        chunks.append((kind, body))
        pos += 12 + length
    if [k for k, _ in chunks][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        fail("chunks out of order")
    w, h, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (w, h, depth, colour, interlace) != (size, size, 8, 6, 0):
        fail(f"{w}x{h}, depth {depth}, colour type {colour}, interlace {interlace}")
    raw = zlib.decompress(b"".join(b for k, b in chunks if k == b"IDAT"))
    stride = w * 4 + 1
    if len(raw) != stride * h:
        fail(f"{len(raw)} bytes of pixel rows")
    if any(raw[y * stride] != 0 for y in range(h)):
        fail("a row uses a filter")  # the writer stores rows unfiltered, so alpha is read straight below

    def alpha(x, y):
        return raw[y * stride + 1 + x * 4 + 3]

    if alpha(0, 0) != 0 or alpha(w // 2, h // 2) != 255:
        fail(f"corner alpha {alpha(0, 0)}, centre alpha {alpha(w // 2, h // 2)}")


for arg in sys.argv[1:]:
    size, file = arg.split(":", 1)
    check(file, int(size))
