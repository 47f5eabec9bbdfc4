"""ICO and CUR files of 16-colour images: one directory, then a 4-bit picture and mask per image."""

import struct

import numpy as np
from PIL import Image


def flatten(rgba, bg):
    base = Image.new("RGB", rgba.size, bg)
    base.paste(rgba, (0, 0), rgba)
    return base


def quantize16(rgba, palette=None):
    """Indices into a 16-colour palette and the transparency mask of an RGBA image."""
    alpha = np.asarray(rgba.getchannel("A")) < 128
    rgb = flatten(rgba, (0, 0, 0))
    if palette is None:
        q = rgb.quantize(colors=16, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        palette = [tuple(q.getpalette()[3 * i : 3 * i + 3]) for i in range(16)]
    else:
        pimg = Image.new("P", (1, 1))
        pimg.putpalette([c for col in palette for c in col])
        q = rgb.quantize(palette=pimg, dither=Image.Dither.NONE)
    idx = np.asarray(q).copy()
    idx[alpha] = 0
    return idx, palette, alpha


def dib4(idx, palette, alpha):
    """A 4-bit icon image: header, 16-entry palette, colour rows and AND mask, bottom-up."""
    h, w = idx.shape
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(xor_stride)
        for x in range(w):
            v = int(idx[y, x]) & 0xF
            row[x // 2] |= v << 4 if x % 2 == 0 else v
        xor += row
        mrow = bytearray(and_stride)
        for x in range(w):
            if alpha[y, x]:
                mrow[x // 8] |= 0x80 >> (x % 8)
        andm += mrow
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0, len(xor) + len(andm), 0, 0, 16, 0)
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    return header + pal + bytes(xor) + bytes(andm)


def write_icocur(path, images, hotspots=None):
    """An ICO file, or a CUR file when hotspots (one (x, y) per image) are given."""
    kind = 2 if hotspots else 1
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    blobs = [dib4(*im) for im in images]
    offset = 6 + 16 * len(images)
    for i, (im, blob) in enumerate(zip(images, blobs)):
        h, w = im[0].shape
        a, b = hotspots[i] if hotspots else (1, 4)  # planes and bit count for an icon
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, a, b, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)
