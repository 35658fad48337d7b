#!/usr/bin/env python3
"""Writes the seed corpus of the session reader's fuzz target: editing
sessions that the built editor's batch conversion saves for the fuzz
target's fish picture, and broken variants of them.

    fuzz/meshmaker/make_session_seeds.py build/meshmaker/meshmaker
"""
import json
import os
import struct
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, 'corpus', 'session')
meshmaker = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'build', 'meshmaker', 'meshmaker')

# The fuzz target's fish (fuzz_session.cpp paints the same rectangles).
W, H = 48, 28
water = (40, 100, 200)
rects = [((0, 9, 36, 10), (240, 130, 30)), ((36, 4, 11, 20), (230, 120, 20)), ((14, 4, 8, 5), (200, 90, 20)),
         ((10, 19, 5, 5), (200, 90, 20)), ((24, 19, 6, 4), (200, 90, 20))]


def colour(x, y):
    c = water
    for (l, t, w, h), fill in rects:
        if l <= x < l + w and t <= y < t + h:
            c = fill
    return c


def bmp():
    rows = b''
    for y in range(H - 1, -1, -1):
        row = b''.join(struct.pack('<BBB', *reversed(colour(x, y))) for x in range(W))
        rows += row + b'\0' * ((4 - len(row) % 4) % 4)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 54 + len(rows), 0, 0, 54) + info + rows


recipes = {
    'plain': [],
    'every-part': ['--dorsal', '14,2,22,8', '--ventral', '9,18,15,26', '--anal', '23,18,31,25',
                   '--pectoral', '5,12,9,12,7,16', '--whisker', '1,12,8,20', '--divisions', '6',
                   '--thickness', '20', '--peak', '12', '--eye', '8,12,2,15,80'],
    'one-division': ['--divisions', '1', '--eye', '30,14,3'],
    'fine-steps': ['--step', '1', '--ventral', '9,18,15,26'],
}

os.makedirs(out, exist_ok=True)
with tempfile.TemporaryDirectory() as work:
    picture = os.path.join(work, 'fish.bmp')
    with open(picture, 'wb') as f:
        f.write(bmp())
    sessions = {}
    for name, options in recipes.items():
        pgx = os.path.join(work, name + '.pgx')
        subprocess.run([meshmaker, '--batch', picture, '-o', pgx] + options, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       env=dict(os.environ, QT_QPA_PLATFORM='offscreen'))
        with open(os.path.join(work, name + '.session.json'), 'rb') as f:
            sessions[name] = f.read()


def write(name, data):
    with open(os.path.join(out, name), 'wb') as f:
        f.write(data)


for name, data in sessions.items():
    write(name + '.json', data)

base = json.loads(sessions['every-part'])


def variant(name, change):
    doc = json.loads(json.dumps(base))
    change(doc)
    write(name + '.json', json.dumps(doc, indent=1).encode())


variant('future-version', lambda d: d.update(version=2))
variant('other-picture', lambda d: d['picture'].update(checksum='0000000000000000', width=60))
variant('missing-field', lambda d: d['fish'].pop('TailLast'))
variant('unknown-field', lambda d: d['fish'].update(Colour=3))
variant('wrong-type', lambda d: d['fish'].update(BodyDone=1))
variant('last-too-far', lambda d: d['fish'].update(BodyLast=999))
variant('no-end-marker', lambda d: d['fish']['TailX'].__setitem__(d['fish']['TailLast'] + 1, 3))
variant('huge-value', lambda d: d['fish']['SectionZ'].__setitem__(1, 1e300))
variant('negative-zero', lambda d: d['fish']['VentralZ'].__setitem__(0, '-0'))
variant('tiny-peak', lambda d: d['fish']['TopW'].__setitem__(d['fish']['TopPeakIndex'], 1e-300))
variant('long-list', lambda d: d['fish'].update(TopX=[1.0] * 300))
write('truncated.json', sessions['every-part'][:len(sessions['every-part']) // 2])
write('not-an-object.json', b'[1, 2, 3]')
write('empty.json', b'')
