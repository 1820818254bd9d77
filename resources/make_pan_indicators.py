#!/usr/bin/env python3
"""Draws the grid's wheel-pan indicators as 24-bit BMP files, 32 x 32 each.

Run from the repository root: python3 resources/make_pan_indicators.py
INTLI1 shows all four directions, INTLI2 left and right, INTLI3 up and down.
Every picture's top-left pixel is its key colour, drawn as white by the grid.
The edges are hard (no blending with the key colour), so no key-coloured
fringe shows around the disc.
"""
from make_grid_glyphs import KEY, save

SIZE = 32
CENTRE = 15.5
RADIUS = 14.0
RIM = (0x40, 0x40, 0x40)
FACE_TOP = (0xFA, 0xFA, 0xFA)
FACE_BOTTOM = (0xD2, 0xD6, 0xDC)
ARROW = (0x20, 0x20, 0x20)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def disc():
    """A light disc with a dark rim and a dot in its middle."""
    p = [[KEY for _ in range(SIZE)] for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - CENTRE) ** 2 + (y - CENTRE) ** 2
            if d2 <= RADIUS**2:
                p[y][x] = RIM if d2 > (RADIUS - 1.2) ** 2 else mix(FACE_TOP, FACE_BOTTOM, y / (SIZE - 1))
    for y in range(14, 18):
        for x in range(14, 18):
            if (x, y) not in ((14, 14), (17, 14), (14, 17), (17, 17)):
                p[y][x] = ARROW
    return p


def arrow(p, direction):
    """A solid triangle pointing outwards, its tip 4 pixels inside the rim."""
    for step in range(5):
        half = step
        for off in range(-half, half + 1):
            if direction == "up":
                x, y = 15 + off + (1 if off > 0 else 0), 4 + step
            elif direction == "down":
                x, y = 15 + off + (1 if off > 0 else 0), 27 - step
            elif direction == "left":
                x, y = 4 + step, 15 + off + (1 if off > 0 else 0)
            else:
                x, y = 27 - step, 15 + off + (1 if off > 0 else 0)
            p[y][x] = ARROW
            # the two middle columns (rows) of an even-sized disc both carry the tip
            if off == 0:
                if direction in ("up", "down"):
                    p[y][x + 1] = ARROW
                else:
                    p[y + 1][x] = ARROW
    return p


def indicator(directions):
    p = disc()
    for d in directions:
        arrow(p, d)
    return p


def main():
    save("INTLI1", indicator(("up", "down", "left", "right")))
    save("INTLI2", indicator(("left", "right")))
    save("INTLI3", indicator(("up", "down")))


if __name__ == "__main__":
    main()
