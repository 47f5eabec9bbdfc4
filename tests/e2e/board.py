"""The game's windows told apart by their client sizes, and the board read from the screen."""

from PIL import ImageChops, ImageStat

from xsession import Failure

SPLASH, CONGRATULATIONS, CONTACT = (361, 246), (210, 149), (304, 253)
BOARD_CLIENT = (254, 296)  # below the menu bar
CELL, ORIGIN, INSET = 48, 32, 6  # cell 1's top-left client pixel; the face inside the bevel
BANNER_CENTRE, CONTACT_OK = (51 + 156 // 2, 235 + 48 // 2), (269, 177)  # client pixels
PARTNER, MAKER = "http://www.ludoteca.example/", "http://www.tornel.example/"  # the pages


def kind_of(window):
    if window.width == BOARD_CLIENT[0] and BOARD_CLIENT[1] < window.height < BOARD_CLIENT[1] + 60:
        return "board"
    return {SPLASH: "splash", CONGRATULATIONS: "congratulations", CONTACT: "contact"}.get(
        (window.width, window.height))


def place(cell):  # as a screen reader tells a tile's place
    return f"fila {(cell - 1) // 4 + 1}, columna {(cell - 1) % 4 + 1}"


def distance(a, b):  # mean absolute difference per channel, 0..255
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


class Board:
    """learn(screenshot) while every tile is home; then read() gives the tiles on cells 1..16."""

    def __init__(self, session, window):
        self.session, self.window = session, window
        self.left, self.top = window.x, window.y + window.height - BOARD_CLIENT[1]

    def cell_box(self, cell, inset=0):
        x = self.left + ORIGIN + CELL * ((cell - 1) % 4) + inset
        y = self.top + ORIGIN + CELL * ((cell - 1) // 4) + inset
        return (x, y, x + CELL - 2 * inset, y + CELL - 2 * inset)

    def cell_centre(self, cell):
        return tuple(p + CELL // 2 for p in self.cell_box(cell)[:2])

    def banner_centre(self):
        return (self.left + BANNER_CENTRE[0], self.top + BANNER_CENTRE[1])

    def learn(self, image):
        self.faces = {cell % 16: image.crop(self.cell_box(cell, INSET)) for cell in range(1, 17)}
        if self.faces[0].getcolors(1 << 16) != [(36 * 36, (255, 255, 255))]:
            raise Failure("cell 16 at start-up is not the white blank marker")
        self.threshold = min(distance(a, b) for i, a in self.faces.items()
                             for j, b in self.faces.items() if i < j) / 2

    def read(self):
        image, layout = self.session.screenshot(), []
        for cell in range(1, 17):
            face = image.crop(self.cell_box(cell, INSET))
            best, tile = min((distance(face, f), tile) for tile, f in self.faces.items())
            if best > self.threshold:
                raise Failure(f"cell {cell} matches no tile (tile {tile} at {best:.1f})")
            layout.append(tile)
        return tuple(layout)
