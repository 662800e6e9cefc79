#!/usr/bin/env python3
"""Draws the program's small pictures as PNG files beside this script.

keyicon.png          42 x 42  the key of the password dialog
hand_point.png       32 x 32  pointing hand          (hot spot at the finger tip)
hand_point_small.png 32 x 32  small pointing hand
grab_hand.png        32 x 32  open hand
grab_hand_arrow.png  32 x 32  open hand with an arrow
drag_hand.png        32 x 32  closed hand

The hands are pixel drawings: 'X' is the black outline, '.' inside the
outline becomes white, '.' reachable from the border stays transparent.
The hot spots are listed in src/support/UrlLabels.cpp.
Run: python3 draw_pictures.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(name, width, height, pixels):
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(pixels[y][x])

    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


# ---------------------------------------------------------------- hands

def hand(name, art, size=32):
    rows = [r.rstrip() for r in art.strip("\n").split("\n")]
    grid = [[(rows[y][x] if y < len(rows) and x < len(rows[y]) else ".") for x in range(size)] for y in range(size)]
    outside = [[False] * size for _ in range(size)]
    stack = [(x, y) for x in range(size) for y in (0, size - 1)] + [(x, y) for y in range(size) for x in (0, size - 1)]
    while stack:
        x, y = stack.pop()
        if not (0 <= x < size and 0 <= y < size) or outside[y][x] or grid[y][x] == "X":
            continue
        outside[y][x] = True
        stack.extend([(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)])
    pixels = []
    for y in range(size):
        line = []
        for x in range(size):
            if grid[y][x] == "X":
                line.append((0, 0, 0, 255))
            elif outside[y][x]:
                line.append((0, 0, 0, 0))
            else:
                line.append((255, 255, 255, 255))
        pixels.append(line)
    write_png(name, size, size, pixels)


POINT = """
......XX
.....X..X
.....X..X
.....X..X
.....X..X
.....X..XXX
.....X..X..XXX
.....X..X..X..XX
.XX..X..X..X..X.X
X..X.X........X..X
X...XX...........X
.X...X...........X
..X..............X
..X.............X
...X............X
...X...........X
....X..........X
....X.........X
.....X........X
.....XXXXXXXXXX
"""

POINT_SMALL = """
...XX
..X..X
..X..X
..X..XXX
..X..X..XXX
X.X.......X
XXX.......X
X.........X
.X........X
..X......X
...X.....X
...XXXXXXX
"""

GRAB = """
.....XX.XX.XX.XX
....X..X..X..X..X
....X..X..X..X..X
....X..X..X..X..X
..XXX..X..X..X..X
.X..X..X..X..X..X
.X..X...........X
.X..............X
..X.............X
..X.............X
...X...........X
...X...........X
....X.........X
.....X........X
.....XXXXXXXXXX
"""

ARROW = """
X
XX
X.X
X..X
X...X
X..XX
X.X
XX
"""


def overlay(base, top, dx, dy):
    """The drawing `top` placed at (dx, dy) over `base`."""
    rows = [list(r) for r in base.strip("\n").split("\n")]
    for y, line in enumerate(top.strip("\n").split("\n")):
        while len(rows) <= y + dy:
            rows.append([])
        row = rows[y + dy]
        for x, c in enumerate(line):
            while len(row) <= x + dx:
                row.append(".")
            if c == "X":
                row[x + dx] = "X"
    return "\n".join("".join(r) for r in rows)


GRAB_ARROW = overlay(ARROW, GRAB, 5, 7)

DRAG = """
......XX.XX.XX
.....X..X..X..XX
....XX..X..X..X.X
...X.X........X.X
..X..X..........X
..X.............X
...X............X
....X..........X
....X..........X
.....X........X
.....XXXXXXXXXX
"""


# ---------------------------------------------------------------- key

def key():
    size, ss = 42, 4

    def dist_seg(px, py, ax, ay, bx, by):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(px - (ax + t * dx), py - (ay + t * dy))

    def inside(px, py, grow):
        d_bow = math.hypot(px - 13, py - 13)
        if 4.5 - grow <= d_bow <= 10 + grow:
            return True
        if dist_seg(px, py, 19, 19, 35, 35) <= 3 + grow:
            return True
        for ax, ay, bx, by in ((29, 29, 24.5, 33.5), (34, 34, 29.5, 38.5)):
            if dist_seg(px, py, ax, ay, bx, by) <= 2.2 + grow:
                return True
        return False

    def shine(px, py):
        # a lighter band along the upper left of bow and shaft
        d_bow = math.hypot(px - 13, py - 13)
        on_bow = 6.5 <= d_bow <= 8.5 and px + py < 24
        on_shaft = dist_seg(px, py, 20, 19, 34, 33) <= 0.9 and px > py
        return on_bow or on_shaft

    outline = (96, 62, 8)
    gold = (226, 178, 44)
    light = (250, 226, 140)
    pixels = []
    for y in range(size):
        line = []
        for x in range(size):
            cover_out = cover_in = cover_shine = 0
            for sy in range(ss):
                for sx in range(ss):
                    px, py = x + (sx + 0.5) / ss, y + (sy + 0.5) / ss
                    if inside(px, py, 1.0):
                        cover_out += 1
                        if inside(px, py, 0.0):
                            cover_in += 1
                            if shine(px, py):
                                cover_shine += 1
            n = ss * ss
            if cover_out == 0:
                line.append((0, 0, 0, 0))
                continue
            inner = cover_in - cover_shine
            r = (outline[0] * (cover_out - cover_in) + gold[0] * inner + light[0] * cover_shine) / cover_out
            g = (outline[1] * (cover_out - cover_in) + gold[1] * inner + light[1] * cover_shine) / cover_out
            b = (outline[2] * (cover_out - cover_in) + gold[2] * inner + light[2] * cover_shine) / cover_out
            line.append((int(r), int(g), int(b), int(255 * cover_out / n)))
        pixels.append(line)
    write_png("keyicon.png", size, size, pixels)


if __name__ == "__main__":
    key()
    hand("hand_point.png", POINT)
    hand("hand_point_small.png", POINT_SMALL)
    hand("grab_hand.png", GRAB)
    hand("grab_hand_arrow.png", GRAB_ARROW)
    hand("drag_hand.png", DRAG)
