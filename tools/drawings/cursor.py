"""The pointing hand over the banner and the web address."""

import math

import numpy as np
from PIL import Image, ImageDraw


# The sixteen colours of the classic VGA palette, which cursors are drawn with.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # fmt: skip


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
