#!/usr/bin/env python3
"""Writes the seed corpus of the archiver's fuzz target: small combined files,
well formed and not."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
folder = os.path.join(here, 'corpus', 'pgdaf')
os.makedirs(folder, exist_ok=True)


def pgdaf(body=b'', fin=b'', eye=b'', mesh=b'', lengths=None):
    lengths = lengths or (len(body), len(fin), len(eye), len(mesh))
    size = mesh[16:20].ljust(4, b'\0')
    return b'PGDAF\0\0\0' + struct.pack('<4I', *lengths) + b'\0' * 12 + size + body + fin + eye + mesh


mesh = b'PGDX f00' + bytes(8) + struct.pack('<hh', 401, 201) + bytes(20)
seeds = {
    'all-members': pgdaf(b'B' * 30, b'F' * 10, b'E' * 7, mesh),
    'body-and-mesh': pgdaf(b'B' * 30, mesh=mesh),
    'header-only': pgdaf(),
    'lengths-too-long': pgdaf(b'B' * 30, mesh=mesh, lengths=(30, 0, 0, 1000)),
    'lengths-wrap': pgdaf(b'B' * 30, mesh=mesh, lengths=(0xFFFFFFFF, 0, 0, len(mesh) + 31)),
    'wrong-magic': b'PGDAX' + pgdaf(mesh=mesh)[5:],
    'short': b'PGDAF\0\0\0' + bytes(10),
}
for name, data in seeds.items():
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)
