#!/usr/bin/env python3
"""Draws Pelmora's icon, a folder being tidied, and writes resources/pelmora.ico.

The images, in the order the file must hold them: 32 and 16 pixels in 16
colours; 48, 32 and 16 in 256 colours; 256 as PNG; 64, 48, 40, 32, 24, 20
and 16 in 32-bit colour. Every bitmap carries its transparency mask.

Run it after changing the drawing; the .ico file is committed so that the
build does not need Python.
"""
import os
import struct
import sys
import zlib

IMAGES = [  # (size, bits per pixel, stored as PNG)
    (32, 4, False), (16, 4, False),
    (48, 8, False), (32, 8, False), (16, 8, False),
    (256, 32, True),
    (64, 32, False), (48, 32, False), (40, 32, False), (32, 32, False),
    (24, 32, False), (20, 32, False), (16, 32, False),
]

OUTLINE = (120, 72, 12)
FOLDER_BACK = (214, 140, 30)
FOLDER_FRONT = (250, 200, 70)
PAPER = (250, 250, 245)
CARDS = [(52, 120, 214), (58, 168, 86), (224, 83, 61)]


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def grown(x0, y0, x1, y1, r, by):
    return rounded(x0 - by, y0 - by, x1 + by, y1 + by, r + by)


def layers(size):
    """Shapes in unit coordinates, painted back to front."""
    line = max(1.0 / size, 0.035)  # an outline at least one pixel wide
    out = []
    back = (0.05, 0.20, 0.95, 0.90, 0.06)
    tab = (0.05, 0.12, 0.45, 0.30, 0.05)
    for shape in (tab, back):
        out.append((grown(*shape, line), OUTLINE))
        out.append((rounded(*shape), FOLDER_BACK))
    # Three sorted cards standing in the folder, each a sheet with a band.
    for k, colour in enumerate(CARDS):
        x0 = 0.17 + k * 0.23
        top = 0.10 + k * 0.09
        card = (x0, top, x0 + 0.20, 0.80, 0.03)
        out.append((grown(*card, line * 0.8), OUTLINE))
        out.append((rounded(*card), PAPER))
        out.append((rounded(x0, top, x0 + 0.20, top + 0.16, 0.03), colour))
    front = (0.05, 0.44, 0.95, 0.92, 0.07)
    out.append((grown(*front, line), OUTLINE))
    out.append((rounded(*front), FOLDER_FRONT))
    return out


def render(size):
    """RGBA rows, top first, with 4x4 supersampling."""
    shapes = layers(size)
    n = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = None
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            a = acc[3]
            if a:
                row.append((round(acc[0] / a), round(acc[1] / a), round(acc[2] / a),
                            round(255 * a / (n * n))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE256 = CUBE + [(round(i * 255 / 39),) * 3 for i in range(40)]


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - rgb[k]) ** 2 for k in range(3)))


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def mask_rows(rows):
    out = b""
    for row in reversed(rows):
        bits = bytearray((len(row) + 7) // 8)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += padded(bytes(bits))
    return out


def bitmap(rows, bpp):
    size = len(rows)
    if bpp == 32:
        palette = b""
        pixels = b"".join(
            padded(b"".join(bytes((p[2], p[1], p[0], p[3])) for p in row))
            for row in reversed(rows))
    else:
        colours = VGA16 if bpp == 4 else PALETTE256
        palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
        cache = {}
        pixels = b""
        for row in reversed(rows):
            indices = []
            for p in row:
                key = p[:3] if p[3] >= 128 else (0, 0, 0)
                if key not in cache:
                    cache[key] = nearest(colours, key)
                indices.append(cache[key])
            if bpp == 4:
                indices += [0] * (len(indices) % 2)
                line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
            else:
                line = bytes(indices)
            pixels += padded(line)
    mask = mask_rows(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + palette + pixels + mask


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "resources", "pelmora.ico")
    renders = {}
    blobs = []
    for size, bpp, as_png in IMAGES:
        if size not in renders:
            renders[size] = render(size)
        blobs.append(png(renders[size]) if as_png else bitmap(renders[size], bpp))
    offset = 6 + 16 * len(IMAGES)
    directory = struct.pack("<HHH", 0, 1, len(IMAGES))
    for (size, bpp, _), blob in zip(IMAGES, blobs):
        dim = 0 if size == 256 else size
        colours = 16 if bpp == 4 else 0
        directory += struct.pack("<BBBBHHII", dim, dim, colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    with open(target, "wb") as f:
        f.write(directory + b"".join(blobs))
        
    # A PNG of the largest image, to look at.
    if len(sys.argv) > 2:
        with open(sys.argv[2], "wb") as f:
            f.write(png(renders[256]))


if __name__ == "__main__":
    main()
