#!/usr/bin/env python3
"""Paints the sample fish and writes it as samples/fish.bmp.

The picture is 401 x 201 pixels, a 24-bit uncompressed BMP. The fish is seen
from the side, head to the left, tail to the right, on a plain light-blue
background: the editor takes the colour of pixel (0, 0) as the background and
every other colour as the fish, so the background is a single colour and no
fish pixel ever has it.

Where things are (picture pixels, x to the right, y downward):
  background      RGB (176, 216, 240)
  snout           touches column 0 at rows 92..105
  body            deepest (110 rows, 45..154) at x = 139..158, at least 108 rows over x = 130..170
  tail root       slim part at x = 280..305, rows 88..111 from x = 290 on
  tail fin        x = 297..398, rows 25..174, forked: the notch reaches in to about x = 369 at row 100
  dorsal fin      on the back, x = 140..230, rows 10..69
  ventral fin     under the belly, x = 121..169, rows 152..191
  anal fin        under the rear body, x = 220..279, rows 115..164
  pectoral fin    on the body behind the gill, x = 82..124, rows 101..126
  eye             centre (45, 82): pale iris to radius 7, dark pupil radius 4, dark rim to 8.2
  whiskers        from the mouth at (3, 104) and (8, 104) down to (8, 123) and (18, 123)

Everything is drawn on a canvas three times finer than the picture and then
averaged down, so the inner details are smooth; the outline of the fish is
kept hard (a pixel is fish when most of it is covered), so the background
around it stays exactly one colour. The output is the same on every run.

Usage: python3 paint_fish.py [output.bmp]
       python3 paint_fish.py --koi [output.png]

With --koi it writes the same fish as the pictures people usually have: a
PNG facing right (mirrored), its background transparent (alpha 0, the
background colour underneath), as samples/koi.png. The README's worked
example of a PNG on its way to the display starts from it.
"""

import math
import os
import struct
import zlib
import sys

WIDTH, HEIGHT = 401, 201
SCALE = 3  # canvas samples per picture pixel in each direction
CW, CH = WIDTH * SCALE, HEIGHT * SCALE

BACKGROUND = (176, 216, 240)

# Part ids on the canvas; 0 is the background.
TAIL, DORSAL, VENTRAL, ANAL, BODY, PECTORAL, EYE, WHISKER = range(1, 9)
FINS_BEHIND = (TAIL, DORSAL, VENTRAL, ANAL)


# ---------------------------------------------------------------- the shapes

def smoothstep(u):
    u = min(1.0, max(0.0, u))
    return u * u * (3.0 - 2.0 * u)


def body_top(x):
    """Row of the back at column x (fractional)."""
    if x < 135.0:
        t = max(0.0, x) / 135.0
        return 94.0 - 49.0 * (1.0 - (1.0 - t) ** 2) ** 0.7
    if x < 150.0:
        return 45.0
    return 45.0 + 43.0 * smoothstep((x - 150.0) / 145.0)


def body_bottom(x):
    """Row of the belly at column x (fractional)."""
    if x < 150.0:
        t = max(0.0, x) / 150.0
        return 106.0 + 49.0 * math.sin(0.5 * math.pi * t) ** 1.5
    if x < 165.0:
        return 155.0
    return 155.0 - 43.0 * smoothstep((x - 165.0) / 130.0)


BODY_END = 306.0


def body_polygon():
    top, bottom = [], []
    x = 0.0
    while x <= BODY_END + 1e-9:
        top.append((x, body_top(x)))
        bottom.append((x, body_bottom(x)))
        x += 0.5
    return top + bottom[::-1]


def bezier(p0, p1, p2, steps=40):
    """Points of a quadratic Bezier curve from p0 to p2 pulled towards p1."""
    pts = []
    for i in range(steps + 1):
        t = i / steps
        a, b, c = (1 - t) ** 2, 2 * t * (1 - t), t * t
        pts.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return pts


def smooth_path(points, steps=12):
    """A smooth curve through the given points (Catmull-Rom)."""
    out = []
    n = len(points)
    for i in range(n - 1):
        p0 = points[max(0, i - 1)]
        p1, p2 = points[i], points[i + 1]
        p3 = points[min(n - 1, i + 2)]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t
                       + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                       + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                for k in range(2)))
    out.append(points[-1])
    return out


def resample(path, count):
    """count points spread evenly along a polyline by arc length."""
    lengths = [0.0]
    for (ax, ay), (bx, by) in zip(path, path[1:]):
        lengths.append(lengths[-1] + math.hypot(bx - ax, by - ay))
    total = lengths[-1]
    out, j = [], 0
    for i in range(count):
        want = total * i / (count - 1)
        while j < len(path) - 2 and lengths[j + 1] < want:
            j += 1
        seg = lengths[j + 1] - lengths[j]
        f = 0.0 if seg == 0 else (want - lengths[j]) / seg
        (ax, ay), (bx, by) = path[j], path[j + 1]
        out.append((ax + f * (bx - ax), ay + f * (by - ay)))
    return out


def base_along(profile, x0, x1, inset):
    """The line where a fin meets the body, tucked `inset` rows into it."""
    sign = 1.0 if profile is body_top else -1.0
    pts, x = [], x0
    while x <= x1 + 1e-9:
        pts.append((x, profile(x) + sign * inset))
        x += 1.0
    return pts


def tail_outline():
    root_top, root_bottom = (296.0, body_top(296.0)), (296.0, body_bottom(296.0))
    upper_tip, notch, lower_tip = (399.0, 25.0), (369.0, 100.0), (399.0, 175.0)
    upper = bezier(root_top, (338.0, 60.0), upper_tip)
    # the lobe tips are two rows tall, so they stay joined to the fin
    upper_back, lower_back = (399.0, 27.0), (399.0, 173.0)
    trailing = ([upper_tip] + bezier(upper_back, (384.0, 67.0), notch)
                + bezier(notch, (384.0, 133.0), lower_back)[1:] + [lower_tip])
    lower = bezier(lower_tip, (338.0, 140.0), root_bottom)
    return upper, trailing, lower


def dorsal_outline():
    outer = smooth_path([(140.0, body_top(140.0) + 1), (146.0, 29.0), (154.0, 17.0), (164.0, 11.0),
                         (176.0, 12.0), (190.0, 22.0), (206.0, 37.0), (221.0, 52.0),
                         (232.0, body_top(232.0) + 1)])
    return base_along(body_top, 140.0, 232.0, 4.0), outer


def ventral_outline():
    outer = smooth_path([(120.0, body_bottom(120.0) - 1), (125.0, 165.0), (133.0, 176.0),
                         (146.0, 185.0), (160.0, 190.0), (170.0, 191.0), (165.0, 182.0),
                         (158.0, 171.0), (152.0, body_bottom(152.0) - 1)])
    return base_along(body_bottom, 120.0, 152.0, 4.0), outer


def anal_outline():
    outer = smooth_path([(220.0, body_bottom(220.0) - 1), (225.0, 150.0), (234.0, 160.0),
                         (248.0, 165.0), (263.0, 160.0), (274.0, 150.0), (280.0, 140.0),
                         (276.0, body_bottom(276.0) - 1)])
    return base_along(body_bottom, 220.0, 276.0, 4.0), outer


def pectoral_outline():
    # A fin lying flat on the side, hinged behind the gill and pointing back and down.
    upper = smooth_path([(82.0, 101.0), (96.0, 104.0), (110.0, 112.0), (125.0, 127.0)])
    lower = smooth_path([(125.0, 127.0), (112.0, 126.0), (98.0, 122.0), (86.0, 117.0)])
    hinge = smooth_path([(86.0, 117.0), (82.5, 110.0), (82.0, 101.0)])
    return upper, lower, hinge


# ---------------------------------------------------------------- the canvas

class Canvas:
    def __init__(self):
        n = CW * CH
        self.r = [float(BACKGROUND[0])] * n
        self.g = [float(BACKGROUND[1])] * n
        self.b = [float(BACKGROUND[2])] * n
        self.part = bytearray(n)

    def _put(self, k, colour, part):
        self.r[k], self.g[k], self.b[k] = colour
        if part is not None:
            self.part[k] = part

    def _mul(self, k, factor):
        self.r[k] *= factor[0]
        self.g[k] *= factor[1]
        self.b[k] *= factor[2]

    def fill_polygon(self, poly, part, colour_at, clip=None):
        """Fills a closed polygon (picture coordinates). colour_at(x, y) gives the colour."""
        edges = []
        for i in range(len(poly)):
            (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % len(poly)]
            if y0 != y1:
                edges.append((x0, y0, x1, y1))
        ymin = min(p[1] for p in poly)
        ymax = max(p[1] for p in poly)
        j0 = max(0, int(ymin * SCALE) - 1)
        j1 = min(CH - 1, int(ymax * SCALE) + 1)
        for j in range(j0, j1 + 1):
            y = (j + 0.5) / SCALE
            xs = []
            for x0, y0, x1, y1 in edges:
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                i0 = max(0, math.ceil(a * SCALE - 0.5))
                i1 = min(CW - 1, math.ceil(b * SCALE - 0.5) - 1)
                row = j * CW
                for i in range(i0, i1 + 1):
                    k = row + i
                    if clip is not None and self.part[k] not in clip:
                        continue
                    self._put(k, colour_at((i + 0.5) / SCALE, y), part)

    def _stamp(self, cx, cy, radius, action, clip):
        i0 = max(0, int((cx - radius) * SCALE - 0.5))
        i1 = min(CW - 1, int((cx + radius) * SCALE + 0.5))
        j0 = max(0, int((cy - radius) * SCALE - 0.5))
        j1 = min(CH - 1, int((cy + radius) * SCALE + 0.5))
        r2 = radius * radius
        for j in range(j0, j1 + 1):
            dy = (j + 0.5) / SCALE - cy
            for i in range(i0, i1 + 1):
                dx = (i + 0.5) / SCALE - cx
                if dx * dx + dy * dy <= r2:
                    k = j * CW + i
                    if clip is None or self.part[k] in clip:
                        action(k)

    def _path_samples(self, path):
        """The canvas samples under a round brush dragged along the path, each once."""
        done = set()
        for (ax, ay), (bx, by) in zip(path, path[1:]):
            steps = max(1, int(math.hypot(bx - ax, by - ay) * SCALE * 2))
            for s in range(steps + 1):
                t = s / steps
                done.add((ax + t * (bx - ax), ay + t * (by - ay)))
        return done

    def stroke(self, path, radius, colour=None, factor=None, clip=None, part=None):
        """Paints (colour) or darkens (factor) a round brush along a polyline."""
        touched = set()
        for cx, cy in sorted(self._path_samples(path)):
            self._stamp(cx, cy, radius, touched.add, clip)
        for k in sorted(touched):
            if colour is not None:
                self._put(k, colour, part)
            else:
                self._mul(k, factor)

    def disc(self, cx, cy, radius, colour=None, factor=None, clip=None, part=None):
        def action(k):
            if colour is not None:
                self._put(k, colour, part)
            else:
                self._mul(k, factor)
        self._stamp(cx, cy, radius, action, clip)

    def ellipse_tint(self, cx, cy, rx, ry, factor, clip):
        j0, j1 = int((cy - ry) * SCALE) - 1, int((cy + ry) * SCALE) + 1
        i0, i1 = int((cx - rx) * SCALE) - 1, int((cx + rx) * SCALE) + 1
        for j in range(max(0, j0), min(CH, j1 + 1)):
            y = (j + 0.5) / SCALE
            for i in range(max(0, i0), min(CW, i1 + 1)):
                x = (i + 0.5) / SCALE
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                k = j * CW + i
                if d <= 1.0 and self.part[k] in clip:
                    # soft edge: full tint inside, fading over the outer fifth
                    w = 1.0 if d < 0.64 else (1.0 - d) / 0.36
                    self._mul(k, tuple(1.0 - w * (1.0 - f) for f in factor))

    def to_labels(self, ids):
        """The part of each picture pixel, by the same half-covered rule as
        to_pixels: the part most of its fish samples belong to (ids maps a
        part to the number written), 0 for the background."""
        labels = []
        half = SCALE * SCALE / 2.0
        for y in range(HEIGHT):
            for x in range(WIDTH):
                counts = {}
                for j in range(y * SCALE, y * SCALE + SCALE):
                    for i in range(x * SCALE, x * SCALE + SCALE):
                        part = self.part[j * CW + i]
                        if part:
                            counts[part] = counts.get(part, 0) + 1
                n = sum(counts.values())
                labels.append(ids[max(sorted(counts), key=counts.get)] if n >= half else 0)
        return labels

    def to_pixels(self):
        """Averages the canvas down to picture pixels.

        A pixel belongs to the fish when at least half of its samples do; its
        colour is then the mean of those samples only, so no background colour
        bleeds into the fish and the background stays exactly one colour."""
        pixels = []
        half = SCALE * SCALE / 2.0
        for y in range(HEIGHT):
            row = []
            for x in range(WIDTH):
                n = 0
                sr = sg = sb = 0.0
                for j in range(y * SCALE, y * SCALE + SCALE):
                    for i in range(x * SCALE, x * SCALE + SCALE):
                        k = j * CW + i
                        if self.part[k]:
                            n += 1
                            sr += self.r[k]
                            sg += self.g[k]
                            sb += self.b[k]
                if n >= half:
                    c = tuple(max(0, min(255, int(v / n + 0.5))) for v in (sr, sg, sb))
                    if c == BACKGROUND:
                        raise SystemExit(f"fish pixel ({x}, {y}) has the background colour")
                    row.append(c)
                else:
                    row.append(BACKGROUND)
            pixels.append(row)
        return pixels


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def ramp(stops, t):
    """Colour at t along a list of (position, colour) stops."""
    t = min(1.0, max(0.0, t))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


BODY_STOPS = [(0.0, (176, 62, 18)), (0.18, (226, 102, 30)), (0.42, (246, 148, 58)),
              (0.66, (252, 206, 150)), (0.82, (253, 238, 222)), (1.0, (244, 236, 226))]


def body_colour(x, y):
    top, bottom = body_top(x), body_bottom(x)
    v = (y - top) / max(1.0, bottom - top)
    c = ramp(BODY_STOPS, v)
    # a soft sheen just above the middle, fading towards head and tail
    sheen = math.exp(-((v - 0.36) / 0.09) ** 2) * 0.10 * smoothstep(x / 60.0)
    return tuple(ch + (255 - ch) * sheen for ch in c)


def radial_colour(cx, cy, inner, outer, reach):
    def colour_at(x, y):
        return mix(inner, outer, min(1.0, math.hypot(x - cx, y - cy) / reach))
    return colour_at


def vertical_colour(y0, y1, near, far):
    def colour_at(x, y):
        return mix(near, far, min(1.0, max(0.0, (y - y0) / (y1 - y0))))
    return colour_at


RAY_DARK = (0.78, 0.66, 0.60)      # darkening of fin rays
EDGE_DARK = (0.70, 0.56, 0.50)     # darkening of outlines
SCALE_DARK = (0.90, 0.84, 0.82)    # darkening of the scale edges
SPOT_RED = (0.96, 0.62, 0.52)      # tint of the red blotches on the back


# ---------------------------------------------------------------- painting

def paint_fin_rays(canvas, base, outer, count, part):
    """Rays from evenly spaced points of the fin's base to evenly spaced points of its edge."""
    for start, end in zip(resample(base, count), resample(outer, count)):
        canvas.stroke([start, end], 0.55, factor=RAY_DARK, clip=(part,))


TAIL_COLOUR = radial_colour(296.0, 100.0, (238, 118, 38), (255, 214, 160), 105.0)


def paint_tail(canvas):
    upper, trailing, lower = tail_outline()
    outline = upper + trailing[1:] + lower[1:]
    canvas.fill_polygon(outline, TAIL, TAIL_COLOUR)
    # rays fan out as if from a point inside the tail root, starting where the body ends
    fx, fy = 280.0, 100.0
    for ox, oy in resample(trailing, 15)[1:-1]:
        t = (BODY_END + 1.0 - fx) / (ox - fx)
        canvas.stroke([(fx + t * (ox - fx), fy + t * (oy - fy)), (ox, oy)], 0.55, factor=RAY_DARK, clip=(TAIL,))
    for edge in (upper, lower):
        canvas.stroke(edge, 0.65, factor=RAY_DARK, clip=(TAIL,))
    canvas.stroke(outline, 0.9, factor=EDGE_DARK, clip=(TAIL,))


def paint_fin(canvas, part, base, outer, colour_at, rays):
    canvas.fill_polygon(base + outer[::-1], part, colour_at)
    paint_fin_rays(canvas, base, outer, rays, part)
    canvas.stroke(outer, 0.9, factor=EDGE_DARK, clip=(part,))


def paint_body(canvas):
    def colour_at(x, y):
        # the tail root fades into the colour of the tail fin, so there is no seam
        return mix(body_colour(x, y), TAIL_COLOUR(x, y), smoothstep((x - 288.0) / (BODY_END - 288.0)))
    canvas.fill_polygon(body_polygon(), BODY, colour_at)
    body = (BODY,)
    # red blotches on the back
    for cx, cy, rx, ry in ((108.0, 60.0, 15.0, 8.0), (186.0, 66.0, 12.0, 8.0),
                           (238.0, 86.0, 9.0, 5.5), (150.0, 96.0, 7.0, 5.0)):
        canvas.ellipse_tint(cx, cy, rx, ry, SPOT_RED, body)
    # scales: rows of small arcs, open towards the head
    row = 0
    y = 52.0
    while y < 150.0:
        x = 84.0 + (4.5 if row % 2 else 0.0)
        while x < 292.0:
            top, bottom = body_top(x), body_bottom(x)
            if top + 4.0 < y < bottom - 6.0:
                arc = [(x + 3.2 * math.cos(a), y + 3.6 * math.sin(a))
                       for a in [math.radians(d) for d in range(-70, 71, 10)]]
                canvas.stroke(arc, 0.42, factor=SCALE_DARK, clip=body)
            x += 9.0
        y += 6.5
        row += 1
    # lateral line: a row of small dashes from the gill to the tail root
    x = 80.0
    while x < 296.0:
        top, bottom = body_top(x), body_bottom(x)
        y = top + (bottom - top) * 0.42
        canvas.disc(x, y, 0.8, factor=(0.80, 0.72, 0.70), clip=body)
        x += 5.0
    # gill cover
    gill = [(74.0 - 0.012 * (y - 95.0) ** 2, y) for y in [64.0 + 0.5 * k for k in range(121)]]
    canvas.stroke(gill, 0.85, factor=(0.68, 0.58, 0.55), clip=body)
    gill_shadow = [(x + 1.6, y) for x, y in gill[20:101]]
    canvas.stroke(gill_shadow, 0.7, factor=(0.93, 0.90, 0.88), clip=body)
    # mouth
    canvas.stroke(smooth_path([(0.0, 102.0), (4.0, 103.0), (8.0, 103.2)]), 0.6,
                  factor=(0.50, 0.40, 0.40), clip=body)
    # nostril
    canvas.disc(16.0, 90.0, 1.0, factor=(0.65, 0.55, 0.52), clip=body)
    # outline along back and belly; the end at the tail root is left open
    top = [(x, body_top(x)) for x in [0.5 * k for k in range(0, 601)]]
    bottom = [(x, body_bottom(x)) for x in [0.5 * k for k in range(0, 601)]]
    canvas.stroke(top[::-1] + bottom, 0.9, factor=EDGE_DARK, clip=body)


def paint_pectoral(canvas):
    upper, lower, hinge = pectoral_outline()
    outline = upper + lower[1:] + hinge[1:]
    canvas.fill_polygon(outline, PECTORAL,
                        radial_colour(83.0, 108.0, (250, 178, 96), (255, 232, 196), 44.0),
                        clip=(BODY,))
    base = resample(hinge[::-1], 7)
    tips = resample(upper + lower[1:], 9)[1:-1]
    for (bx, by), (tx, ty) in zip(base, tips):
        canvas.stroke([(bx, by), (tx, ty)], 0.5, factor=RAY_DARK, clip=(PECTORAL,))
    canvas.stroke(outline + [outline[0]], 0.8, factor=EDGE_DARK, clip=(PECTORAL,))


def paint_eye(canvas):
    cx, cy = 45.0, 82.0
    canvas.disc(cx, cy, 8.2, colour=(92, 44, 22), part=EYE)          # dark rim
    canvas.fill_polygon([(cx + 7.0 * math.cos(a * math.pi / 48), cy + 7.0 * math.sin(a * math.pi / 48))
                         for a in range(96)], EYE,
                        radial_colour(cx, cy - 2.0, (255, 252, 236), (232, 214, 160), 8.0))
    canvas.disc(cx + 0.5, cy + 0.3, 4.0, colour=(24, 20, 34), part=EYE)   # pupil
    canvas.disc(cx - 1.2, cy - 1.5, 1.5, colour=(255, 255, 255), part=EYE)  # highlight
    canvas.disc(cx + 2.0, cy + 2.0, 0.6, colour=(110, 110, 140), part=EYE)  # faint reflection


def paint_whiskers(canvas):
    colour = (184, 92, 44)
    for path in (smooth_path([(3.0, 103.5), (3.8, 111.0), (5.5, 117.5), (8.5, 123.0)]),
                 smooth_path([(7.5, 104.0), (9.5, 111.5), (13.0, 118.0), (18.0, 123.0)])):
        canvas.stroke(path, 1.05, colour=colour, part=WHISKER)


def paint_canvas():
    """The fish on the fine canvas, every sample knowing its part."""
    canvas = Canvas()
    paint_tail(canvas)
    dorsal_base, dorsal_outer = dorsal_outline()
    paint_fin(canvas, DORSAL, dorsal_base, dorsal_outer,
              vertical_colour(50.0, 12.0, (222, 82, 30), (250, 170, 110)), 11)
    ventral_base, ventral_outer = ventral_outline()
    paint_fin(canvas, VENTRAL, ventral_base, ventral_outer,
              vertical_colour(152.0, 190.0, (246, 150, 80), (255, 226, 190)), 7)
    anal_base, anal_outer = anal_outline()
    paint_fin(canvas, ANAL, anal_base, anal_outer,
              vertical_colour(130.0, 165.0, (240, 136, 66), (255, 220, 180)), 9)
    paint_body(canvas)
    paint_pectoral(canvas)
    paint_eye(canvas)
    paint_whiskers(canvas)
    return canvas


def paint():
    return paint_canvas().to_pixels()


# ---------------------------------------------------------------- the file

def bmp_bytes(pixels):
    """A 24-bit BMP: BITMAPINFOHEADER, rows bottom-up, each padded to 4 bytes."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            image += bytes((b, g, r))
        image += bytes(stride - width * 3)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + bytes(image)


def png_bytes(pixels):
    """An 8-bit RGBA PNG facing the other way: each row mirrored, the
    background pixels transparent."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    height, width = len(pixels), len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # no filter
        for r, g, b in reversed(row):
            raw += bytes((r, g, b, 0 if (r, g, b) == BACKGROUND else 255))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    args = sys.argv[1:]
    koi = bool(args) and args[0] == "--koi"
    if koi:
        args = args[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[0] if args else os.path.join(here, "koi.png" if koi else "fish.bmp")
    pixels = paint()
    if pixels[0][0] != BACKGROUND:
        raise SystemExit("the top-left pixel must be background")
    with open(out, "wb") as f:
        f.write(png_bytes(pixels) if koi else bmp_bytes(pixels))


if __name__ == "__main__":
    main()
