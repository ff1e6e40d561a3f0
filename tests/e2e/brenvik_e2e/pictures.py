"""Pictures as the tests see them, plain 24-bit RGB in memory: X window dumps
(xwd, TrueColor, a byte per channel), the artwork's 8-bit non-interlaced PNG
files and the 32-bit BMP key map; and colour tests for screenshots of the
game's 16-bit screen, which allow for its rounding."""

import colorsys
import struct
import zlib


class Picture:
    """A picture of width x height pixels, top row first, 3 bytes a pixel."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.rgb = bytearray(width * height * 3)

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

    def save_png(self, path):
        with open(path, "wb") as out:
            out.write(encode_png(self))


def from_xwd(data):
    """Decodes what `xwd -root` gives: a ZPixmap of a TrueColor visual."""
    header_size, version, pixmap_format, _depth, width, height = struct.unpack_from(">6I", data, 0)
    (byte_order, _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual,
     *masks, _bits_per_rgb, _entries, ncolours) = struct.unpack_from(">13I", data, 28)
    pixel_bytes = bits_per_pixel // 8
    start = header_size + ncolours * 12
    shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
    if (version != 7 or pixmap_format != 2 or pixel_bytes not in (3, 4)
            or any(mask >> shift != 0xFF or shift % 8 for mask, shift in zip(masks, shifts))
            or len(data) < start + bytes_per_line * height):
        raise ValueError("not a whole X window dump of 8-bit channels")
    offsets = [shift // 8 if byte_order == 0 else pixel_bytes - 1 - shift // 8
               for shift in shifts]
    picture = Picture(width, height)
    for y in range(height):
        row = data[start + y * bytes_per_line:start + y * bytes_per_line + width * pixel_bytes]
        base = y * width * 3
        for channel, offset in enumerate(offsets):
            picture.rgb[base + channel:base + width * 3:3] = row[offset::pixel_bytes]
    return picture


def read_png(path):
    with open(path, "rb") as source:
        data = source.read()
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
            p = left + up - upper_left
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
            line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc
                                  else upper_left)) & 0xFF
        elif kind != 0:
            raise ValueError("unknown PNG filter %d" % kind)
    return line


def encode_png(picture):
    raw = b"".join(b"\0" + picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
                   for y in range(picture.height))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def read_bmp32(path):
    """An uncompressed 32-bit BMP as (width, height, values), values top row
    first, each the 4 bytes of a pixel read little-endian."""
    with open(path, "rb") as source:
        data = source.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if data[:2] != b"BM" or bits != 32 or compression not in (0, 3):
        raise ValueError("not an uncompressed 32-bit BMP file")
    rows = range(-height) if height < 0 else range(height - 1, -1, -1)
    values = []
    for row in rows:
        values.extend(struct.unpack_from("<%dI" % width, data, offset + row * width * 4))
    return width, abs(height), values


def is_black(colour, tolerance=24):
    return max(colour) <= tolerance


def is_white(colour):
    return min(colour) >= 200


def hue_range(low, high):
    """A test for clearly coloured pixels (not grey) whose hue lies from low to
    high degrees, wrapping round 360 when low > high."""

    def matches(colour):
        hue, saturation, value = colorsys.rgb_to_hsv(*(channel / 255.0 for channel in colour))
        degrees = hue * 360.0
        inside = low <= degrees <= high if low <= high else degrees >= low or degrees <= high
        return saturation >= 0.35 and value >= 0.25 and inside

    return matches


NAMED_COLOURS = {"green": hue_range(90, 165), "orange": hue_range(12, 45),
                 "blue": hue_range(190, 250), "red": hue_range(340, 10)}
