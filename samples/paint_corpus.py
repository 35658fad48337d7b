#!/usr/bin/env python3
"""Paints the corpus of fish pictures that the whole-fish trace is measured on.

Usage: python3 paint_corpus.py OUTPUT_FOLDER

Each fish is written as the picture people would have (a BMP, a PNG, a PNG
with a transparent background, facing left or right, with or without a
margin, smooth or pixel art) and beside it NAME_labels.png, an 8-bit grey
picture that says which painted part every pixel belongs to, facing the same
way as the picture:

    0  background                    10  tail fin
    1  body                          20, 21  dorsal fins
    2  eye                           30  ventral (pelvic) fins
    3  whisker                       40  anal fin
    4  pectoral fin on the body      50  pectoral fin standing out of the body

A fin's label holds only the part of it that shows outside the body (fins
are painted behind the body, as in paint_fish.py). corpus.json lists the
pictures: the sample fish of paint_fish.py (as fish.bmp and as koi.png)
and the fish painted here; for each the file, its labels, whether it faces right ("mirror"), and
"encode" where the measurement is to take the picture through a lossy coder
first ("jpeg" with a quality). Every fish is drawn with hard edges (a pixel
is fish when the middle of it is covered) except the transparent sprite,
whose edge is soft (alpha is the covered share; alpha below 128 counts as
background, so the labels follow the same half-covered rule). The output is
the same on every run.
"""

import json
import math
import os
import random
import struct
import sys
import zlib

BODY, EYE, WHISKER, PECTORAL_ON_BODY = 1, 2, 3, 4
TAIL, DORSAL, DORSAL2, VENTRAL, ANAL, PECTORAL = 10, 20, 21, 30, 40, 50


# ---------------------------------------------------------------- shapes

def smoothstep(u):
    u = min(1.0, max(0.0, u))
    return u * u * (3.0 - 2.0 * u)


class Body:
    """A body from the snout at x0 to the tail root at x1 around a centre line.

    height: the deepest body; peak: where it is deepest (share of the length);
    head: how blunt the head is (small is blunt); root: the height at the tail
    root as a share of the deepest; lift: the back bulges this much more than
    the belly (share of the half-height)."""

    def __init__(self, x0, x1, cy, height, peak=0.35, head=0.6, root=0.22, lift=0.15, tail_k=1.2):
        self.x0, self.x1, self.cy, self.height = x0, x1, cy, height
        self.peak, self.head, self.root, self.lift, self.tail_k = peak, head, root, lift, tail_k

    def half(self, x):
        t = (x - self.x0) / (self.x1 - self.x0)
        t = min(1.0, max(0.0, t))
        if t < self.peak:
            u = (self.peak - t) / self.peak
            s = max(0.0, 1.0 - u * u) ** self.head
        else:
            u = (t - self.peak) / (1.0 - self.peak)
            s = self.root + (1.0 - self.root) * math.cos(0.5 * math.pi * u) ** self.tail_k
        return 0.5 * self.height * s

    def top(self, x):
        return self.cy - self.half(x) * (1.0 + self.lift)

    def bottom(self, x):
        return self.cy + self.half(x) * (1.0 - self.lift)

    def polygon(self, step=0.5):
        xs = []
        x = self.x0
        while x < self.x1:
            xs.append(x)
            x += step
        xs.append(self.x1)
        return [(x, self.top(x)) for x in xs] + [(x, self.bottom(x)) for x in reversed(xs)]


def fin_on(body, side, x0, x1, edge, inset=3.0):
    """A fin whose base runs along the back (side 'top') or the belly ('bottom')
    from x0 to x1, tucked `inset` into the body; edge: its outer points as
    (x, distance out from the body line at x), from the front to the back."""
    line = body.top if side == "top" else body.bottom
    out = -1.0 if side == "top" else 1.0
    base = []
    x = x0
    while x < x1:
        base.append((x, line(x) - out * inset))
        x += 1.0
    base.append((x1, line(x1) - out * inset))
    outer = [(x, line(min(max(x, body.x0), body.x1)) + out * d) for x, d in edge]
    return base + outer[::-1]


def smooth(points, steps=10):
    """A smooth curve through the points (Catmull-Rom)."""
    out = []
    n = len(points)
    for i in range(n - 1):
        p0, p1, p2, p3 = points[max(0, i - 1)], points[i], points[i + 1], points[min(n - 1, i + 2)]
        for s in range(steps):
            t = s / steps
            out.append(tuple(
                0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t
                       + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t * t
                       + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t * t * t)
                for k in range(2)))
    out.append(points[-1])
    return out


def outline(pic, label, poly, radius, colour_at):
    """Inks the outline of a polygon: a quad along every edge and a disc at every corner."""
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        d = math.hypot(bx - ax, by - ay)
        if d == 0:
            continue
        nx, ny = -(by - ay) / d * radius, (bx - ax) / d * radius
        pic.add(label, [(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)], colour_at)
        pic.add(label, disc(ax, ay, radius, 12), colour_at)


def disc(cx, cy, r, n=48):
    return [(cx + r * math.cos(2 * math.pi * k / n), cy + r * math.sin(2 * math.pi * k / n))
            for k in range(n)]


def stroke(path, radius):
    """The outline of a round-ended thick line along a path, as one polygon
    (left side forward, right side back); fine for gently bending paths."""
    left, right = [], []
    for i, (x, y) in enumerate(path):
        ax, ay = path[max(0, i - 1)]
        bx, by = path[min(len(path) - 1, i + 1)]
        dx, dy = bx - ax, by - ay
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d * radius, dx / d * radius
        left.append((x + nx, y + ny))
        right.append((x - nx, y - ny))
    return left + right[::-1]


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def body_colour(body, back, belly, spots=(), stripes=None):
    def colour_at(x, y):
        top, bottom = body.top(x), body.bottom(x)
        v = (y - top) / max(1.0, bottom - top)
        c = mix(back, belly, smoothstep(v * 1.2 - 0.1))
        for sx, sy, r, tint in spots:
            if (x - sx) ** 2 + (y - sy) ** 2 < r * r:
                c = mix(c, tint, 0.7)
        if stripes and int((x - body.x0) / stripes[0]) % 2 == 1:
            c = mix(c, stripes[1], 0.6)
        return c
    return colour_at


def flat(colour):
    return lambda x, y: colour


def vertical(y0, y1, near, far):
    return lambda x, y: mix(near, far, (y - y0) / (y1 - y0) if y1 != y0 else 0.0)


# ---------------------------------------------------------------- painting

class Picture:
    def __init__(self, width, height, background):
        self.w, self.h, self.background = width, height, background
        self.parts = []  # (label, polygon, colour_at), painted in order

    def add(self, label, polygon, colour_at):
        self.parts.append((label, polygon, colour_at))


def coverage(poly, w, h, samples):
    """Covered share of each pixel touched by a polygon: {index: share}. Each
    pixel row is cut `samples` times; along a cut the covered length is exact."""
    edges = [(poly[i], poly[(i + 1) % len(poly)]) for i in range(len(poly))]
    edges = [(a, b) for a, b in edges if a[1] != b[1]]
    ymin = max(0, int(math.floor(min(p[1] for p in poly))))
    ymax = min(h - 1, int(math.ceil(max(p[1] for p in poly))))
    cov = {}
    for j in range(ymin, ymax + 1):
        for s in range(samples):
            y = j + (s + 0.5) / samples
            xs = sorted(a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
                        for a, b in edges if (a[1] <= y < b[1]) or (b[1] <= y < a[1]))
            for a, b in zip(xs[0::2], xs[1::2]):
                a, b = max(0.0, a), min(float(w), b)
                if b <= a:
                    continue
                i0, i1 = int(a), min(w - 1, int(b))
                row = j * w
                for i in range(i0, i1 + 1):
                    share = (min(b, i + 1.0) - max(a, float(i))) / samples
                    if share > 0:
                        k = row + i
                        cov[k] = cov.get(k, 0.0) + share
    return cov


def render(pic, soft=False):
    """Colours (r, g, b, alpha) and labels of every pixel. A pixel belongs to
    the last part that covers at least half of it; with soft, alpha is the
    largest share any part covers, else 255 for fish and 0 for background."""
    n = pic.w * pic.h
    labels = bytearray(n)
    colour = [None] * n
    alpha = [0.0] * n
    for label, poly, colour_at in pic.parts:
        for k, share in coverage(poly, pic.w, pic.h, 4 if soft else 1).items():
            x, y = k % pic.w + 0.5, k // pic.w + 0.5
            if share >= 0.5:
                labels[k] = label
                colour[k] = colour_at(x, y)
            elif colour[k] is None and soft:
                colour[k] = colour_at(x, y)
            alpha[k] = max(alpha[k], min(1.0, share))
    pixels = []
    bg = pic.background
    for k in range(n):
        if labels[k]:
            c = tuple(max(0, min(255, int(v + 0.5))) for v in colour[k])
            if c == bg:
                c = (c[0] ^ 1, c[1], c[2])
            a = int(alpha[k] * 255 + 0.5) if soft else 255
            pixels.append(c + (max(a, 128),))
        elif soft and colour[k] is not None:
            c = tuple(max(0, min(255, int(v + 0.5))) for v in colour[k])
            pixels.append(c + (min(127, int(alpha[k] * 255 + 0.5)),))
        else:
            pixels.append(bg + (0,))
    return pixels, labels


# ---------------------------------------------------------------- files

def png(width, height, rows, colour_type):
    """A PNG of 8-bit channels: colour type 0 grey, 2 RGB, 6 RGBA."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    raw = bytearray()
    for row in rows:
        raw.append(0)
        raw += row
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def bmp(width, height, pixels):
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = pixels[y * width + x][:3]
            image += bytes((b, g, r))
        image += bytes(stride - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + bytes(image)


def mirrored(values, w, h):
    return [values[y * w + (w - 1 - x)] for y in range(h) for x in range(w)]


def enlarged(values, w, h, k):
    return [values[(y // k) * w + x // k] for y in range(h * k) for x in range(w * k)]


# ---------------------------------------------------------------- the fish

def eye(pic, x, y, r, cartoon=False):
    if cartoon:
        pic.add(EYE, disc(x, y, r), flat((250, 250, 250)))
        pic.add(EYE, disc(x + 0.25 * r, y, 0.5 * r), flat((16, 16, 16)))
    else:
        pic.add(EYE, disc(x, y, r), flat((40, 30, 30)))
        pic.add(EYE, disc(x, y, 0.62 * r), flat((12, 10, 14)))
        pic.add(EYE, disc(x - 0.3 * r, y - 0.3 * r, 0.22 * r), flat((240, 240, 240)))


def forked_tail(body, length, spread, notch):
    """A forked tail from the tail root: lobes reaching `length` behind the
    root and `spread` above and below its middle; the notch reaches in to
    `notch` of the length."""
    rx, cy = body.x1 - 4, body.cy
    top, bottom = body.top(rx), body.bottom(rx)
    upper = smooth([(rx, top), (rx + 0.45 * length, cy - 0.55 * spread), (rx + length, cy - spread)])
    lower = smooth([(rx + length, cy + spread), (rx + 0.45 * length, cy + 0.55 * spread), (rx, bottom)])
    back = smooth([(rx + length, cy - spread + 2), (rx + notch * length, cy),
                   (rx + length, cy + spread - 2)], 14)
    return upper + back + lower


def round_tail(body, length, spread):
    rx, cy = body.x1 - 4, body.cy
    top, bottom = body.top(rx), body.bottom(rx)
    return smooth([(rx, top), (rx + 0.35 * length, cy - 0.8 * spread), (rx + 0.8 * length, cy - 0.75 * spread),
                   (rx + length, cy), (rx + 0.8 * length, cy + 0.75 * spread),
                   (rx + 0.35 * length, cy + 0.8 * spread), (rx, bottom)], 12)


def classic(name, w, h, margin_x, cy, length, height, back, belly, bg, tail="forked", dorsal=True,
            ventral=True, anal=True, eye_r=None, whiskers=False, peak=0.35, head=0.6):
    """A carp-like fish: body, forked or round tail, dorsal, ventral and anal fins."""
    pic = Picture(w, h, bg)
    x0 = margin_x
    body = Body(x0, x0 + 0.78 * length, cy, height, peak=peak, head=head)
    L = body.x1 - body.x0
    fin_colour = vertical(cy - height, cy + height, mix(back, (255, 255, 255), 0.2),
                          mix(belly, back, 0.3))
    if tail == "forked":
        pic.add(TAIL, forked_tail(body, 0.27 * length, 0.55 * height, 0.7), fin_colour)
    elif tail == "round":
        pic.add(TAIL, round_tail(body, 0.25 * length, 0.5 * height), fin_colour)
    if dorsal:
        a, b = body.x0 + 0.38 * L, body.x0 + 0.7 * L
        pic.add(DORSAL, fin_on(body, "top", a, b, smooth(
            [(a, 1), (a + 0.1 * L, 0.4 * height), (a + 0.22 * L, 0.45 * height), (b + 0.03 * L, 0.12 * height),
             (b, 1)], 8)), fin_colour)
    if ventral:
        a, b = body.x0 + 0.36 * L, body.x0 + 0.48 * L
        pic.add(VENTRAL, fin_on(body, "bottom", a, b, smooth(
            [(a, 1), (a + 0.08 * L, 0.25 * height), (b + 0.06 * L, 0.33 * height), (b, 1)], 8)), fin_colour)
    if anal:
        a, b = body.x0 + 0.7 * L, body.x0 + 0.86 * L
        pic.add(ANAL, fin_on(body, "bottom", a, b, smooth(
            [(a, 1), (a + 0.05 * L, 0.22 * height), (b + 0.02 * L, 0.18 * height), (b, 1)], 8)), fin_colour)
    if whiskers:
        for dx, reach in ((2, 0.35), (7, 0.5)):
            path = smooth([(x0 + dx, body.cy + 0.02 * height), (x0 + dx + 3, cy + 0.2 * height),
                           (x0 + dx + 8, cy + reach * height)], 8)
            pic.add(WHISKER, stroke(path, 1.3), flat((120, 70, 40)))
    pic.add(BODY, body.polygon(), body_colour(body, back, belly,
                                              spots=[(x0 + 0.5 * L, cy - 0.1 * height, 0.08 * height, (200, 60, 30))]))
    # a pectoral fin lying on the body's side
    px, py = x0 + 0.24 * L, cy + 0.12 * height
    pic.add(PECTORAL_ON_BODY, smooth([(px, py - 5), (px + 0.12 * L, py + 0.08 * height),
                                      (px + 0.03 * L, py + 0.16 * height), (px, py - 5)], 6),
            flat(mix(belly, back, 0.5)))
    eye(pic, x0 + 0.1 * L, cy - 0.12 * height, eye_r or 0.07 * height)
    return pic


def eel():
    w, h = 640, 120
    pic = Picture(w, h, (210, 228, 236))
    body = Body(12, 600, 58, 44, peak=0.2, head=0.45, root=0.05, lift=0.0, tail_k=0.8)
    L = body.x1 - body.x0
    fin = flat((150, 120, 60))
    # one fin from the middle of the back round the pointed tail to the middle of the belly
    a = body.x0 + 0.35 * L
    b = body.x0 + 0.45 * L
    top_edge = [(x, 4 + 5 * smoothstep((x - a) / 60.0)) for x in range(int(a), 606, 12)]
    bottom_edge = [(x, 4 + 5 * smoothstep((x - b) / 60.0)) for x in range(int(b), 606, 12)]
    pic.add(DORSAL, fin_on(body, "top", a, body.x1, top_edge + [(610, 2)]), fin)
    pic.add(ANAL, fin_on(body, "bottom", b, body.x1, bottom_edge + [(610, 2)]), fin)
    pic.add(BODY, body.polygon(), body_colour(body, (90, 80, 40), (200, 190, 120)))
    pic.add(PECTORAL_ON_BODY, disc(body.x0 + 0.1 * L, 62, 6), flat((170, 150, 80)))
    eye(pic, body.x0 + 0.035 * L, 52, 4)
    return pic


def puffer():
    w, h = 360, 300
    pic = Picture(w, h, (236, 240, 220))
    body = Body(30, 290, 150, 200, peak=0.42, head=0.5, root=0.2, lift=0.05, tail_k=1.5)
    L = body.x1 - body.x0
    fin = flat((180, 170, 90))
    pic.add(TAIL, round_tail(body, 60, 34), fin)
    pic.add(DORSAL, fin_on(body, "top", body.x0 + 0.72 * L, body.x0 + 0.86 * L,
                           [(body.x0 + 0.74 * L, 14), (body.x0 + 0.84 * L, 22), (body.x0 + 0.9 * L, 6)]), fin)
    pic.add(ANAL, fin_on(body, "bottom", body.x0 + 0.72 * L, body.x0 + 0.86 * L,
                         [(body.x0 + 0.74 * L, 14), (body.x0 + 0.84 * L, 20), (body.x0 + 0.9 * L, 6)]), fin)
    spots = [(body.x0 + 20 + 37 * (k % 6), 90 + 30 * (k // 6), 5, (90, 80, 50)) for k in range(18)]
    pic.add(BODY, body.polygon(), body_colour(body, (170, 160, 100), (250, 248, 235), spots=spots))
    pic.add(PECTORAL_ON_BODY, smooth([(body.x0 + 0.4 * L, 140), (body.x0 + 0.5 * L, 128), (body.x0 + 0.5 * L, 160),
                                      (body.x0 + 0.4 * L, 150)], 5), flat((210, 200, 120)))
    eye(pic, body.x0 + 0.2 * L, 118, 13)
    return pic


def angelfish():
    w, h = 360, 480
    pic = Picture(w, h, (30, 60, 90))
    body = Body(30, 250, 240, 190, peak=0.4, head=0.7, root=0.15, lift=0.0, tail_k=1.3)
    L = body.x1 - body.x0
    fin = vertical(40, 400, (230, 230, 200), (200, 200, 150))
    pic.add(TAIL, smooth([(246, 220), (300, 170), (325, 180), (318, 240), (325, 300), (300, 310), (246, 260)], 8), fin)
    # tall fins swept back
    pic.add(DORSAL, fin_on(body, "top", body.x0 + 0.3 * L, body.x0 + 0.9 * L, smooth(
        [(body.x0 + 0.3 * L, 2), (body.x0 + 0.5 * L, 80), (body.x0 + 0.78 * L, 130), (body.x0 + 0.86 * L, 115),
         (body.x0 + 0.92 * L, 60), (body.x0 + 0.9 * L, 2)], 6)), fin)
    pic.add(ANAL, fin_on(body, "bottom", body.x0 + 0.35 * L, body.x0 + 0.9 * L, smooth(
        [(body.x0 + 0.35 * L, 2), (body.x0 + 0.55 * L, 70), (body.x0 + 0.8 * L, 120), (body.x0 + 0.87 * L, 100),
         (body.x0 + 0.93 * L, 50), (body.x0 + 0.9 * L, 2)], 6)), fin)
    # long thin ventral fins
    vx = body.x0 + 0.3 * L
    pic.add(VENTRAL, stroke(smooth([(vx, body.bottom(vx) - 4), (vx + 8, body.bottom(vx) + 60),
                                    (vx + 20, body.bottom(vx) + 120)], 8), 2.5), flat((230, 220, 160)))
    stripes = (22.0, (40, 40, 40))
    pic.add(BODY, body.polygon(), body_colour(body, (200, 200, 180), (240, 240, 220), stripes=stripes))
    eye(pic, body.x0 + 0.14 * L, 220, 9)
    return pic


def shark():
    w, h = 600, 260
    pic = Picture(w, h, (160, 200, 230))
    body = Body(20, 470, 120, 100, peak=0.35, head=1.2, root=0.15, lift=0.1, tail_k=1.0)
    L = body.x1 - body.x0
    grey = (110, 120, 130)
    fin = flat(grey)
    rx = body.x1 - 4
    # the upper lobe far longer than the lower one
    pic.add(TAIL, smooth([(rx, body.top(rx)), (rx + 60, 70), (rx + 115, 20), (rx + 100, 60), (rx + 80, 110),
                          (rx + 55, 140), (rx + 25, 150), (rx, body.bottom(rx))], 8), fin)
    a = body.x0 + 0.33 * L
    pic.add(DORSAL, fin_on(body, "top", a, a + 0.14 * L,
                           [(a + 0.02 * L, 10), (a + 0.12 * L, 60), (a + 0.17 * L, 55), (a + 0.14 * L, 4)]), fin)
    a2 = body.x0 + 0.78 * L
    pic.add(DORSAL2, fin_on(body, "top", a2, a2 + 0.05 * L, [(a2 + 0.02 * L, 14), (a2 + 0.07 * L, 16),
                                                              (a2 + 0.05 * L, 2)]), fin)
    # a big pectoral fin standing out below the body
    p = body.x0 + 0.24 * L
    pic.add(PECTORAL, fin_on(body, "bottom", p, p + 0.09 * L,
                             [(p + 0.04 * L, 25), (p + 0.17 * L, 62), (p + 0.13 * L, 30), (p + 0.09 * L, 2)]), fin)
    v = body.x0 + 0.62 * L
    pic.add(VENTRAL, fin_on(body, "bottom", v, v + 0.06 * L, [(v + 0.03 * L, 16), (v + 0.09 * L, 18),
                                                              (v + 0.06 * L, 2)]), fin)
    an = body.x0 + 0.8 * L
    pic.add(ANAL, fin_on(body, "bottom", an, an + 0.05 * L, [(an + 0.02 * L, 12), (an + 0.07 * L, 13),
                                                             (an + 0.05 * L, 2)]), fin)
    pic.add(BODY, body.polygon(), body_colour(body, grey, (235, 235, 230)))
    eye(pic, body.x0 + 0.12 * L, 108, 5)
    return pic


def veiltail():
    """Long flowing fins and long whiskers."""
    w, h = 520, 360
    pic = Picture(w, h, (250, 246, 236))
    body = Body(40, 300, 160, 110, peak=0.35, head=0.55, root=0.3, lift=0.15)
    L = body.x1 - body.x0
    fin = vertical(20, 340, (240, 120, 60), (250, 200, 150))
    rx = body.x1 - 4
    pic.add(TAIL, smooth([(rx, body.top(rx)), (rx + 80, 60), (rx + 190, 40), (rx + 150, 130), (rx + 200, 170),
                          (rx + 160, 230), (rx + 190, 320), (rx + 80, 270), (rx, body.bottom(rx))], 8), fin)
    a = body.x0 + 0.3 * L
    pic.add(DORSAL, fin_on(body, "top", a, body.x0 + 0.82 * L,
                           [(a + 10, 30), (a + 60, 90), (a + 150, 95), (body.x0 + 0.98 * L, 40),
                            (body.x0 + 0.86 * L, 2)]), fin)
    v = body.x0 + 0.32 * L
    pic.add(VENTRAL, fin_on(body, "bottom", v, v + 30, [(v + 20, 50), (v + 70, 120), (v + 60, 60), (v + 30, 2)]), fin)
    an = body.x0 + 0.68 * L
    pic.add(ANAL, fin_on(body, "bottom", an, an + 50, [(an + 20, 40), (an + 80, 90), (an + 90, 40), (an + 50, 2)]),
            fin)
    # barbels from the mouth, hanging down and back
    for dx, reach, back in ((4, 110, 40), (10, 90, 60)):
        path = smooth([(body.x0 + dx, 166), (body.x0 + dx + 6, 200), (body.x0 + dx + back, 166 + reach)], 10)
        pic.add(WHISKER, stroke(path, 1.6), flat((150, 70, 40)))
    pic.add(BODY, body.polygon(), body_colour(body, (230, 90, 40), (250, 220, 190)))
    eye(pic, body.x0 + 0.12 * L, 142, 8)
    return pic


def sprite():
    """A small fish in the middle of a large transparent sheet, with a soft edge."""
    pic = classic("sprite", 480, 320, 150, 165, 200, 70, (60, 120, 200), (220, 235, 250), (255, 0, 255),
                  tail="forked")
    return pic


def pixel_art():
    """A fish painted at 64 x 32 and enlarged five times, nearest neighbour."""
    pic = Picture(64, 32, (0, 0, 0))
    body = Body(4, 44, 16, 15, peak=0.4, head=0.5, root=0.3, lift=0.1)
    pic.add(TAIL, [(42, 13), (56, 4), (53, 16), (56, 28), (42, 19)], flat((250, 200, 40)))
    pic.add(DORSAL, fin_on(body, "top", 18, 32, [(20, 4), (28, 6), (33, 1)], inset=1), flat((250, 200, 40)))
    pic.add(ANAL, fin_on(body, "bottom", 28, 36, [(30, 4), (37, 3)], inset=1), flat((250, 200, 40)))
    pic.add(BODY, body.polygon(), body_colour(body, (250, 120, 20), (255, 230, 160)))
    pic.add(EYE, [(9, 12), (11, 12), (11, 14), (9, 14)], flat((255, 255, 255)))
    pic.add(EYE, [(10, 12), (11, 12), (11, 13), (10, 13)], flat((0, 0, 0)))
    return pic


def trout():
    return classic("trout", 500, 200, 20, 100, 460, 84, (80, 100, 60), (230, 220, 200), (200, 220, 200),
                   tail="forked", peak=0.4, head=0.8)


def tuna():
    """A tuna on a transparent background: a thin lunate tail, tall narrow fins."""
    w, h = 560, 240
    pic = Picture(w, h, (0, 0, 0))
    body = Body(20, 440, 120, 110, peak=0.42, head=1.0, root=0.1, lift=0.05, tail_k=0.9)
    L = body.x1 - body.x0
    blue, silver = (30, 50, 110), (210, 215, 225)
    fin = flat((70, 80, 120))
    rx = body.x1 - 6
    pic.add(TAIL, smooth([(rx, body.top(rx)), (rx + 40, 80), (rx + 95, 20), (rx + 70, 80), (rx + 45, 120),
                          (rx + 70, 160), (rx + 95, 220), (rx + 40, 160), (rx, body.bottom(rx))], 8), fin)
    a = body.x0 + 0.32 * L
    pic.add(DORSAL, fin_on(body, "top", a, a + 0.12 * L, [(a + 0.03 * L, 30), (a + 0.1 * L, 12), (a + 0.12 * L, 2)]),
            fin)
    a2 = body.x0 + 0.56 * L
    pic.add(DORSAL2, fin_on(body, "top", a2, a2 + 0.08 * L, [(a2 + 0.04 * L, 40), (a2 + 0.1 * L, 46),
                                                             (a2 + 0.08 * L, 2)]), fin)
    pic.add(ANAL, fin_on(body, "bottom", a2 + 0.03 * L, a2 + 0.1 * L, [(a2 + 0.06 * L, 36), (a2 + 0.12 * L, 42),
                                                                      (a2 + 0.1 * L, 2)]), fin)
    pic.add(BODY, body.polygon(), body_colour(body, blue, silver))
    eye(pic, body.x0 + 0.1 * L, 108, 7)
    return pic


def carp():
    return classic("carp", 460, 240, 24, 118, 420, 120, (150, 120, 50), (240, 225, 170), (255, 255, 255),
                   tail="forked", whiskers=True)


def touching():
    """Fins whose tips touch each other and the tail, closing pockets of water."""
    w, h = 480, 240
    pic = Picture(w, h, (200, 230, 250))
    body = Body(20, 330, 120, 110, peak=0.35, head=0.6, root=0.25, lift=0.1)
    L = body.x1 - body.x0
    fin = flat((230, 150, 60))
    pic.add(TAIL, forked_tail(body, 120, 70, 0.7), fin)
    a = body.x0 + 0.4 * L
    # the dorsal fin runs back and touches the upper lobe of the tail
    pic.add(DORSAL, fin_on(body, "top", a, body.x0 + 0.8 * L,
                           [(a + 10, 30), (a + 60, 45), (body.x0 + 0.97 * L, 40), (body.x1 + 40, 10),
                            (body.x0 + 0.85 * L, 2)]), fin)
    v = body.x0 + 0.38 * L
    an = body.x0 + 0.62 * L
    # the ventral fin reaches back to the anal fin, which touches the lower lobe
    pic.add(VENTRAL, fin_on(body, "bottom", v, v + 30, [(v + 15, 25), (an + 12, 30), (v + 45, 6)]), fin)
    pic.add(ANAL, fin_on(body, "bottom", an, an + 60, [(an + 10, 30), (body.x0 + 0.95 * L, 40),
                                                       (body.x1 + 40, 10), (an + 60, 2)]), fin)
    pic.add(BODY, body.polygon(), body_colour(body, (230, 110, 30), (250, 230, 200)))
    eye(pic, body.x0 + 0.1 * L, 105, 7)
    return pic


def plain():
    """A fish with no fins at all: a body and nothing else."""
    w, h = 400, 200
    pic = Picture(w, h, (255, 255, 255))
    body = Body(30, 370, 100, 120, peak=0.45, head=0.6, root=0.02, lift=0.0, tail_k=1.0)
    pic.add(BODY, body.polygon(), body_colour(body, (90, 150, 90), (200, 230, 190)))
    eye(pic, 75, 90, 8)
    return pic


def cartoon():
    """Flat colours, a dark outline, a big round eye and a round tail."""
    w, h = 420, 260
    pic = Picture(w, h, (120, 210, 240))
    body = Body(30, 290, 130, 150, peak=0.4, head=0.45, root=0.35, lift=0.05)
    L = body.x1 - body.x0
    ink = flat((20, 20, 30))
    a = body.x0 + 0.35 * L
    for label, poly, colour in ((TAIL, round_tail(body, 100, 80), (255, 200, 0)),
                                (DORSAL, fin_on(body, "top", a, a + 0.3 * L,
                                                [(a + 10, 30), (a + 0.2 * L, 45), (a + 0.3 * L, 4)]),
                                 (255, 200, 0)),
                                (BODY, body.polygon(2.0), (255, 140, 0))):
        pic.add(label, poly, flat(colour))
        outline(pic, label, poly, 2.0, ink)
    eye(pic, body.x0 + 0.18 * L, 112, 18, cartoon=True)
    return pic


def noisy(pic, rng, amount):
    """The picture as a worn scan: every pixel's channels moved by up to `amount`."""
    def jitter(rgba):
        return tuple(max(0, min(255, v + rng.randint(-amount, amount))) for v in rgba[:3]) + (rgba[3],)
    return jitter


CORPUS = [
    # name, painter, how it is written
    ("eel", eel, {}),
    ("puffer", puffer, {}),
    ("angelfish", angelfish, {}),
    ("shark", shark, {}),
    ("veiltail", veiltail, {}),
    ("sprite", sprite, {"transparent": True, "soft": True}),
    ("pixel_art", pixel_art, {"enlarge": 5}),
    ("trout_right", trout, {"mirror": True, "format": "bmp"}),
    ("tuna", tuna, {"transparent": True}),
    ("carp_jpeg", carp, {"encode": ["jpeg", 80]}),
    ("carp_noisy", carp, {"noise": 40}),
    ("touching", touching, {}),
    ("plain", plain, {}),
    ("cartoon", cartoon, {}),
]


def write(folder, name, painter, how):
    pic = painter()
    pixels, labels = render(pic, soft=how.get("soft", False))
    w, h = pic.w, pic.h
    labels = list(labels)
    if "enlarge" in how:
        k = how["enlarge"]
        pixels, labels = enlarged(pixels, w, h, k), enlarged(labels, w, h, k)
        w, h = w * k, h * k
    if how.get("mirror"):
        pixels, labels = mirrored(pixels, w, h), mirrored(labels, w, h)
    if "noise" in how:
        rng = random.Random(name)
        jitter = noisy(pic, rng, how["noise"])
        pixels = [jitter(p) for p in pixels]
    if pixels[0][3] >= 128 or labels[0] != 0:
        raise SystemExit(f"{name}: the top-left pixel must be background")
    picture = name + (".bmp" if how.get("format") == "bmp" else ".png")
    with open(os.path.join(folder, picture), "wb") as f:
        if how.get("format") == "bmp":
            f.write(bmp(w, h, pixels))
        elif how.get("transparent"):
            f.write(png(w, h, [bytes(v for p in pixels[y * w:(y + 1) * w] for v in p) for y in range(h)], 6))
        else:
            f.write(png(w, h, [bytes(v for p in pixels[y * w:(y + 1) * w] for v in p[:3]) for y in range(h)], 2))
    with open(os.path.join(folder, name + "_labels.png"), "wb") as f:
        f.write(png(w, h, [bytes(labels[y * w:(y + 1) * w]) for y in range(h)], 0))
    entry = {"name": name, "picture": picture, "labels": name + "_labels.png",
             "mirror": bool(how.get("mirror"))}
    if "encode" in how:
        entry["encode"] = how["encode"]
    return entry


def write_sample_fish(folder):
    """The sample fish of paint_fish.py, as samples/fish.bmp has it and as the
    right-facing transparent samples/koi.png has it."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import paint_fish
    canvas = paint_fish.paint_canvas()
    ids = {paint_fish.TAIL: TAIL, paint_fish.DORSAL: DORSAL, paint_fish.VENTRAL: VENTRAL,
           paint_fish.ANAL: ANAL, paint_fish.BODY: BODY, paint_fish.PECTORAL: PECTORAL_ON_BODY,
           paint_fish.EYE: EYE, paint_fish.WHISKER: WHISKER}
    rows = canvas.to_pixels()
    labels = canvas.to_labels(ids)
    w, h = paint_fish.WIDTH, paint_fish.HEIGHT
    with open(os.path.join(folder, "fish.bmp"), "wb") as f:
        f.write(paint_fish.bmp_bytes(rows))
    with open(os.path.join(folder, "fish_labels.png"), "wb") as f:
        f.write(png(w, h, [bytes(labels[y * w:(y + 1) * w]) for y in range(h)], 0))
    with open(os.path.join(folder, "koi.png"), "wb") as f:
        f.write(paint_fish.png_bytes(rows))
    koi = mirrored(labels, w, h)
    with open(os.path.join(folder, "koi_labels.png"), "wb") as f:
        f.write(png(w, h, [bytes(koi[y * w:(y + 1) * w]) for y in range(h)], 0))
    return [{"name": "fish", "picture": "fish.bmp", "labels": "fish_labels.png", "mirror": False},
            {"name": "koi", "picture": "koi.png", "labels": "koi_labels.png", "mirror": True}]


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    entries = write_sample_fish(folder)
    entries += [write(folder, name, painter, how) for name, painter, how in CORPUS]
    with open(os.path.join(folder, "corpus.json"), "w") as f:
        json.dump({"pictures": entries}, f, indent=1)
        f.write("\n")


if __name__ == "__main__":
    main()
