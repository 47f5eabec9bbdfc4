"""The tiles' numerals, the window icon and the splash's picture of the solved board."""

import math

from PIL import Image, ImageDraw, ImageFilter

from drawings.lake import Lake
from drawings.lettering import golden_text
from drawings.style import SERIF_BOLD_ITALIC, SS, TAN, WHITE


# The icon's own sixteen colours: the tile's tan and bevels and the numerals' golds and edge.
ICON16 = [
    (0, 0, 0), TAN, (255, 246, 222), (170, 128, 70), (96, 64, 24), (112, 66, 8),
    (255, 231, 140), (246, 196, 64), (196, 132, 18), (224, 166, 40), (236, 208, 150),
    (205, 172, 112), (150, 100, 30), (214, 150, 30), (176, 116, 16), (134, 86, 18),
]  # fmt: skip


def downsample(img, size):
    return img.resize(size, Image.LANCZOS if img.mode == "RGB" else Image.BOX)


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
