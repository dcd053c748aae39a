#!/usr/bin/env python3
"""Writes PICT drawings made of random sequences of valid QuickDraw opcodes,
for the picture fuzzers to start from: shapes in every verb, arcs at any
angles, polygons, regions, pen modes and patterns (one-bit and pixel), text,
clip regions and origin changes. A fuzzer mutating these stays inside the
drawing engine instead of spending its runs finding the header.

Usage: fuzz/make_pict_seeds.py FOLDER [COUNT] [SEED]
"""
import random
import struct
import sys
from pathlib import Path


def words(*values):
    return b''.join(struct.pack('>h' if v < 0 else '>H', v) for v in values)


class Drawing:
    def __init__(self, rng, side):
        self.rng = rng
        self.side = side
        self.out = bytearray()

    def coordinate(self, slack=8):
        return self.rng.randint(-slack, self.side + slack)

    def rect(self):
        top, bottom = sorted((self.coordinate(), self.coordinate()))
        left, right = sorted((self.coordinate(), self.coordinate()))
        if self.rng.random() < 0.1:  # empty or inside out, now and then
            top, bottom = bottom, top
        return words(top, left, bottom, right)

    def region(self):
        r = self.rng
        if r.random() < 0.3:
            return words(10) + self.rect()
        top = r.randint(0, self.side // 2)
        rows = bytearray()
        y = top
        for _ in range(r.randint(1, 6)):
            points = sorted(r.sample(range(0, self.side), 2 * r.randint(1, 4)))
            rows += words(y, *points, 0x7FFF)
            y += r.randint(1, self.side // 4 + 1)
        rows += words(0x7FFF)
        return words(10 + len(rows), top, 0, y, self.side) + rows

    def polygon(self):
        points = [(self.coordinate(), self.coordinate()) for _ in range(self.rng.randint(2, 12))]
        body = b''.join(words(y, x) for x, y in points)
        return words(10 + len(body)) + words(0, 0, self.side, self.side) + body

    def pixel_pattern(self):
        r = self.rng
        if r.random() < 0.4:
            return words(2) + bytes(r.getrandbits(8) for _ in range(8)) + words(
                r.getrandbits(16), r.getrandbits(16), r.getrandbits(16))
        depth = r.choice((1, 2, 4, 8))
        width = r.choice((8, 16))
        row_bytes = width * depth // 8
        colours = 1 << depth
        pixmap = words(0x8000 | row_bytes, 0, 0, width, width)
        pixmap += words(0, 0) + struct.pack('>III', 0, 0x00480000, 0x00480000)
        pixmap += words(0, depth, 1, depth) + struct.pack('>III', 0, 0, 0)
        table = struct.pack('>IHH', 0, 0, colours - 1)
        for index in range(colours):
            table += words(index, r.getrandbits(16), r.getrandbits(16), r.getrandbits(16))
        data = bytearray()
        for _ in range(width):
            row = bytes(r.getrandbits(8) for _ in range(row_bytes))
            data += row if row_bytes < 8 else bytes([row_bytes + 1, row_bytes - 1]) + row
        return words(1) + bytes(r.getrandbits(8) for _ in range(8)) + pixmap + table + data

    def text(self):
        r = self.rng
        body = bytes(r.choice(b'Hello, QuickDraw \xF0\x8E\xA5') for _ in range(r.randint(0, 20)))
        kind = r.choice((0x28, 0x29, 0x2A, 0x2B))
        if kind == 0x28:
            return words(kind, self.coordinate(), self.coordinate()) + bytes([len(body)]) + body
        deltas = bytes(r.randint(0, 40) for _ in range(2 if kind == 0x2B else 1))
        return words(kind) + deltas + bytes([len(body)]) + body

    def state(self):
        r = self.rng
        choice = r.randrange(12)
        if choice == 0:
            return words(0x0001) + self.region()
        if choice == 1:
            return words(0x0007, r.randint(0, 12), r.randint(0, 12))
        if choice == 2:
            return words(0x0008, r.choice(list(range(16)) + [32, 36, 50, 58]))
        if choice == 3:
            return words(r.choice((0x0002, 0x0009, 0x000A))) + bytes(r.getrandbits(8) for _ in range(8))
        if choice == 4:
            return words(r.choice((0x0012, 0x0013, 0x0014))) + self.pixel_pattern()
        if choice == 5:
            return words(0x000B, r.randint(0, 60), r.randint(0, 60))
        if choice == 6:
            return words(0x000C, r.randint(-20, 20), r.randint(-20, 20))
        if choice == 7:
            return words(r.choice((0x001A, 0x001B)), r.getrandbits(16), r.getrandbits(16), r.getrandbits(16))
        if choice == 8:
            return words(0x0003, r.choice((0, 2, 3, 4, 20, 22))) + words(0x000D, r.randint(1, 48))
        if choice == 9:
            return words(0x0004) + bytes([r.getrandbits(3)]) + b'\0'
        if choice == 10:
            return words(r.choice((0x000E, 0x000F))) + struct.pack('>I', r.choice((33, 30, 205, 341, 409, 273, 137, 69)))
        name = b'Times'
        return words(0x002C, 3 + len(name), r.choice((2, 20))) + bytes([len(name)]) + name

    def shape(self):
        r = self.rng
        verb = r.randint(0, 4)
        same = 8 if r.random() < 0.25 else 0
        family = r.choice((0x30, 0x40, 0x50, 0x60, 0x70, 0x80))
        op = words(family + same + verb)
        if family == 0x60:
            angles = words(r.randint(-720, 720), r.randint(-400, 400))
            return op + (b'' if same else self.rect()) + angles
        if same:
            return op
        if family == 0x70:
            return op + self.polygon()
        if family == 0x80:
            return op + self.region()
        return op + self.rect()

    def line(self):
        r = self.rng
        op = r.choice((0x20, 0x21, 0x22, 0x23))
        ends = {0x20: words(self.coordinate(), self.coordinate(), self.coordinate(), self.coordinate()),
                0x21: words(self.coordinate(), self.coordinate()),
                0x22: words(self.coordinate(), self.coordinate()) + bytes(r.getrandbits(8) for _ in range(2)),
                0x23: bytes(r.getrandbits(8) for _ in range(2))}
        return words(op) + ends[op]

    def picture(self, operations):
        r = self.rng
        extended = r.random() < 0.5
        header = words(0, 0, 0, self.side, self.side) + words(0x0011, 0x02FF, 0x0C00)
        if extended:
            header += words(0xFFFE, 0) + struct.pack('>II', 0x00900000, 0x00900000)
            header += words(0, 0, self.side * 2, self.side * 2) + struct.pack('>I', 0)
        else:
            header += words(0xFFFF, 0xFFFF) + bytes(20)
        self.out = bytearray(header)
        for _ in range(operations):
            part = r.choice((self.state, self.state, self.shape, self.shape, self.shape, self.line, self.text))()
            if len(self.out) % 2:
                self.out += b'\0'
            self.out += part
        if len(self.out) % 2:
            self.out += b'\0'
        self.out += words(0x00FF)
        return bytes(self.out)


def main():
    folder = Path(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    folder.mkdir(parents=True, exist_ok=True)
    for index in range(count):
        drawing = Drawing(rng, rng.choice((16, 64, 200, 640)))
        (folder / f'drawing-{index:04}.pict').write_bytes(drawing.picture(rng.randint(1, 40)))


if __name__ == '__main__':
    main()
