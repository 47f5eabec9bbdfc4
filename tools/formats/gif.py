"""GIF89a files with a colour table of exactly the size asked for, compressed with LZW."""

import math
import struct

import numpy as np
from PIL import Image


def lzw_encode(data, min_size):
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    out = bytearray()
    acc = nbits = 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, min_size + 1, eoi + 1

    table, size, nxt = fresh()
    emit(clear, size)
    w = b""
    for b in data:
        wc = w + bytes([b])
        if wc in table:
            w = wc
            continue
        emit(table[w], size)
        table[wc] = nxt
        nxt += 1
        # The reader adds its entries one code later than we do, hence "greater than".
        if nxt > (1 << size) and size < 12:
            size += 1
        if nxt >= 4095:
            emit(clear, size)
            table, size, nxt = fresh()
        w = bytes([b])
    if w:
        emit(table[w], size)
    emit(eoi, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def write_gif(path, rgb, ncolors, transparent=None, dither=True):
    """A single-frame GIF89a whose global colour table has exactly ncolors entries.

    With transparent set, the pixels of exactly that colour get the table's last entry, which is
    marked transparent."""
    bits = int(math.log2(ncolors))
    assert 1 << bits == ncolors and 2 <= bits <= 8
    arr = np.asarray(rgb.convert("RGB"))
    keyed = None
    if transparent is not None:
        keyed = np.all(arr == np.array(transparent, np.uint8), axis=2)
    usable = ncolors - (1 if keyed is not None else 0)
    q = rgb.convert("RGB").quantize(
        colors=usable,
        method=Image.Quantize.MEDIANCUT,
        dither=Image.Dither.FLOYDSTEINBERG if dither else Image.Dither.NONE,
    )
    idx = np.asarray(q).copy()
    pal = list(q.getpalette()[: 3 * usable])
    pal += [0] * (3 * ncolors - len(pal))
    if keyed is not None:
        idx[keyed] = ncolors - 1
        pal[3 * (ncolors - 1) : 3 * ncolors] = list(transparent)
    w, h = rgb.size
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", w, h, 0x80 | 0x70 | (bits - 1), 0, 0)
    out += bytes(pal)
    if keyed is not None:
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, ncolors - 1, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, w, h, 0)
    min_size = max(2, bits)
    out.append(min_size)
    data = lzw_encode(idx.astype(np.uint8).tobytes(), min_size)
    for i in range(0, len(data), 255):
        chunk = data[i : i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3B"
    with open(path, "wb") as f:
        f.write(out)
