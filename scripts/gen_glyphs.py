#!/usr/bin/env python3
"""Draws the program's own button glyphs as 24-bit BMP files into resources/.

    resources/button/LB*.bmp   the kind glyphs of the push button: a strip of
                               two cells (normal, disabled), 18 x 18 (LBALL
                               18 x 19), on a magenta background that paints
                               transparent; LBARROW, the 5 x 3 popup mark.
    resources/glyphs/*.bmp     one-cell pictures of the main window's actions.

Run it again after changing a picture; the output is committed.
"""
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEY = (255, 0, 255)


class Picture:
    def __init__(self, w, h, bg=KEY):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1):
            self.put(x, y0, c)
            self.put(x, y1 - 1, c)
        for y in range(y0, y1):
            self.put(x0, y, c)
            self.put(x1 - 1, y, c)

    def line(self, x0, y0, x1, y1, c, width=1.0):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 4) + 1
        r = width / 2.0
        for i in range(steps + 1):
            t = i / steps
            cx, cy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for y in range(int(cy - r) - 1, int(cy + r) + 2):
                for x in range(int(cx - r) - 1, int(cx + r) + 2):
                    if (x + 0.5 - cx - 0.5) ** 2 + (y + 0.5 - cy - 0.5) ** 2 <= r * r:
                        self.put(x, y, c)

    def disc(self, cx, cy, r, c, inner=-1.0):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if inner < d <= r:
                    self.put(x, y, c)

    def polygon(self, pts, c):
        for y in range(self.h):
            yc = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, c)

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                self.put(ox + x, oy + y, other.px[y][x])

    def greyed(self):
        g = Picture(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                c = self.px[y][x]
                if c != KEY:
                    v = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
                    g.px[y][x] = (128 + v // 4,) * 3
        return g

    def save(self, path):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            data += line + bytes(row - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(header + info + data)


GREEN, DARKGREEN = (40, 160, 40), (20, 100, 20)
RED, DARKRED = (210, 40, 40), (140, 20, 20)
BLUE, NAVY = (40, 90, 200), (20, 40, 120)
YELLOW, ORANGE = (250, 200, 40), (230, 130, 20)
GREY, DARK, WHITE, BLACK = (150, 150, 150), (70, 70, 70), (255, 255, 255), (0, 0, 0)


def check(p, ox=0, oy=0, s=1.0, c=GREEN):
    p.line(ox + 3 * s, oy + 9 * s, ox + 7 * s, oy + 13 * s, c, 2.6 * s)
    p.line(ox + 7 * s, oy + 13 * s, ox + 15 * s, oy + 4 * s, c, 2.6 * s)


def cross(p, ox=0, oy=0, s=1.0, c=RED, width=2.6):
    p.line(ox + 4 * s, oy + 4 * s, ox + 14 * s, oy + 14 * s, c, width * s)
    p.line(ox + 14 * s, oy + 4 * s, ox + 4 * s, oy + 14 * s, c, width * s)


def kind_cell(name, h):
    p = Picture(18, h)
    if name in ("LBOK", "LBYES"):
        check(p)
    elif name == "LBCANCEL":
        cross(p)
    elif name == "LBHELP":
        p.disc(9, 9, 8, BLUE)
        p.line(6.5, 6.5, 9, 4.5, WHITE, 1.8)
        p.line(9, 4.5, 11.5, 6.5, WHITE, 1.8)
        p.line(11.5, 6.5, 9, 9.5, WHITE, 1.8)
        p.rect(8, 10, 10, 12, WHITE)
        p.rect(8, 13, 10, 15, WHITE)
    elif name == "LBNO":
        p.disc(9, 9, 8, RED, 5.5)
        p.line(4, 14, 14, 4, RED, 2.6)
    elif name == "LBCLOSE":
        p.rect(4, 2, 14, 17, (150, 100, 50))
        p.frame(4, 2, 14, 17, (90, 60, 30))
        p.rect(11, 9, 13, 11, YELLOW)
    elif name == "LBABORT":
        p.disc(9, 9, 8, RED)
        cross(p, 1.5, 1.5, 0.83, WHITE, 2.4)
    elif name == "LBRETRY":
        for a in range(40, 330, 2):
            t = math.radians(a)
            p.line(9 + 6 * math.cos(t), 9 - 6 * math.sin(t), 9 + 6 * math.cos(t), 9 - 6 * math.sin(t), GREEN, 2.4)
        p.polygon([(12, 1), (17, 5), (11, 7)], GREEN)
    elif name == "LBIGNORE":
        p.rect(3, 4, 15, 6, BLUE)
        p.rect(3, 8, 15, 10, BLUE)
        p.rect(3, 12, 15, 14, BLUE)
        p.line(2, 15, 16, 3, RED, 2.0)
    elif name == "LBALL":
        check(p, -1, -1, 0.85, DARKGREEN)
        check(p, 3, 3, 0.85, GREEN)
    return p


def kind_strip(name, h=18):
    cell = kind_cell(name, h)
    strip = Picture(36, h)
    strip.blit(cell, 0, 0)
    strip.blit(cell.greyed(), 18, 0)
    return strip


def info(n):
    p = Picture(n, n)
    c = n / 2
    p.disc(c, c, c - 1, BLUE)
    p.disc(c, c, c - 3, (70, 130, 230))
    p.disc(c, n * 0.28, n * 0.07, WHITE)
    p.rect(int(c - n * 0.07), int(n * 0.42), int(c + n * 0.07) + 1, int(n * 0.78), WHITE)
    return p


def options(n):
    p = Picture(n, n)
    c = n / 2
    for k in range(8):
        t = k * math.pi / 4
        p.line(c + math.cos(t) * n * 0.2, c + math.sin(t) * n * 0.2, c + math.cos(t) * n * 0.44,
               c + math.sin(t) * n * 0.44, DARK, n * 0.16)
    p.disc(c, c, n * 0.34, GREY)
    p.disc(c, c, n * 0.14, KEY)
    p.disc(c, c, n * 0.34, DARK, n * 0.30)
    return p


def close(n):
    p = Picture(n, n)
    p.rect(2, 2, n - 2, n - 2, RED)
    p.frame(2, 2, n - 2, n - 2, DARKRED)
    s = n / 18.0
    cross(p, 0, 0, s, WHITE, 2.2)
    return p


def new(n):
    p = Picture(n, n)
    p.polygon([(4, 1), (15, 1), (20, 6), (20, 23), (4, 23)], WHITE)
    p.line(4, 1, 15, 1, DARK)
    p.line(15, 1, 20, 6, DARK)
    p.line(20, 6, 20, 23, DARK)
    p.line(4, 23, 20, 23, DARK)
    p.line(4, 1, 4, 23, DARK)
    p.polygon([(15, 1), (15, 6), (20, 6)], GREY)
    p.disc(18, 18, 5, YELLOW)
    p.disc(18, 18, 2, ORANGE)
    return p


def open_(n):
    p = Picture(n, n)
    p.polygon([(1, 5), (8, 5), (10, 7), (20, 7), (20, 21), (1, 21)], ORANGE)
    p.polygon([(4, 11), (23, 11), (20, 21), (1, 21)], YELLOW)
    p.line(1, 21, 20, 21, (150, 90, 10))
    return p


def parameters(n):
    p = Picture(n, n)
    for i, x in enumerate((6, 12, 18)):
        p.rect(x - 1, 3, x + 1, 22, DARK)
        knob = (7, 15, 10)[i]
        p.rect(x - 3, knob - 2, x + 3, knob + 2, BLUE)
        p.frame(x - 3, knob - 2, x + 3, knob + 2, NAVY)
    return p


def lorawan(n):
    p = Picture(n, n)
    p.rect(11, 10, 13, 23, DARK)
    p.polygon([(8, 23), (16, 23), (12, 15)], GREY)
    p.disc(12, 9, 2, RED)
    for r in (5.5, 9.0):
        for a in list(range(-50, 51, 2)) + list(range(130, 231, 2)):
            t = math.radians(a)
            x, y = 12 + r * math.cos(t), 9 - r * math.sin(t)
            p.line(x, y, x, y, BLUE, 1.6)
    return p


def update(n):
    p = Picture(n, n)
    p.rect(2, 16, 22, 23, DARK)
    p.rect(4, 18, 6, 20, GREEN)
    p.rect(8, 18, 10, 20, GREEN)
    p.rect(9, 2, 15, 10, BLUE)
    p.polygon([(5, 10), (19, 10), (12, 16)], BLUE)
    return p


def main():
    out = os.path.join(ROOT, "resources")
    for name in ("LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY", "LBIGNORE"):
        kind_strip(name).save(os.path.join(out, "button", name + ".bmp"))
    kind_strip("LBALL", 19).save(os.path.join(out, "button", "LBALL.bmp"))
    arrow = Picture(5, 3, WHITE)
    arrow.rect(0, 0, 5, 1, BLACK)
    arrow.rect(1, 1, 4, 2, BLACK)
    arrow.put(2, 2, BLACK)
    arrow.save(os.path.join(out, "button", "LBARROW.bmp"))
    for name, draw, size in (("Info", info, 32), ("Options", options, 32), ("Close", close, 32), ("New", new, 24),
                             ("Open", open_, 24), ("Parameters", parameters, 24), ("LoRaWAN", lorawan, 24),
                             ("Update", update, 24)):
        draw(size).save(os.path.join(out, "glyphs", name + ".bmp"))


if __name__ == "__main__":
    main()
