#!/usr/bin/env python3
"""Writes the seed corpus of the model's fuzz target (corpus/model): PGX
files as the editor writes them, from a bare body to every block at the
format's limits, and a few that the reader must refuse."""
import math
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
W, H = 401, 201
CX, CY = (W - 1) / 50 / 2, (H - 1) / 50 / 2


def vertex(px, py, depth=None):
    """The positional transform; depth None is the +0.0 that the format fixes."""
    z = 0.0 if depth is None else -(depth / 50) if depth else -0.0
    return struct.pack('<fff', px / 50 - CX, CY - py / 50, z)


def strip(columns, x0, x1, y0, y1, depth=None):
    out = b''
    for k in range(columns):
        px = x0 + (x1 - x0) * k / max(1, columns - 1)
        out += vertex(px, y0) + vertex(px, y1, depth)
    return out, (2 * columns - 1 if columns else 0)


def pgx(columns=7, n=4, tail=3, dorsal=4, anal=3, ventral=2, whisker=2, pectoral=True, eye=True):
    blocks = []
    for j in range(n + 1):
        a = math.pi * j / n
        blocks.append(struct.pack('<fff', 0, math.cos(a), -math.sin(a)))
    for i in range(columns):
        px = 300 * i / max(1, columns - 1)
        top, bottom = 100 - 50 * math.sin(math.pi * px / 300) - 2, 100 + 45 * math.sin(math.pi * px / 300) + 2
        for j in range(n + 1):
            a = math.pi * j / n
            depth = 0 if j in (0, n) else 60 * math.sin(math.pi * px / 300) * math.sin(a)
            py = top + (bottom - top) * (1 - math.cos(a)) / 2
            blocks.append(vertex(px, py, None if i in (0, columns - 1) else depth))
    t, tl = strip(tail, 300, 398, 40, 160)
    d, dl = strip(dorsal, 140, 230, 10, 55)
    an, al = strip(anal, 220, 279, 140, 164)
    v, vl = strip(ventral, 121, 169, 150, 191, 20)
    w, wl = strip(whisker, 3, 18, 104, 123)
    blocks += [t, d, an, v]
    if pectoral:
        blocks += [vertex(82, 101.5, 0), vertex(82, 101, 0), vertex(124, 104, 12), vertex(100, 126, 6)]
    blocks.append(w)
    if eye:
        blocks += [vertex(45, 82, 30), struct.pack('<fff', 8 / 50, 4 / 50, 0), struct.pack('<I', 0x00203040)]
    head = b'PGDX f00' + bytes([0, 1 if eye else 0, 0 if pectoral else 1, wl & 0xFF])
    head += struct.pack('<I', 0x00F0D8B0)
    head += struct.pack('<10h', W, H, 300, columns - 1, n, columns * (n + 1), tl, dl, vl, al)
    head += struct.pack('<f', (W - 1) - 300 / 100)
    return head + b''.join(blocks)


def write(name, data):
    os.makedirs(os.path.join(here, 'corpus', 'model'), exist_ok=True)
    with open(os.path.join(here, 'corpus', 'model', name), 'wb') as f:
        f.write(data)


write('every-part', pgx())
write('bare-body', pgx(tail=0, dorsal=0, anal=0, ventral=0, whisker=0, pectoral=False, eye=False))
write('n1', pgx(n=1))
write('largest', pgx(columns=250, n=10, tail=25, dorsal=25, anal=25, ventral=25, whisker=25))
write('single-columns', pgx(tail=1, dorsal=1, anal=1, ventral=1, whisker=1))
write('two-columns', pgx(columns=2))
write('truncated', pgx()[:-5])
write('left-over', pgx() + b'\0')
write('wrong-magic', b'PGDX f01' + pgx()[8:])
