"""The congratulations window's smiling face."""

from PIL import Image, ImageDraw

from drawings.style import SS, WHITE


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
