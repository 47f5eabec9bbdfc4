"""The partner site's banner below the board."""

from PIL import Image, ImageDraw, ImageFilter

from drawings.lettering import gradient_fill, text_mask
from drawings.style import PARTNER_NAME, PARTNER_SITE, SANS_BOLD, SS


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
