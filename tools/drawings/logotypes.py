"""The game's name and the maker's web address in gold, on the splash and contact windows."""

from PIL import Image, ImageDraw

from drawings.lettering import golden_text
from drawings.style import CREAM, MAKER_SITE, PRODUCT_NAME, SERIF_BOLD_ITALIC, SS, WHITE


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
