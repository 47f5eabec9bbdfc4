"""The board window's photograph: a lake at dusk, framed by trees, with a pier and reeds."""

import math

import numpy as np
from PIL import Image, ImageDraw


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
