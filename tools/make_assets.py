#!/usr/bin/python3
"""Draws every picture, icon and cursor of the game into assets/.

Needs Debian's python3-pil, python3-numpy and fonts-liberation (Liberation Serif Bold Italic for the
golden numerals and logotypes, Liberation Sans Bold for the partner banner). Run it from anywhere:

    /usr/bin/python3 tools/make_assets.py

Every random choice comes from fixed seeds, so a run makes the same files again. The drawings are in
drawings/, one module a picture or family of pictures; the files they go into are written by
formats/.
"""

import os

from drawings.banner import banner
from drawings.cursor import VGA16, hand_cursor
from drawings.lake import Lake
from drawings.logotypes import logotype, vertical_logotype, web_picture
from drawings.smiley import smiley
from drawings.style import CREAM
from drawings.tiles import ICON16, board_picture, icon_picture, tile_numeral
from formats.gif import write_gif
from formats.icocur import quantize16, write_icocur

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")


def save_jpeg(img, path, quality=92):
    # Full-resolution colour keeps the tiles' tan true right up to their edges.
    img.save(path, "JPEG", quality=quality, subsampling=0, optimize=True)


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

    # The desktop's icon sizes, written only here: the install and its check take the folders.
    for n in (16, 22, 24, 32, 48, 64, 128, 256):
        d = os.path.join(ASSETS, "icons", "hicolor", f"{n}x{n}", "apps")
        os.makedirs(d, exist_ok=True)
        icon_picture(n).save(os.path.join(d, "deslizador.png"), optimize=True)


if __name__ == "__main__":
    main()
