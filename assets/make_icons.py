#!/usr/bin/env python3
"""Build the program icons from the one hand-editable XPM picture.

The picture is kept as XPM so anyone can touch it up in a text editor or
GIMP; this script turns it into the files the platforms want, so the Linux
PNG and the Windows .ico can never drift apart. Standard library only, so
the build needs nothing beyond Python 3.

Usage:
    python3 make_icons.py SRC.xpm OUT_DIR [--sizes 64 128 256]

Writes OUT_DIR/NAME.png (RGBA, source size) and OUT_DIR/NAME.ico (one
32x32 8-bit image), NAME being the source file's stem. --sizes also writes
OUT_DIR/NAME-SIZE.png, scaled up by whole-pixel (nearest-neighbour)
factors for a desktop icon theme.
"""
import argparse
import os
import re
import struct
import sys
import zlib

TRANSPARENT = (0, 0, 0, 0)


def read_xpm(path):
    """Return (width, height, rows of RGBA tuples) from an XPM file."""
    with open(path, encoding="ascii") as f:
        text = re.sub(r"/\*.*?\*/", "", f.read(), flags=re.S)
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    width, height, ncolors, cpp = (int(v) for v in strings[0].split()[:4])
    colors = {}
    for line in strings[1:1 + ncolors]:
        colors[line[:cpp]] = parse_color(line[cpp:])
    rows = []
    for line in strings[1 + ncolors:1 + ncolors + height]:
        if len(line) != width * cpp:
            raise ValueError(f"{path}: pixel row has wrong length: {line!r}")
        rows.append([colors[line[i:i + cpp]] for i in range(0, len(line), cpp)])
    if len(rows) != height:
        raise ValueError(f"{path}: expected {height} pixel rows, got {len(rows)}")
    return width, height, rows


def parse_color(entry):
    """Return RGBA for the colour ('c') part of an XPM colour entry."""
    tokens = entry.split()
    value = tokens[tokens.index("c") + 1]
    if value.lower() == "none":
        return TRANSPARENT
    digits = value.lstrip("#")
    if not value.startswith("#") or len(digits) not in (3, 6, 12):
        raise ValueError(f"unsupported XPM colour {value!r}; use #RRGGBB or None")
    step = len(digits) // 3
    r, g, b = (int(digits[i * step:(i + 1) * step], 16) for i in range(3))
    if step != 2:  # scale 4- or 16-bit channels to 8 bits
        top = (1 << (4 * step)) - 1
        r, g, b = (round(v * 255 / top) for v in (r, g, b))
    return (r, g, b, 255)


def scale(rows, factor):
    """Enlarge by a whole factor, each pixel becoming a factor x factor block."""
    return [[p for p in row for _ in range(factor)] for row in rows for _ in range(factor)]


def png_bytes(width, height, rows):
    """Encode RGBA rows as a PNG (colour type 6, no filtering)."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))

    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_bytes(width, height, rows):
    """Encode the picture as a one-image, 8-bit palette .ico.

    Black is palette entry 0 because see-through pixels must be black in the
    colour bitmap; the AND mask is what makes them transparent.
    """
    if (width, height) != (32, 32):
        raise ValueError("the .ico is made for a 32x32 picture")
    palette = [(0, 0, 0)]
    for row in rows:
        for r, g, b, a in row:
            if a and (r, g, b) not in palette:
                palette.append((r, g, b))
    if len(palette) > 256:
        raise ValueError(f"{len(palette)} colours; an 8-bit icon holds 256")
    index = {rgb: i for i, rgb in enumerate(palette)}

    xor_stride = (width + 3) & ~3
    and_stride = (width + 31) // 32 * 4
    xor_data, and_data = bytearray(), bytearray()
    for row in reversed(rows):  # BMP rows run bottom-up
        xor_row = bytearray(xor_stride)
        and_row = bytearray(and_stride)
        for x, (r, g, b, a) in enumerate(row):
            if a:
                xor_row[x] = index[(r, g, b)]
            else:
                and_row[x // 8] |= 0x80 >> (x % 8)
        xor_data += xor_row
        and_data += and_row

    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    quads += bytes(4 * (256 - len(palette)))
    bitmap_size = len(xor_data) + len(and_data)
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 8, 0,
                       bitmap_size, 0, 0, 256, 0)
    image = info + quads + bytes(xor_data) + bytes(and_data)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print(path)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", help="the .xpm picture")
    parser.add_argument("out_dir", help="directory for the generated icons")
    parser.add_argument("--sizes", type=int, nargs="*", default=[],
                        help="extra PNG sizes, whole multiples of the source size")
    args = parser.parse_args(argv)

    width, height, rows = read_xpm(args.source)
    for size in args.sizes:
        if size < width or size % width:
            parser.error(f"--sizes {size}: not a whole multiple of {width}")
    name = os.path.splitext(os.path.basename(args.source))[0]
    os.makedirs(args.out_dir, exist_ok=True)
    out = os.path.join(args.out_dir, name)
    write(out + ".png", png_bytes(width, height, rows))
    write(out + ".ico", ico_bytes(width, height, rows))
    for size in args.sizes:
        factor = size // width
        write(f"{out}-{size}.png",
              png_bytes(width * factor, height * factor, scale(rows, factor)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
