#!/usr/bin/env python3
"""Writes the seed corpora of the editor's fuzz targets: small pictures in
the BMP variants the loader meets, and short sessions of editor events."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, pixels, palette=(), compression=0, masks=(), core=False):
    if core:  # the old 12-byte header
        info = struct.pack('<IHHHH', 12, width, height, 1, bits)
        pal = b''.join(struct.pack('<BBB', b, g, r) for r, g, b in palette)
    else:
        info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(pixels), 2835, 2835,
                           len(palette), 0)
        pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    extra = b''.join(struct.pack('<I', m) for m in masks)
    offset = 14 + len(info) + len(extra) + len(pal)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + extra + pal + pixels


def rows(width, height, pixel, bpp_bytes):
    out = b''
    for y in range(height - 1, -1, -1):
        row = b''.join(pixel(x, y) for x in range(width))
        out += row + b'\0' * ((4 - len(row) % 4) % 4)
    return out


def fish(x, y):
    return 1 <= y <= 3 and x < 6


def write(folder, name, data):
    os.makedirs(os.path.join(here, 'corpus', folder), exist_ok=True)
    with open(os.path.join(here, 'corpus', folder, name), 'wb') as f:
        f.write(data)


W, H = 8, 5
water, orange = (48, 112, 192), (240, 128, 32)
rgb = lambda c: struct.pack('<BBB', c[2], c[1], c[0])
write('picture', '24bit.bmp', bmp(W, H, 24, rows(W, H, lambda x, y: rgb(orange if fish(x, y) else water), 3)))
write('picture', '32bit.bmp', bmp(W, H, 32, rows(W, H, lambda x, y: rgb(orange if fish(x, y) else water) + b'\0', 4)))
topdown = b''.join(b''.join(rgb(orange if fish(x, y) else water) for x in range(W)) for y in range(H))
write('picture', 'topdown.bmp', bmp(W, -H, 24, topdown))
write('picture', '8bit.bmp', bmp(W, H, 8, rows(W, H, lambda x, y: bytes([fish(x, y)]), 1), [water, orange]))
write('picture', '16bit.bmp', bmp(W, H, 16, rows(W, H, lambda x, y: struct.pack('<H', 0x7C00 if fish(x, y) else 0x001F), 2)))
write('picture', 'bitfields.bmp', bmp(W, H, 16, rows(W, H, lambda x, y: struct.pack('<H', 0xF800 if fish(x, y) else 0x001F), 2),
                                      compression=3, masks=(0xF800, 0x07E0, 0x001F)))
rle = b'\x08\x00\x00\x00' + (b'\x06\x01\x02\x00\x00\x00') * 3 + b'\x08\x00\x00\x01'
write('picture', 'rle8.bmp', bmp(W, H, 8, rle, [water, orange], compression=1))
write('picture', 'core.bmp', bmp(W, H, 24, rows(W, H, lambda x, y: rgb(orange if fish(x, y) else water), 3), core=True))
write('picture', 'truncated.bmp', bmp(W, H, 24, rows(W, H, lambda x, y: rgb(water), 3))[:70])
write('picture', 'huge.bmp', bmp(50000, 50000, 24, b'\0' * 16))
write('picture', 'tiny.bmp', bmp(2, 2, 24, rows(2, 2, lambda x, y: rgb(water), 3)))

# Editor sessions: the first byte (not a multiple of 8) opens the fish, and
# with its high bit the events include undo (16) and redo (17); then events:
# one byte for the kind, then its arguments (see fuzz_editor.cpp).
def word(v):
    return struct.pack('<H', (v + 50) & 0xFFFF)


def press(x, y, state=8):
    return bytes([1, 0, state]) + word(x) + word(y)


def release(x, y):
    return bytes([2, 0, 0]) + word(x) + word(y)


def tool(k):
    return bytes([0, k])


SAVE = bytes([14])
write('editor', 'dorsal-drag-save', b'\x01' + tool(6) + press(14, 2) + release(22, 8) + SAVE)
write('editor', 'all-fins', b'\x01' + tool(5) + tool(7) + press(9, 18) + release(15, 26) + tool(8) + press(23, 18)
      + release(31, 25) + tool(9) + press(5, 12) + release(5, 12) + release(9, 12) + release(7, 16) + tool(10)
      + press(2, 19) + release(8, 24) + tool(11) + SAVE)
write('editor', 'front-top-drags', b'\x01' + tool(11) + bytes([4, 1, 0, 8]) + word(2) + word(12) + bytes([5, 0, 0, 0])
      + word(9) + word(0) + bytes([6, 1, 0, 8]) + word(12) + word(1) + bytes([7, 0, 0, 1]) + word(12) + word(30) + SAVE)
write('editor', 'eye', b'\x01' + tool(11) + tool(13) + bytes([3, 0]) + word(8) + word(12) + release(8, 12)
      + bytes([13, 0, 0]) + word(120) + word(100) + bytes([13, 1, 25]) + bytes([13, 2]) + word(250) + bytes([13, 3]) + SAVE)
write('editor', 'zoom-insert-delete', b'\x01' + bytes([11, 5]) + press(40, 80, 1 | 8) + bytes([1, 1, 16]) + word(80)
      + word(80) + bytes([11, 0]) + bytes([15, 0]) + word(0) + word(0) + bytes([40, 40]) + SAVE)
write('editor', 'fields-and-boxes', b'\x01' + bytes([8, 2, 1, 3, 0]) + bytes([9, 2, 2, 5, 1]) + bytes([12, 1])
      + bytes([12, 6]) + bytes([10, 0]) + word(20) + SAVE)

UNDO, REDO = bytes([16]), bytes([17])


def scroll(which, position):
    return bytes([10, which]) + struct.pack('<H', (position + 0x100) & 0xFFFF)


OPEN_FISH = bytes([0, 0, 0])
write('editor', 'undo-redo-mixed', b'\x81' + tool(6) + press(14, 2) + release(22, 8) + tool(4) + tool(5)
      + press(20, 19) + release(20, 16) + UNDO + UNDO + REDO + scroll(0, 30) + scroll(0, 28) + scroll(0, 33)
      + UNDO + tool(9) + release(5, 12) + release(9, 12) + UNDO + release(7, 16) + UNDO + REDO + tool(11)
      + bytes([9, 1, 5, 1]) + UNDO + REDO + REDO + SAVE)
write('editor', 'save-reopen-undo', b'\x81' + tool(7) + press(9, 18) + release(15, 26) + tool(11) + tool(13)
      + release(8, 12) + bytes([13, 0, 0]) + word(120) + word(100) + bytes([13, 3]) + SAVE + OPEN_FISH
      + UNDO + bytes([12, 3]) + UNDO + REDO + SAVE)
