"""Pictures as the end-to-end tests see them: screenshots of the X server and
the game's own PNG and BMP files, all as plain 24-bit RGB in memory.

Only the formats the tests meet are read: X window dumps (xwd) in TrueColor,
8-bit non-interlaced PNG (what the artwork generator writes) and uncompressed
32-bit BMP (the keyboard's key map)."""

import struct
import zlib


class Picture:
    """A picture of width x height pixels, top row first, 3 bytes a pixel."""

    def __init__(self, width, height, rgb=None):
        self.width = width
        self.height = height
        self.rgb = bytearray(width * height * 3) if rgb is None else bytearray(rgb)
        if len(self.rgb) != width * height * 3:
            raise ValueError("picture data does not match its size")

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def set_pixel(self, x, y, colour):
        at = (y * self.width + x) * 3
        self.rgb[at:at + 3] = bytes(colour)

    def pixels(self, rect=None):
        """Yields (x, y, colour) over a rectangle (x, y, w, h) clipped to the picture."""
        left, top, right, bottom = self.clip(rect)
        data = self.rgb
        for y in range(top, bottom):
            at = (y * self.width + left) * 3
            for x in range(left, right):
                yield x, y, (data[at], data[at + 1], data[at + 2])
                at += 3

    def clip(self, rect=None):
        if rect is None:
            return 0, 0, self.width, self.height
        x, y, w, h = rect
        return max(0, x), max(0, y), min(self.width, x + w), min(self.height, y + h)

    def count(self, rect, matches):
        """How many pixels of the rectangle satisfy `matches(colour)`."""
        return sum(1 for _, _, colour in self.pixels(rect) if matches(colour))

    def save_png(self, path, scale=1):
        with open(path, "wb") as out:
            out.write(encode_png(self, scale))


def from_xwd(data):
    """Decodes an X window dump of a TrueColor visual (what `xwd -root` gives)."""
    header_size, version, pixmap_format, _depth, width, height = struct.unpack_from(">6I", data, 0)
    (byte_order, _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual,
     red_mask, green_mask, blue_mask, _bits_per_rgb, _entries, ncolours) = struct.unpack_from(
         ">13I", data, 28)
    if version != 7 or pixmap_format != 2:
        raise ValueError("not a ZPixmap X window dump")
    if bits_per_pixel not in (24, 32):
        raise ValueError("unsupported X window dump depth %d" % bits_per_pixel)
    pixel_bytes = bits_per_pixel // 8
    start = header_size + ncolours * 12
    if len(data) < start + bytes_per_line * height:
        raise ValueError("truncated X window dump")
    order = "little" if byte_order == 0 else "big"
    channels = [(mask, (mask & -mask).bit_length() - 1)
                for mask in (red_mask, green_mask, blue_mask)]
    # The common layouts keep each channel in a byte of its own: slice them out.
    offsets = _byte_offsets(channels, pixel_bytes, order)
    picture = Picture(width, height)
    for y in range(height):
        row = data[start + y * bytes_per_line:start + y * bytes_per_line + width * pixel_bytes]
        out = picture.rgb
        base = y * width * 3
        if offsets is not None:
            for channel, offset in enumerate(offsets):
                out[base + channel:base + width * 3:3] = row[offset::pixel_bytes]
        else:
            for x in range(width):
                value = int.from_bytes(row[x * pixel_bytes:(x + 1) * pixel_bytes], order)
                for channel, (mask, shift) in enumerate(channels):
                    out[base + x * 3 + channel] = _scale_channel((value & mask) >> shift,
                                                                 mask >> shift)
    return picture


def _byte_offsets(channels, pixel_bytes, order):
    offsets = []
    for mask, shift in channels:
        if mask >> shift != 0xFF or shift % 8 != 0:
            return None
        byte = shift // 8
        offsets.append(byte if order == "little" else pixel_bytes - 1 - byte)
    return offsets


def _scale_channel(value, maximum):
    return value * 255 // maximum if maximum else 0


def read_png(path):
    with open(path, "rb") as source:
        return decode_png(source.read())


def decode_png(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    at = 8
    compressed = bytearray()
    header = None
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError("PNG without a header")
    width, height, depth, colour_type, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour_type)
    if depth != 8 or channels is None or interlace != 0:
        raise ValueError("only 8-bit non-interlaced RGB or RGBA PNG files are read")
    raw = zlib.decompress(bytes(compressed))
    stride = width * channels
    previous = bytearray(stride)
    picture = Picture(width, height)
    for y in range(height):
        start = y * (stride + 1)
        line = _unfilter(raw[start], bytearray(raw[start + 1:start + 1 + stride]), previous,
                         channels)
        for x in range(width):
            at = (y * width + x) * 3
            picture.rgb[at:at + 3] = line[x * channels:x * channels + 3]
        previous = line
    return picture


def _unfilter(kind, line, previous, bpp):
    for i in range(len(line)):
        left = line[i - bpp] if i >= bpp else 0
        up = previous[i]
        if kind == 1:
            line[i] = (line[i] + left) & 0xFF
        elif kind == 2:
            line[i] = (line[i] + up) & 0xFF
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            upper_left = previous[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + _paeth(left, up, upper_left)) & 0xFF
        elif kind != 0:
            raise ValueError("unknown PNG filter %d" % kind)
    return line


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def encode_png(picture, scale=1):
    """An RGB PNG of the picture, each pixel blown up to scale x scale."""
    width = picture.width * scale
    raw = bytearray()
    for y in range(picture.height):
        row = picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
        if scale != 1:
            row = b"".join(bytes(row[x * 3:x * 3 + 3]) * scale for x in range(picture.width))
        for _ in range(scale):
            raw += b"\0" + row

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, picture.height * scale, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))


def read_bmp32(path):
    """The pixel values of an uncompressed 32-bit BMP as (width, height, values),
    values top row first; a value is the 4 bytes of a pixel read little-endian."""
    with open(path, "rb") as source:
        data = source.read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits != 32 or compression not in (0, 3):
        raise ValueError("only uncompressed 32-bit BMP files are read")
    top_down = height < 0
    height = abs(height)
    values = []
    for row in range(height):
        source_row = row if top_down else height - 1 - row
        at = offset + source_row * width * 4
        values.extend(struct.unpack_from("<%dI" % width, data, at))
    return width, height, values
