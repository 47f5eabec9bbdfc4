"""The game's windows on the screen: kind_of(window) tells them apart by their sizes; a Board
reads the tiles from pixels once it has learnt them: board.learn(screenshot) while every tile
is home, then board.read() gives the tile on cells 1..16, 0 for the blank."""

from PIL import ImageChops, ImageStat

from xsession import Failure

# Client-area sizes, with the border each window draws itself.
SPLASH, CONGRATULATIONS, CONTACT = (361, 246), (210, 149), (304, 253)
BOARD_CLIENT = (254, 296)  # below the menu bar
CELL, BOARD_ORIGIN, FACE_INSET = 48, 32, 6  # cell 1's top-left client pixel; inside the bevel
BANNER_CENTRE = (51 + 156 // 2, 235 + 48 // 2)  # client pixels
CONTACT_OK = (4 + 80 + 168 + 17, 4 + 145 + 13 + 15)  # the OK button's centre


def kind_of(window):
    if window.width == BOARD_CLIENT[0] and BOARD_CLIENT[1] < window.height < BOARD_CLIENT[1] + 60:
        return "board"
    return {SPLASH: "splash", CONGRATULATIONS: "congratulations", CONTACT: "contact"}.get(window.size)


def distance(a, b):
    """Mean absolute difference per channel, 0..255."""
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


class Board:
    def __init__(self, session, window):
        self.session, self.window = session, window
        self.left, self.top = window.x, window.y + window.height - BOARD_CLIENT[1]

    def cell_box(self, cell, inset=0):
        x = self.left + BOARD_ORIGIN + CELL * ((cell - 1) % 4)
        y = self.top + BOARD_ORIGIN + CELL * ((cell - 1) // 4)
        return (x + inset, y + inset, x + CELL - inset, y + CELL - inset)

    def cell_centre(self, cell):
        return (self.cell_box(cell)[0] + CELL // 2, self.cell_box(cell)[1] + CELL // 2)

    def banner_centre(self):
        return (self.left + BANNER_CENTRE[0], self.top + BANNER_CENTRE[1])

    def area(self, image):
        return image.crop(self.cell_box(1)[:2] + self.cell_box(16)[2:]).tobytes()

    def learn(self, image):
        """Takes the home arrangement's pictures: tile i in cell i, the white blank in cell 16."""
        self.references = {cell % 16: image.crop(self.cell_box(cell, FACE_INSET))
                           for cell in range(1, 17)}
        blank = self.references[0]
        if blank.getcolors(1 << 16) != [(blank.width * blank.height, (255, 255, 255))]:
            raise Failure("cell 16 at start-up is not the white blank marker")
        nearest = min(distance(a, b) for i, a in self.references.items()
                      for j, b in self.references.items() if i < j)
        if nearest < 2:
            raise Failure(f"two cells look alike at start-up (distance {nearest:.1f})")
        self.threshold = nearest / 2  # a tile matches its own picture almost exactly

    def read(self, image=None):
        image = image or self.session.screenshot()
        layout = []
        for cell in range(1, 17):
            face = image.crop(self.cell_box(cell, FACE_INSET))
            best, tile = min((distance(face, ref), tile) for tile, ref in self.references.items())
            if best > self.threshold:
                raise Failure(f"cell {cell} matches no tile picture (tile {tile} at {best:.1f})")
            layout.append(tile)
        if sorted(layout) != list(range(16)):
            raise Failure(f"the board read from the screen is not a permutation: {layout}")
        return tuple(layout)
