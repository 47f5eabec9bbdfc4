"""What the drawings share: the fonts, the colours of the windows they sit on, the words they show."""

import os

FONT_DIR = "/usr/share/fonts/truetype/liberation"
SERIF_BOLD_ITALIC = os.path.join(FONT_DIR, "LiberationSerif-BoldItalic.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "LiberationSans-Bold.ttf")

# The same words as ui/windows/identity.h; change both together.
PRODUCT_NAME = "Deslizador"
PARTNER_NAME = "Ludoteca"
PARTNER_SITE = "www.ludoteca.example"
MAKER_SITE = "www.tornel.example"

TAN = (247, 222, 165)  # the tile buttons' face colour; the numerals sit on exactly this
CREAM = (250, 233, 192)  # the splash and contact windows' background
WHITE = (255, 255, 255)

SS = 4  # supersampling factor for everything drawn with shapes and text
