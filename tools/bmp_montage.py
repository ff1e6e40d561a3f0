#!/usr/bin/env python3
"""Lays screen captures (BMP files as the game's tests save them) side by side
in one PNG: bmp_montage.py OUT.png COLUMNS A.bmp B.bmp ...

Reads 16-, 24- and 32-bit uncompressed or bit-field BMP files; standard
library only."""
import struct
import sys
import zlib

GAP = 4
GAP_COLOUR = b'\x30\x30\x30'


def channel(value, mask):
    if mask == 0:
        return 0
    shift = (mask & -mask).bit_length() - 1
    bits = bin(mask).count('1')
    return ((value & mask) >> shift) * 255 // ((1 << bits) - 1)


def read_bmp(path):
    data = open(path, 'rb').read()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height, _, bpp, compression = struct.unpack_from('<iiHHI', data, 18)
    masks = {16: (0x7C00, 0x03E0, 0x001F), 32: (0xFF0000, 0xFF00, 0xFF)}.get(bpp)
    if compression == 3:
        masks = struct.unpack_from('<III', data, 54)
    top_down = height < 0
    height = abs(height)
    stride = (width * bpp + 31) // 32 * 4
    rows = []
    for y in range(height):
        start = offset + (y if top_down else height - 1 - y) * stride
        row = bytearray()
        for x in range(width):
            if bpp == 24:
                b, g, r = data[start + 3 * x:start + 3 * x + 3]
            else:
                size = bpp // 8
                value = int.from_bytes(data[start + size * x:start + size * (x + 1)], 'little')
                r, g, b = (channel(value, mask) for mask in masks)
            row += bytes((r, g, b))
        rows.append(row)
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack('>I', len(payload)) + body + struct.pack('>I', zlib.crc32(body))
    raw = b''.join(b'\0' + bytes(row) for row in rows)
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        out.write(chunk(b'IEND', b''))


def main():
    out, columns, paths = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    pictures = [read_bmp(path) for path in paths]
    cell_w = max(p[0] for p in pictures)
    cell_h = max(p[1] for p in pictures)
    lines = (len(pictures) + columns - 1) // columns
    width = columns * cell_w + (columns - 1) * GAP
    height = lines * cell_h + (lines - 1) * GAP
    canvas = [bytearray(GAP_COLOUR * width) for _ in range(height)]
    for index, (w, h, rows) in enumerate(pictures):
        left = (index % columns) * (cell_w + GAP)
        top = (index // columns) * (cell_h + GAP)
        for y in range(h):
            canvas[top + y][3 * left:3 * (left + w)] = rows[y]
    write_png(out, width, height, canvas)


if __name__ == '__main__':
    main()
