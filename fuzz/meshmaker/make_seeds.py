#!/usr/bin/env python3
"""Writes the seed corpora of the editor's fuzz targets: small pictures in
the BMP variants and the other formats the loader meets, and short sessions
of editor events."""
import os
import struct
import zlib

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


# The other formats, the same 8 x 5 fish. PNG, GIF and TIFF are written here;
# JPEG and WebP need an encoder, so their bytes were made once with Qt's
# writer (quality 90) and are kept as they came out.
def png(width, height, pixel, colour_type=2):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\0' + b''.join(pixel(x, y) for x in range(width)) for y in range(height))
    ihdr = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')


def gif(width, height, index, palette, transparent=None):
    """One frame; LZW of 9-bit literal codes with a clear code every 250."""
    codes, since = [256], 0
    for y in range(height):
        for x in range(width):
            if since == 250:
                codes.append(256)
                since = 0
            codes.append(index(x, y))
            since += 1
    codes.append(257)
    acc, bits, data = 0, 0, bytearray()
    for c in codes:
        acc |= c << bits
        bits += 9
        while bits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            bits -= 8
    if bits:
        data.append(acc)
    table = b''.join(bytes(c) for c in palette) + b'\0' * 3 * (256 - len(palette))
    out = b'GIF89a' + struct.pack('<HHBBB', width, height, 0xF7, 0, 0) + table
    if transparent is not None:
        out += b'\x21\xF9\x04\x01\0\0' + bytes([transparent]) + b'\0'
    out += b'\x2C' + struct.pack('<HHHHB', 0, 0, width, height, 0) + b'\x08'
    for at in range(0, len(data), 255):
        block = data[at:at + 255]
        out += bytes([len(block)]) + block
    return out + b'\0\x3B'


def tiff(width, height, pixel):
    """Uncompressed 8-bit RGB, the directory after the pixels."""
    pixels = b''.join(pixel(x, y) for y in range(height) for x in range(width))
    bits_at = 8 + len(pixels)
    entries = [(256, 4, 1, width), (257, 4, 1, height), (258, 3, 3, bits_at), (259, 3, 1, 1), (262, 3, 1, 2),
               (273, 4, 1, 8), (277, 3, 1, 3), (278, 4, 1, height), (279, 4, 1, len(pixels)), (284, 3, 1, 1)]
    out = b'II*\0' + struct.pack('<I', bits_at + 6) + pixels + struct.pack('<HHH', 8, 8, 8)
    out += struct.pack('<H', len(entries))
    for tag, kind, count, value in entries:
        out += struct.pack('<HHI', tag, kind, count) + (struct.pack('<HH', value, 0) if kind == 3 and count == 1
                                                        else struct.pack('<I', value))
    return out + b'\0\0\0\0'


fish_rgb = lambda x, y: bytes(orange if fish(x, y) else water)
write('picture', 'rgb.png', png(W, H, fish_rgb))
write('picture', 'transparent.png', png(W, H, lambda x, y: bytes(orange) + b'\xff' if fish(x, y) else b'\xff\xff\xff\0', 6))
write('picture', 'cut.png', png(W, H, fish_rgb)[:60])
write('picture', 'wide.png', png(40000, 3, lambda x, y: b'\0\0\0'))
write('picture', 'fish.gif', gif(W, H, lambda x, y: int(fish(x, y)), [water, orange]))
write('picture', 'transparent.gif', gif(W, H, lambda x, y: int(fish(x, y)), [water, orange], transparent=0))
write('picture', 'cut.gif', gif(W, H, lambda x, y: int(fish(x, y)), [water, orange])[:-12])
write('picture', 'fish.tif', tiff(W, H, fish_rgb))
write('picture', 'fish.jpg', bytes.fromhex(
    'ffd8ffe000104a46494600010101006000600000ffdb0043000302020302020303030304030304050805050404050a07'
    '0706080c0a0c0c0b0a0b0b0d0e12100d0e110e0b0b1016101113141515150c0f171816141812141514ffdb0043010304'
    '0405040509050509140d0b0d141414141414141414141414141414141414141414141414141414141414141414141414'
    '1414141414141414141414141414ffc00011080005000803012200021101031101ffc4001f0000010501010101010100'
    '000000000000000102030405060708090a0bffc400b5100002010303020403050504040000017d010203000411051221'
    '31410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435363738393a'
    '434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a9293949596979899'
    '9aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1'
    'f2f3f4f5f6f7f8f9faffc4001f0100030101010101010101010000000000000102030405060708090a0bffc400b51100'
    '020102040403040705040400010277000102031104052131061241510761711322328108144291a1b1c109233352f015'
    '6272d10a162434e125f11718191a262728292a35363738393a434445464748494a535455565758595a63646566676869'
    '6a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4'
    'c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9faffda000c03010002110311003f00e7'
    'b58f14e9fa969d35bc1a0db594af8c4f1eddcb820f1841d718ebde8a28afdcb2ccab0994517430716a2ddf594a5ad92d'
    'e6e4fa2d2f6fc4fcab30ccb139a5555b14d39256d2318e976f68a4babd6d73ffd9'))
write('picture', 'fish.webp', bytes.fromhex(
    '52494646740000005745425056503820680000009002009d012a0800050000c01225b00274ba01f800791d833bedff0b'
    '8000fde3be63baad40f0be2bb42d7fdc9b0746ed5efc499ffc4c7b5fefffacf7dbffcdd836a55fb63feb9ffe14d7c29a'
    'ff8535f54ec9e91fef2575fff182e48c2009c98fd767f5d9ff6fc000'))

# Editor sessions: the first byte (not a multiple of 8) opens the fish; then
# events: one byte for the kind, then its arguments (see fuzz_editor.cpp).
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
