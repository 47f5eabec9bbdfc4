"""Golden lettering: text as a coverage mask, vertical gradients, and gold letters with an edge."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont


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
