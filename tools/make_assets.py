#!/usr/bin/python3
"""Draws every picture, icon and cursor of the game into assets/.

Needs Debian's python3-pil, python3-numpy and fonts-liberation (Liberation Serif Bold Italic for the
golden numerals and logotypes, Liberation Sans Bold for the partner banner). Run it from anywhere:

    /usr/bin/python3 tools/make_assets.py

Every random choice comes from fixed seeds, so a run makes the same files again. The GIF, ICO and
CUR files are written byte by byte here, because the library's writers trim colour tables and know
nothing of 16-colour icons or cursor hot spots.
"""

import math
import os
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")

FONT_DIR = "/usr/share/fonts/truetype/liberation"
SERIF_BOLD_ITALIC = os.path.join(FONT_DIR, "LiberationSerif-BoldItalic.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")
SANS_REGULAR = os.path.join(FONT_DIR, "LiberationSans-Regular.ttf")

# The same words as ui/identity.h; change both together.
PRODUCT_NAME = "Deslizador"
PARTNER_NAME = "Ludoteca"
PARTNER_SITE = "www.ludoteca.example"
MAKER_SITE = "www.tornel.example"

TAN = (247, 222, 165)  # the tile buttons' face colour; the numerals sit on exactly this
CREAM = (250, 233, 192)  # the splash and contact windows' background
WHITE = (255, 255, 255)

SS = 4  # supersampling factor for everything drawn with shapes and text


# ----------------------------------------------------------------------------------------------
# Golden lettering


def font(path, px):
    return ImageFont.truetype(path, max(1, int(round(px))))


def text_mask(text, path, px, pad):
    """The text's coverage as an 'L' image cropped to its ink, with pad pixels all round."""
    f = font(path, px)
    l, t, r, b = f.getbbox(text)
    img = Image.new("L", (r - l + 2 * pad, b - t + 2 * pad), 0)
    ImageDraw.Draw(img).text((pad - l, pad - t), text, font=f, fill=255)
    return img


def gradient_fill(size, stops):
    """A vertical colour gradient through (position, colour) stops, as an RGB image."""
    w, h = size
    pos = np.linspace(0.0, 1.0, h)
    cols = np.zeros((h, 3))
    ps = [s[0] for s in stops]
    for c in range(3):
        cols[:, c] = np.interp(pos, ps, [s[1][c] for s in stops])
    arr = np.repeat(cols[:, None, :], w, axis=1)
    return Image.fromarray(arr.clip(0, 255).astype(np.uint8), "RGB")


GOLD = [
    (0.00, (255, 231, 140)),
    (0.40, (246, 196, 64)),
    (0.56, (196, 132, 18)),
    (1.00, (224, 166, 40)),
]
GOLD_EDGE = (112, 66, 8)


def golden_text(text, path, px, outline, shadow, stops=GOLD):
    """Gold lettering with a dark edge and a soft shadow, as an RGBA image cropped to its ink.

    px, outline and shadow are in the pixels of the image being drawn (already supersampled)."""
    pad = int(outline + shadow + 2)
    mask = text_mask(text, path, px, pad)
    w, h = mask.size
    edge = mask
    if outline > 0:
        k = 2 * int(round(outline)) + 1
        edge = mask.filter(ImageFilter.MaxFilter(k))
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    if shadow > 0:
        sh = Image.new("L", (w, h), 0)
        sh.paste(edge, (int(shadow), int(shadow)))
        sh = sh.filter(ImageFilter.GaussianBlur(shadow * 0.6)).point(lambda v: v * 55 // 100)
        out.paste(Image.new("RGBA", (w, h), (70, 40, 0, 255)), (0, 0), sh)
    out.paste(Image.new("RGBA", (w, h), GOLD_EDGE + (255,)), (0, 0), edge)
    # The gradient spans the letters' own height so every word shows the same sheen.
    bbox = mask.getbbox() or (0, 0, w, h)
    fill = Image.new("RGB", (w, h))
    g = gradient_fill((w, bbox[3] - bbox[1]), stops)
    fill.paste(g, (0, bbox[1]))
    out.paste(fill.convert("RGBA"), (0, 0), mask)
    return out


def downsample(img, size):
    return img.resize(size, Image.LANCZOS if img.mode == "RGB" else Image.BOX)


def flatten(rgba, bg):
    base = Image.new("RGB", rgba.size, bg)
    base.paste(rgba, (0, 0), rgba)
    return base


# ----------------------------------------------------------------------------------------------
# File writers


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


# The icon's own sixteen colours: the tile's tan and bevels and the numerals' golds and edge.
ICON16 = [
    (0, 0, 0), TAN, (255, 246, 222), (170, 128, 70), (96, 64, 24), (112, 66, 8),
    (255, 231, 140), (246, 196, 64), (196, 132, 18), (224, 166, 40), (236, 208, 150),
    (205, 172, 112), (150, 100, 30), (214, 150, 30), (176, 116, 16), (134, 86, 18),
]  # fmt: skip

# The sixteen colours of the classic VGA palette, which cursors are drawn with.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # fmt: skip


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


def save_jpeg(img, path, quality=92):
    # Full-resolution colour keeps the tiles' tan true right up to their edges.
    img.save(path, "JPEG", quality=quality, subsampling=0, optimize=True)


# ----------------------------------------------------------------------------------------------
# The lake at dusk


def smooth_noise(rng, w, h, cell, cell_y=None):
    cell_y = cell_y or cell
    small = rng.random((max(2, int(h / cell_y) + 2), max(2, int(w / cell) + 2)))
    img = Image.fromarray((small * 255).astype(np.uint8), "L").resize((w, h), Image.BICUBIC)
    return np.asarray(img).astype(np.float64) / 255.0


class Lake:
    """The scene in the board window's coordinates (293 x 298); drawn at any scale."""

    W, H = 293, 298
    HORIZON = 190
    GLOW_X = 196

    def __init__(self):
        rng = np.random.default_rng(1502)
        self.leaves = []  # (x, y, rx, ry, angle)
        self.twigs = []  # polylines
        self.trunks = []  # (x0, y0, x1, y1, width)

        def blob_mass(n, xs, ys, inside, rmin, rmax):
            for _ in range(n):
                x, y = rng.uniform(*xs), rng.uniform(*ys)
                if inside(x, y):
                    r = rng.uniform(rmin, rmax)
                    self.leaves.append((x, y, r, r * rng.uniform(0.55, 0.95), rng.uniform(0, 180)))

        # Left tree: a deep mass with a ragged edge, lighter towards the top.
        def left_edge(y):
            return 22 + 9 * math.sin(y / 21.0) + 5 * math.sin(y / 7.3 + 1.0) + (y > 150) * (y - 150) * 0.5

        blob_mass(4800, (-10, 62), (-10, self.HORIZON + 2), lambda x, y: x < left_edge(y), 0.9, 3.2)

        # Canopy hanging from the top-left and top-right, thinning towards the middle.
        def canopy_left(x):
            return 26 - x * 0.16 + 8 * math.sin(x / 13.0) + 4 * math.sin(x / 4.1)

        blob_mass(2600, (0, 150), (-10, 40), lambda x, y: y < canopy_left(x), 0.8, 2.8)

        def canopy_right(x):
            return 22 - (293 - x) * 0.2 + 7 * math.sin(x / 11.0 + 2) + 3 * math.sin(x / 3.7)

        blob_mass(2200, (170, 300), (-10, 36), lambda x, y: y < canopy_right(x), 0.8, 2.7)

        # Right tree beyond the window's edge, with a few sprays reaching into view.
        def right_edge(y):
            return 249 + 7 * math.sin(y / 17.0 + 0.5) + 4 * math.sin(y / 5.9)

        blob_mass(3400, (230, 300), (-10, self.HORIZON + 2), lambda x, y: x > right_edge(y), 0.9, 3.0)

        # Twigs from the masses into the sky with small leaf tufts at their ends.
        def twig(x, y, ang, length, depth):
            pts = [(x, y)]
            for _ in range(6):
                ang += rng.normal(0, 0.25)
                x += math.cos(ang) * length / 6
                y += math.sin(ang) * length / 6
                pts.append((x, y))
            self.twigs.append((pts, 0.6 + 0.4 * depth))
            for _ in range(int(8 + 6 * depth)):
                px, py = pts[rng.integers(2, len(pts))]
                r = rng.uniform(0.8, 2.2)
                self.leaves.append((px + rng.normal(0, 2.5), py + rng.normal(0, 2.5), r, r * 0.6, rng.uniform(0, 180)))
            if depth > 0:
                for _ in range(2):
                    j = rng.integers(2, 6)
                    twig(*pts[j], ang + rng.choice([-0.7, 0.7]), length * 0.55, depth - 1)

        for y in (40, 72, 101, 133, 160):
            twig(left_edge(y) - 2, y, rng.uniform(-0.5, 0.3), rng.uniform(18, 30), 1)
        for x in (60, 95, 128):
            twig(x, canopy_left(x) - 2, rng.uniform(1.2, 1.9), rng.uniform(14, 22), 1)
        for x in (205, 236):
            twig(x, canopy_right(x) - 2, rng.uniform(1.3, 1.9), rng.uniform(12, 18), 1)
        for y in (60, 118, 150):
            twig(right_edge(y) + 2, y, math.pi + rng.uniform(-0.4, 0.3), rng.uniform(14, 22), 1)
        self.trunks = [(6, -5, 11, self.HORIZON + 4, 5.0), (284, -5, 280, self.HORIZON + 3, 5.0)]

        # Reeds in the bottom-right shallows.
        self.reeds = []
        for _ in range(46):
            x = rng.uniform(200, 300)
            hgt = rng.uniform(14, 42) * (0.6 + 0.4 * (x - 200) / 100)
            lean = rng.normal(-0.12, 0.18)
            self.reeds.append((x, 300, hgt, lean, rng.uniform(0.7, 1.4)))

        self.seed_noise = 77

    # Sky colours from the top of the picture to the horizon.
    SKY = [
        (0.00, (34, 36, 78)),
        (0.30, (72, 58, 108)),
        (0.55, (150, 86, 112)),
        (0.78, (226, 124, 78)),
        (0.92, (250, 170, 88)),
        (1.00, (255, 206, 128)),
    ]

    def sky_colour(self, t):
        t = np.clip(t, 0, 1)
        ps = [s[0] for s in self.SKY]
        return np.stack([np.interp(t, ps, [s[1][c] for s in self.SKY]) for c in range(3)], axis=-1)

    def hills(self, x):
        return (
            self.HORIZON
            - 9
            - 5 * np.sin(x / 31.0 + 0.7)
            - 3 * np.sin(x / 11.0 + 2.1)
            - 7 * np.exp(-((x - 120) / 40.0) ** 2)
        )

    def render(self, scale):
        rs = scale * 3  # render pixels per scene unit; LANCZOS brings it down to the scale
        w, h = self.W * rs, self.H * rs
        ys = (np.arange(h)[:, None] + 0.5) / rs
        xs = (np.arange(w)[None, :] + 0.5) / rs
        ys = np.broadcast_to(ys, (h, w))
        xs = np.broadcast_to(xs, (h, w))
        rng = np.random.default_rng(self.seed_noise)
        hz = self.HORIZON

        # Sky with the afterglow low over the far shore and thin lit cloud streaks.
        glow = np.exp(-(((xs - self.GLOW_X) / 70.0) ** 2 + ((ys - hz) / 38.0) ** 2))
        img = self.sky_colour(ys / hz) + glow[..., None] * np.array([40, 36, 22])
        cloud = smooth_noise(rng, w, h, 60 * rs, 5 * rs) * 0.7 + smooth_noise(rng, w, h, 18 * rs, 2.5 * rs) * 0.3
        band = np.exp(-(((ys - 122) / 16.0) ** 2)) + 0.8 * np.exp(-(((ys - 70) / 12.0) ** 2))
        streak = np.clip(cloud - 0.5, 0, 1) * 2
        lit = (streak * band)[..., None] * np.array([120, 58, 34]) * (0.5 + glow[..., None])
        img = img + lit * (ys < hz)[..., None]

        # Far hills, hazy violet against the glow, with a dark line of trees along the shore.
        hill = self.hills(xs)
        hill_col = np.array([74, 54, 82]) + glow[..., None] * np.array([44, 24, 10])
        shore = hz - 2.2 - 2.5 * smooth_noise(rng, w, h, 1.6 * rs, 400 * rs)
        shore_col = np.array([40, 30, 46])
        img = np.where(((ys >= hill) & (ys < hz))[..., None], hill_col, img)
        img = np.where(((ys >= shore) & (ys < hz))[..., None], shore_col, img)

        # Water: the sky mirrored, broken by long ripples that grow towards the viewer.
        below = ys >= hz
        depth = np.clip((ys - hz) / (self.H - hz), 0, 1)
        ripple = (
            0.55 * np.sin(ys * (3.0 + 4.0 * depth) + np.sin(xs / 13.0) * 1.2)
            + 1.1 * (smooth_noise(rng, w, h, 30 * rs, 1.2 * rs) - 0.5)
            + 0.5 * (smooth_noise(rng, w, h, 8 * rs, 0.8 * rs) - 0.5)
        )
        my = 2 * hz - ys + ripple * (1.5 + 10 * depth)
        refl = self.sky_colour(my / hz) + np.exp(-(((xs - self.GLOW_X) / 70.0) ** 2 + ((my - hz) / 38.0) ** 2))[..., None] * np.array([40, 36, 22])
        rglow = np.exp(-(((xs - self.GLOW_X) / (34.0 + 30 * depth)) ** 2))
        refl = np.where((my >= self.hills(xs))[..., None] & (my < hz)[..., None], hill_col * 0.85, refl)
        refl = np.where(((my >= shore) & (my < hz + 0.01))[..., None], shore_col * 0.9, refl)
        water = refl * (0.86 - 0.5 * depth[..., None]) + np.array([6, 10, 20]) * depth[..., None]
        # Glints where the ripples catch the afterglow.
        glint = np.clip(ripple - 0.35, 0, 1) * 1.6 * rglow * (1 - 0.5 * depth)
        water = water + glint[..., None] * np.array([255, 160, 80])
        img = np.where(below[..., None], water, img)
        img = np.clip(img, 0, 255)

        # Foliage, trunks and twigs as one silhouette mask.
        fol = Image.new("L", (w, h), 0)
        d = ImageDraw.Draw(fol)
        for x0, y0, x1, y1, wd in self.trunks:
            d.line([(x0 * rs, y0 * rs), (x1 * rs, y1 * rs)], fill=255, width=int(wd * rs))
        for pts, wd in self.twigs:
            d.line([(x * rs, y * rs) for x, y in pts], fill=255, width=max(1, int(wd * rs)))
        for x, y, rx, ry, ang in self.leaves:
            leaf = ellipse_poly(x * rs, y * rs, rx * rs, ry * rs, ang)
            d.polygon(leaf, fill=255)
        fol = np.asarray(fol).astype(np.float64) / 255.0
        fol[int(hz * rs) :, :] = 0  # the trees stand on the shore
        # Their reflection, darker and rippled.
        fh = int(hz * rs)
        refl_rows = np.clip(2 * fh - np.arange(fh, h) + (ripple[fh:, 0] * 2 * rs).astype(int), 0, fh - 1)
        fol_refl = np.zeros_like(fol)
        fol_refl[fh:, :] = fol[refl_rows, :] * 0.85
        leaf_col = np.array([7, 11, 12]) + 9 * smooth_noise(rng, w, h, 5 * rs)[..., None] * np.array([1.0, 1.3, 0.9])
        img = img * (1 - fol_refl[..., None]) + np.array([10, 12, 18]) * fol_refl[..., None]
        img = img * (1 - fol[..., None]) + leaf_col * fol[..., None]
        # Warm rim where leaves face the glow.
        sx = int(1.2 * rs)
        rim = np.clip(fol - np.roll(fol, -sx, axis=1), 0, 1) * glow * 0.8
        img = img * (1 - rim[..., None]) + np.array([150, 80, 40]) * rim[..., None]

        out = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8), "RGB")
        d = ImageDraw.Draw(out)
        self.draw_pier(d, rs)
        self.draw_reeds(d, rs)
        return out.resize((self.W * scale, self.H * scale), Image.LANCZOS)

    def draw_pier(self, d, rs):
        def p(x, y):
            return (x * rs, y * rs)

        # The deck runs from the near shore at the bottom-left out towards the far end at the right.
        near_l, near_r = (-12, 272), (30, 304)
        far_l, far_r = (44, 230), (52, 234)
        side = (16, 24, 26)
        wood = (70, 50, 44)
        gap = (30, 22, 22)
        # Posts below the deck's right edge and their reflections.
        for t in (0.08, 0.3, 0.52, 0.74, 0.94):
            x = near_r[0] + (far_r[0] - near_r[0]) * t
            y = near_r[1] + (far_r[1] - near_r[1]) * t
            lw = 1.0 + 3.0 * (1 - t)
            ln = 3.0 + 9.0 * (1 - t)
            d.line([p(x, y), p(x, y + ln)], fill=side, width=max(1, int(lw * rs)))
            d.line([p(x, y + ln), p(x + 0.6, y + ln * 1.8)], fill=(22, 26, 36), width=max(1, int(lw * rs)))
        # The deck's front face, then its planked top.
        d.polygon([p(*near_r), p(*far_r), p(far_r[0], far_r[1] + 2.2), p(near_r[0], near_r[1] + 6)], fill=side)
        d.polygon([p(*near_l), p(*far_l), p(*far_r), p(*near_r)], fill=wood)
        n = 16
        for i in range(1, n):
            t = 1 - (1 - i / n) ** 1.6  # planks crowd together further away
            a = (near_l[0] + (far_l[0] - near_l[0]) * t, near_l[1] + (far_l[1] - near_l[1]) * t)
            b = (near_r[0] + (far_r[0] - near_r[0]) * t, near_r[1] + (far_r[1] - near_r[1]) * t)
            d.line([p(*a), p(*b)], fill=gap, width=max(1, int((1.0 - 0.6 * t) * rs)))
        # Sky light along the deck's far edge.
        d.line([p(*near_l), p(*far_l)], fill=(170, 110, 86), width=max(1, int(0.8 * rs)))
        # Two mooring posts at the far end.
        for (x, y) in (far_l, far_r):
            d.line([p(x, y + 1), p(x, y - 6)], fill=(34, 26, 26), width=max(1, int(1.6 * rs)))

    def draw_reeds(self, d, rs):
        for x, base, hgt, lean, wd in self.reeds:
            pts = []
            for i in range(9):
                t = i / 8
                pts.append(((x + lean * hgt * t * t) * rs, (base - hgt * t) * rs))
            d.line(pts, fill=(12, 14, 16), width=max(1, int(wd * rs)))
        for x, base, hgt, lean, wd in self.reeds[::5]:
            # a few seed heads
            tx, ty = x + lean * hgt, base - hgt
            d.ellipse([(tx - 0.9) * rs, (ty - 3.5) * rs, (tx + 0.9) * rs, (ty + 1) * rs], fill=(24, 16, 14))


def ellipse_poly(cx, cy, rx, ry, ang_deg, n=10):
    a = math.radians(ang_deg)
    ca, sa = math.cos(a), math.sin(a)
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


# ----------------------------------------------------------------------------------------------
# Tiles, icon and board


def tile_numeral(n, scale):
    """The digit picture of tile n: golden numerals centred on the button's tan."""
    h = 25 * scale
    px = 23.0 * scale * SS
    glyph = golden_text(str(n), SERIF_BOLD_ITALIC, px, outline=0.9 * scale * SS, shadow=0)
    # The width is settled at 1x and doubled, so both files frame the numeral alike.
    gw = golden_text(str(n), SERIF_BOLD_ITALIC, 23.0 * SS, outline=0.9 * SS, shadow=0).size[0] / SS
    if n == 1:
        w = 16
    elif n == 15:
        w = 31
    elif n < 10:
        w = int(min(21, max(16, math.ceil(gw) + 3)))
    else:
        w = int(min(34, max(29, math.ceil(gw) + 3)))
    w *= scale
    canvas = Image.new("RGBA", (w * SS, h * SS), TAN + (255,))
    gx = (w * SS - glyph.size[0]) // 2
    gy = (h * SS - glyph.size[1]) // 2
    canvas.alpha_composite(glyph, (max(0, gx), max(0, gy)))
    return downsample(canvas.convert("RGB"), (w, h))


def bevel_tile(size, face, radius, light, dark, border):
    """A raised square tile with rounded corners, as RGBA at the given pixel size."""
    s = size
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, s - 1, s - 1], radius=radius, fill=dark + (255,))
    b = max(1, int(round(s * 0.06)))
    d.rounded_rectangle([0, 0, s - 1 - b, s - 1 - b], radius=radius, fill=light + (255,))
    d.rounded_rectangle([b, b, s - 1 - b, s - 1 - b], radius=max(0, radius - b), fill=face + (255,))
    if border:
        d.rounded_rectangle([0, 0, s - 1, s - 1], radius=radius, outline=border + (255,), width=max(1, b // 2))
    return img


def icon_picture(size):
    """The window icon, '15' on a tan tile, drawn for any pixel size."""
    big = size * SS
    tile = bevel_tile(big, TAN, int(big * 0.14), (255, 246, 222), (170, 128, 70), (96, 64, 24))
    glyph = golden_text("15", SERIF_BOLD_ITALIC, big * 0.74, outline=max(SS, big * 0.045), shadow=0)
    glyph.thumbnail((int(big * 0.82), int(big * 0.78)), Image.LANCZOS)
    tile.alpha_composite(glyph, ((big - glyph.size[0]) // 2, (big - glyph.size[1]) // 2))
    return tile.resize((size, size), Image.LANCZOS)


def board_picture(scale):
    """The splash picture of the solved board over a darkened corner of the lake."""
    w, h = 150 * scale, 151 * scale
    lake = Lake().render(scale * 2)
    # A dark, blurred slice of the photograph across the water and the far trees.
    crop = lake.crop((0, 90 * scale * 2, 293 * scale * 2, 298 * scale * 2)).resize((w * SS, h * SS), Image.LANCZOS)
    crop = crop.filter(ImageFilter.GaussianBlur(1.5 * SS * scale))
    bg = Image.eval(crop, lambda v: int(v * 0.6)).convert("RGBA")
    margin = 10 * SS * scale
    cell = (w * SS - 2 * margin) / 4.0
    top = (h * SS - 4 * cell) / 2
    for i in range(16):
        r, c = divmod(i, 4)
        x0 = int(round(margin + c * cell))
        y0 = int(round(top + r * cell))
        size = int(round(margin + (c + 1) * cell)) - x0
        if i == 15:
            ImageDraw.Draw(bg).rectangle([x0, y0, x0 + size - 1, y0 + size - 1], fill=WHITE + (255,))
            continue
        tile = bevel_tile(size, (250, 236, 200), int(size * 0.08), (255, 252, 240), (176, 146, 96), None)
        glyph = golden_text(str(i + 1), SERIF_BOLD_ITALIC, size * 0.6, outline=size * 0.035, shadow=0)
        tile.alpha_composite(glyph, ((size - glyph.size[0]) // 2, (size - glyph.size[1]) // 2))
        bg.alpha_composite(tile, (x0, y0))
    return bg.convert("RGB").resize((w, h), Image.LANCZOS)


# ----------------------------------------------------------------------------------------------
# Logotypes, banner and smiley


def word_on(text, path, size, bg, px, scale, outline=1.0, shadow=1.0, rotate=False, fit=0.9):
    """Golden text centred on a plain background, scaled down if needed to fit."""
    w, h = size
    glyph = golden_text(text, path, px * scale * SS, outline=outline * scale * SS, shadow=shadow * scale * SS)
    if rotate:
        glyph = glyph.rotate(90, expand=True, resample=Image.BICUBIC)
    lim = (int(w * SS * fit), int(h * SS * fit))
    if glyph.size[0] > lim[0] or glyph.size[1] > lim[1]:
        glyph.thumbnail(lim, Image.LANCZOS)
    canvas = Image.new("RGBA", (w * SS, h * SS), bg + (255,))
    canvas.alpha_composite(glyph, ((w * SS - glyph.size[0]) // 2, (h * SS - glyph.size[1]) // 2))
    return canvas.convert("RGB").resize((w, h), Image.LANCZOS)


def logotype(scale):
    return word_on(PRODUCT_NAME, SERIF_BOLD_ITALIC, (137 * scale, 32 * scale), CREAM, 28, scale, fit=0.94)


def vertical_logotype(scale):
    img = word_on(PRODUCT_NAME, SERIF_BOLD_ITALIC, (62 * scale, 224 * scale), WHITE, 46, scale,
                  outline=1.4, shadow=1.6, rotate=True, fit=0.92)
    # A thin gold rule down each side frames the word.
    d = ImageDraw.Draw(img)
    for x in (6 * scale, 55 * scale):
        d.line([(x, 10 * scale), (x, 214 * scale)], fill=(214, 160, 40), width=scale)
    return img


def web_picture(scale):
    return word_on(MAKER_SITE, SERIF_BOLD_ITALIC, (206 * scale, 30 * scale), WHITE, 21, scale,
                   outline=0.8, shadow=0.8, fit=0.96)


def banner(scale):
    """The partner site's banner: a die and the site's name on a deep blue board."""
    w, h = 156 * SS * scale, 48 * SS * scale
    u = SS * scale
    img = gradient_fill((w, h), [(0, (38, 92, 176)), (0.55, (22, 58, 128)), (1, (12, 34, 84))]).convert("RGBA")
    d = ImageDraw.Draw(img)
    # A soft light band and a thin border.
    d.rectangle([0, 0, w - 1, h - 1], outline=(250, 204, 60, 255), width=u)
    d.rectangle([2 * u, 2 * u, w - 1 - 2 * u, h - 1 - 2 * u], outline=(90, 140, 220, 255), width=max(1, u // 2))
    # The die, tilted, with its five pips.
    die = Image.new("RGBA", (30 * u, 30 * u), (0, 0, 0, 0))
    dd = ImageDraw.Draw(die)
    dd.rounded_rectangle([3 * u, 3 * u, 27 * u, 27 * u], radius=5 * u, fill=(200, 40, 40, 255),
                         outline=(120, 10, 10, 255), width=u)
    dd.rounded_rectangle([4 * u, 4 * u, 24 * u, 24 * u], radius=4 * u, fill=(228, 60, 52, 255))
    for px_, py_ in ((9, 9), (21, 9), (15, 15), (9, 21), (21, 21)):
        dd.ellipse([(px_ - 2.4) * u, (py_ - 2.4) * u, (px_ + 2.4) * u, (py_ + 2.4) * u], fill=(255, 250, 240, 255))
    die = die.rotate(-14, resample=Image.BICUBIC, expand=False)
    img.alpha_composite(die, (6 * u, 9 * u))
    # The name in bold yellow with a dark edge, the address below in white.
    name = text_mask(PARTNER_NAME, SANS_BOLD, 21 * u, 2 * u)
    edge = name.filter(ImageFilter.MaxFilter(2 * int(u * 0.9) + 1))
    nx, ny = 40 * u, 5 * u
    img.paste((10, 20, 50, 255), (nx + u, ny + u), edge)
    img.paste((255, 214, 64, 255), (nx, ny), name)
    addr = text_mask(PARTNER_SITE, SANS_BOLD, 9.4 * u, u)
    img.paste((236, 242, 255, 255), (41 * u, 33 * u), addr)
    return img.convert("RGB").resize((156 * scale, 48 * scale), Image.LANCZOS)


def smiley(scale):
    w, h = 55 * SS * scale, 40 * SS * scale
    u = SS * scale
    img = Image.new("RGB", (w, h), WHITE)
    d = ImageDraw.Draw(img)
    cx, cy, r = 27.5 * u, 20 * u, 17.5 * u
    d.ellipse([cx - r + u, cy - r + 1.5 * u, cx + r + u, cy + r + 1.5 * u], fill=(214, 214, 214))  # shadow
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(200, 130, 0))
    # Shaded face: rings from orange-yellow out to bright yellow at the upper left.
    for i in range(40):
        t = i / 39
        rr = (r - 1.2 * u) * (1 - t)
        ox, oy = -4 * u * t, -5 * u * t
        col = (255, int(196 + 50 * t), int(20 + 120 * t * t))
        d.ellipse([cx + ox - rr, cy + oy - rr, cx + ox + rr, cy + oy + rr], fill=col)
    for ex in (-6.0, 6.0):
        d.ellipse([cx + (ex - 2.2) * u, cy - 9 * u, cx + (ex + 2.2) * u, cy - 2.5 * u], fill=(40, 24, 8))
        d.ellipse([cx + (ex - 1.2) * u, cy - 8 * u, cx + (ex - 0.1) * u, cy - 6.6 * u], fill=(255, 255, 255))
    d.arc([cx - 10.5 * u, cy - 8 * u, cx + 10.5 * u, cy + 11 * u], 25, 155, fill=(90, 40, 8), width=int(2.2 * u))
    for sx in (-10.5, 10.5):  # dimples at the ends of the smile
        d.arc([cx + (sx - 1.6) * u, cy + 4 * u, cx + (sx + 1.6) * u, cy + 7.5 * u],
              200 if sx < 0 else -20, 340 if sx < 0 else 160, fill=(150, 80, 10), width=u)
    for ex in (-11.0, 11.0):  # rosy cheeks
        d.ellipse([cx + (ex - 2.6) * u, cy + 0.5 * u, cx + (ex + 2.6) * u, cy + 3.5 * u], fill=(255, 176, 90))
    return img.resize((55 * scale, 40 * scale), Image.LANCZOS)


# ----------------------------------------------------------------------------------------------
# The cursor


def hand_cursor(size):
    """A white glove holding a black pointer stick whose tip is at the top-left corner.

    Drawn in a 32-unit square; returns (RGBA image, hot spot)."""
    k = size / 32.0
    big = size * 8
    f = big / 32.0
    r2 = 1 / math.sqrt(2)

    # Work along the stick: u runs towards the tip, v across it towards the upper right.
    tip = (1.0, 1.0)
    cu = 22.0  # the fist's centre lies this far from the tip
    c = (tip[0] + r2 * cu, tip[1] + r2 * cu)

    def pt(u, v):
        return ((c[0] - u * r2 + v * r2) * f, (c[1] - u * r2 - v * r2) * f)

    def capsule(d, u0, v0, u1, v1, r):
        a, b = pt(u0, v0), pt(u1, v1)
        d.line([a, b], fill=255, width=int(2 * r * f))
        for p in (a, b):
            d.ellipse([p[0] - r * f, p[1] - r * f, p[0] + r * f, p[1] + r * f], fill=255)

    def shape(draw_fn, cut=110):
        m = Image.new("L", (big, big), 0)
        draw_fn(ImageDraw.Draw(m))
        return np.asarray(m.resize((size, size), Image.BOX)) >= cut

    fingers = (-4.5, -1.5, 1.5, 4.5)

    def glove(d):
        d.polygon([pt(-13, -6.5), pt(-9, -6.5), pt(-9, 6.5), pt(-13, 6.5)], fill=255)  # cuff
        d.polygon([pt(-9.5, -5.5), pt(-3, -6.5), pt(-3, 4.5), pt(-9.5, 4.5)], fill=255)  # back of hand
        for uu in fingers:  # the four fingers curled round the stick, knuckles up
            capsule(d, uu, -3.0, uu, 5.6 - 0.25 * abs(uu), 1.35)
        capsule(d, -6, -5.5, 5.2, -4.6, 1.5)  # the thumb along the stick's lower side

    def creases(d):
        for uu in (-3.0, 0.0, 3.0):
            d.line([pt(uu, -1.5), pt(uu, 5.6)], fill=255, width=max(1, int(0.45 * f)))
        d.line([pt(-9, -6.5), pt(-9, 6.5)], fill=255, width=max(1, int(0.45 * f)))
        d.line([pt(-3, -3.4), pt(5.2, -3.1)], fill=255, width=max(1, int(0.45 * f)))

    def shade(d):  # away from the light: the lower-left flank and the cuff
        d.polygon([pt(-13, -7), pt(7, -7), pt(7, -5.2), pt(-13, -4.6)], fill=255)
        d.polygon([pt(-13, -7), pt(-10.5, -7), pt(-10.5, 7), pt(-13, 7)], fill=255)

    g, cr, sh = shape(glove), shape(creases, 90), shape(shade)
    rgba = np.zeros((size, size, 4), np.uint8)
    # The stick: a diagonal one, two or three pixels thick from the tip to the fist.
    thick = max(2, size // 16)
    for i in range(int((tip[0] + r2 * cu) * k)):
        for t in range(thick):
            x, y = i + (t + 1) // 2, i + t // 2
            if 0 <= x < size and 0 <= y < size and i >= int(tip[0] * k):
                rgba[y, x] = (0, 0, 0, 255)
    inside = g.copy()
    interior = inside.copy()
    interior[1:, :] &= inside[:-1, :]
    interior[:-1, :] &= inside[1:, :]
    interior[:, 1:] &= inside[:, :-1]
    interior[:, :-1] &= inside[:, 1:]
    rgba[inside] = (0, 0, 0, 255)
    rgba[interior] = (255, 255, 255, 255)
    rgba[interior & sh] = (192, 192, 192, 255)
    if size >= 32:
        rgba[interior & cr] = (128, 128, 128, 255)
    hot = (int(tip[0] * k), int(tip[1] * k))
    return Image.fromarray(rgba, "RGBA"), hot


# ----------------------------------------------------------------------------------------------


def main():
    os.makedirs(ASSETS, exist_ok=True)

    def at(name, scale):
        stem, ext = os.path.splitext(name)
        return os.path.join(ASSETS, stem + ("@2x" if scale == 2 else "") + ext)

    lake = Lake()
    for s in (1, 2):
        save_jpeg(lake.render(s), at("fondo.jpg", s))
        for n in range(1, 16):
            # The numerals come close to the edges; at lower quality their ringing tints the corners
            # away from the button's tan.
            save_jpeg(tile_numeral(n, s), at(f"ficha{n}.jpg", s), quality=98)
        write_gif(at("banner.gif", s), banner(s), 256)
        write_gif(at("tablero.gif", s), board_picture(s), 256)
        write_gif(at("logotipo.gif", s), logotype(s), 256, transparent=CREAM, dither=False)
        write_gif(at("sonrisa.gif", s), smiley(s), 64)
        write_gif(at("logotipo_vertical.gif", s), vertical_logotype(s), 256, dither=False)
        write_gif(at("web.gif", s), web_picture(s), 256, dither=False)
        write_icocur(at("icono.ico", s), [quantize16(icon_picture(32 * s), ICON16)])

    hands = {n: hand_cursor(n) for n in (16, 32, 64)}
    for s in (1, 2):
        sizes = (32 * s, 16 * s)
        imgs = [quantize16(hands[n][0], VGA16) for n in sizes]
        write_icocur(at("mano.cur", s), imgs, hotspots=[hands[n][1] for n in sizes])

    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        d = os.path.join(ASSETS, "icons", "hicolor", f"{n}x{n}", "apps")
        os.makedirs(d, exist_ok=True)
        icon_picture(n).save(os.path.join(d, "deslizador.png"), optimize=True)


if __name__ == "__main__":
    main()
