#!/usr/bin/env python3
"""Draws the grid's check, radio and node glyphs as 24-bit BMP files.

Run from the repository root: python3 resources/make_grid_glyphs.py
Every glyph's top-left pixel is its key colour, shown as the background.
"""
import math
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent / "bitmaps"
KEY = (255, 0, 255)


def save(name, pixels):
    h = len(pixels)
    w = len(pixels[0])
    row_size = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    (OUT / f"{name}.bmp").write_bytes(header + info + data)


def canvas(w, h):
    return [[KEY for _ in range(w)] for _ in range(h)]


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def grey(c):
    v = round(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
    v = 150 + (v * 90) // 255
    return (v, v, v)


def check_box(size, box, border, fill_from, fill_to, tick, checked):
    """A square box with a vertical gradient and, when checked, a tick."""
    p = canvas(size, size)
    l, t, r, b = box
    for y in range(t, b + 1):
        for x in range(l, r + 1):
            if x in (l, r) or y in (t, b):
                p[y][x] = border
            else:
                p[y][x] = mix(fill_from, fill_to, (y - t) / max(1, b - t))
    if checked:
        w = r - l
        # a short down stroke and a long up stroke, two pixels thick
        pts = []
        x0, y0 = l + w * 0.25, t + w * 0.5
        x1, y1 = l + w * 0.42, t + w * 0.72
        x2, y2 = l + w * 0.78, t + w * 0.26
        for i in range(0, 41):
            s = i / 40
            pts.append((x0 + (x1 - x0) * s, y0 + (y1 - y0) * s))
            pts.append((x1 + (x2 - x1) * s, y1 + (y2 - y1) * s))
        for x, y in pts:
            for dx, dy in ((0, 0), (0, 1), (1, 0)):
                xi, yi = int(round(x)) + dx, int(round(y)) + dy
                if l < xi < r and t < yi < b:
                    p[yi][xi] = tick
    return p


def radio(size, ring, fill_from, fill_to, dot, checked):
    p = canvas(size, size)
    c = (size - 1) / 2
    outer = size / 2 - 1.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= outer - 1:
                p[y][x] = mix(fill_from, fill_to, y / (size - 1))
            elif d <= outer + 0.35:
                p[y][x] = ring
            if checked and d <= size * 0.2:
                p[y][x] = dot
    return p


def disabled(p):
    return [[px if px == KEY else grey(px) for px in row] for row in p]


def node_box(size, plus):
    p = canvas(size, size)
    for y in range(size):
        for x in range(size):
            if x in (0, size - 1) or y in (0, size - 1):
                p[y][x] = (0x7A, 0x95, 0xA8)
            else:
                p[y][x] = mix((255, 255, 255), (0xD8, 0xE0, 0xE6), y / (size - 1))
    # rounded corners: the corner pixels are the key colour
    for x, y in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
        p[y][x] = KEY
    m = size // 2
    for x in range(2, size - 2):
        p[m][x] = (0, 0, 0)
    if plus:
        for y in range(2, size - 2):
            p[y][m] = (0, 0, 0)
    return p


def leaf(open_):
    p = canvas(16, 16)
    body = (0xF0, 0xC8, 0x50)
    edge = (0x9A, 0x74, 0x10)
    for y in range(4, 14):
        for x in range(1, 15):
            p[y][x] = edge if x in (1, 14) or y in (4, 13) else body
    for x in range(1, 7):
        p[3][x] = edge
    if open_:
        # the front leaf tilts forward
        for y in range(7, 14):
            shift = (13 - y) // 2
            for x in range(3 + shift, 16 - 1):
                if x < 15:
                    p[y][x] = (0xFA, 0xE0, 0x8C) if y not in (7, 13) else edge
    return p


def metro_check(checked):
    """A flat 16 x 16 square: one dark frame, white inside, a dark tick when checked."""
    p = check_box(16, (1, 1, 14, 14), (0x3C, 0x3C, 0x3C), (255, 255, 255), (255, 255, 255), (0x3C, 0x3C, 0x3C),
                  checked)
    return p


def metro_radio(checked):
    """A flat 16 x 16 ring, white inside, a dark dot when checked."""
    return radio(16, (0x3C, 0x3C, 0x3C), (255, 255, 255), (255, 255, 255), (0x3C, 0x3C, 0x3C), checked)


def main():
    OUT.mkdir(exist_ok=True)
    # Round style: 20 x 20 box, blue frame, warm tick.
    orv = dict(size=20, box=(2, 2, 17, 17), border=(0x2B, 0x57, 0x9A), fill_from=(255, 255, 255),
               fill_to=(0xCF, 0xDD, 0xF0), tick=(0x1F, 0x3F, 0x80))
    # Window style: 16 x 16 box, dark blue frame, green tick.
    xp = dict(size=16, box=(1, 1, 14, 14), border=(0x1C, 0x51, 0x80), fill_from=(0xDC, 0xDC, 0xD7),
              fill_to=(255, 255, 255), tick=(0x21, 0xA1, 0x21))
    for base, style in ((1, orv), (5, xp)):
        on = check_box(checked=True, **style)
        off = check_box(checked=False, **style)
        for i, p in enumerate((on, off, disabled(on), disabled(off))):
            save(f"PSGCHK{base + i:02d}", p)
    orv_r = dict(size=16, ring=(0x2B, 0x57, 0x9A), fill_from=(255, 255, 255), fill_to=(0xCF, 0xDD, 0xF0),
                 dot=(0x1F, 0x3F, 0x80))
    xp_r = dict(size=16, ring=(0x1C, 0x51, 0x80), fill_from=(0xDC, 0xDC, 0xD7), fill_to=(255, 255, 255),
                dot=(0x21, 0xA1, 0x21))
    for base, style in ((1, orv_r), (5, xp_r)):
        on = radio(checked=True, **style)
        off = radio(checked=False, **style)
        for i, p in enumerate((on, off, disabled(on), disabled(off))):
            save(f"PSGRAD{base + i:02d}", p)
    save("XPNODEC", node_box(9, True))
    save("XPNODEO", node_box(9, False))
    save("PSGLEAFCLOSE", leaf(False))
    save("PSGLEAFOPEN", leaf(True))
    save("metrocheckon", metro_check(True))
    save("metrocheckoff", metro_check(False))
    save("metroradioon", metro_radio(True))
    save("metroradiooff", metro_radio(False))


if __name__ == "__main__":
    main()
