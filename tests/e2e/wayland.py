#!/usr/bin/python3
"""Weston on an X display, played with the pointer: every window as on X, the board's title bar."""

import functools, os, sys, time

from PIL import Image

from board import CONTACT_OK, Board
from play import read_count
from solver import HOME, slide, solve
from xsession import Failure, Window, log, run, wait_for

HERE = os.path.dirname(os.path.abspath(__file__))
OUTSIDE, PARK = (1090, 790), (1000, 2)  # beyond Weston's 1024 x 768 output; on its panel
# From the board's client corner: the menu's captions, and the title bar's boxes above them.
MENU_Y, MEZCLAR, CONTACTO, BOXES_Y, MAXIMIZE, CLOSE = -9, 28, 84, -27, 226, 244


def weston(session):
    session.open_display((1100, 800), manager=False)  # room around Weston's output to come in from
    os.mkdir(runtime := f"{session.workdir}/runtime", 0o700)
    session.env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="deslizador-test")
    # Weston fades its output in from black when it starts, and windows in and out: read while
    # one fades, a window is not the picture it is drawn as.
    with open(config := f"{session.workdir}/weston.ini", "w") as ini:
        ini.write("[shell]\nstartup-animation=none\nanimation=none\nclose-animation=none\n")
    session.spawn("weston", ["weston", "--backend=x11-backend.so", "--use-pixman", "--idle-time=0",
                             f"--config={config}", "--socket=deslizador-test", "--width=1024",
                             "--height=768"])
    wait_for(lambda: os.path.exists(f"{runtime}/deslizador-test"), "Weston's socket", 30)


def park(session, *click):  # Weston's output takes the pointer's place as it comes in
    if click:
        session.click(*click)
    session.xdotool("mousemove", *OUTSIDE, "sleep", 0.1, "mousemove", *PARK, "sleep", 0.1)


def find(shot, picture):
    """The top-left corner where `picture` stands in the screenshot, pixel for pixel, or None."""
    rows = [picture.crop((0, y, picture.width, y + 1)).tobytes() for y in range(picture.height)]
    data, stride, at = shot.tobytes(), shot.width * 3, -1
    while (at := data.find(rows[0], at + 1)) >= 0:
        if at % 3 == 0 and at % stride + len(rows[0]) <= stride and all(
                data[at + j * stride:at + j * stride + len(r)] == r for j, r in enumerate(rows)):
            return (at % stride // 3, at // stride)


def on_wayland(session):
    """Every window on Weston, as on X."""
    session.start(QT_QPA_PLATFORM="wayland")
    park(session)
    shown = lambda picture: find(session.screenshot(), picture)
    seen = lambda picture, what, timeout=20: wait_for(lambda: shown(picture), what, timeout, 0.2)
    picture = lambda path: Image.open(f"{HERE}/../../{path}").convert("RGB")
    as_on_x = lambda name: picture(f"docs/{name}.png")
    log(f"the splash at {seen(as_on_x('splash'), 'the splash as on X')}")
    at = seen(picture("assets/banner.gif"), "the board window with the banner")
    left, top = at[0] - 51, at[1] - 235  # the board's client corner; the banner stands at (51, 235)
    image, face = session.screenshot(), (left + 32 + 16, top + 32 + 11)  # 16 x 25 on cell 1
    if find(image, picture("assets/ficha1.jpg")) != face:  # the 48-pixel cell at (32, 32)
        raise Failure(f"tile 1's picture is not at {face}, 32 pixels in from the board's corner")
    board = Board(session, Window(0, left, top, 254, 296, ""))
    board.learn(image)

    framed = lambda: session.screenshot().crop((left - 3, top - 39, left + 257, top + 299))
    park(session, left + 5, top + 5)  # on the photograph: the board active, whatever it was
    before = framed()
    park(session, left + MAXIMIZE, top + BOXES_Y)
    time.sleep(1)
    if framed() != before:
        raise Failure("the maximize box changed the board window")

    park(session, left + CONTACTO, top + MENU_Y)
    contact = seen(window := as_on_x("contact"), "the contact window as on X", 15)
    park(session, contact[0] + CONTACT_OK[0], contact[1] + CONTACT_OK[1])
    wait_for(lambda: not shown(window), "the contact window to close", 10, 0.2)

    park(session, left + MEZCLAR, top + MENU_Y)
    layout = wait_for(lambda: (read := board.read()) != HOME and read, "the mixed board", 15, 0.2)
    *moves, last = solve(layout)
    for start in range(0, len(moves), 12):
        session.xdotool(*[a for cell in moves[start:start + 12] for a in
                          ("mousemove", *board.cell_centre(cell), "sleep", 0.05, "click", 1)])
        park(session)
        layout = functools.reduce(slide, moves[start:start + 12], layout)
        wait_for(lambda: board.read() == layout, f"the board {layout}", 10, 0.2)
    park(session, *board.cell_centre(last))
    heading = as_on_x("congratulations").crop((0, 0, 210, 100))  # the count below it varies
    at = seen(heading, "the congratulations as on X", 15)
    count = read_count(session.screenshot().crop((*at, at[0] + 210, at[1] + 149)), session.workdir)
    if count != len(moves) + 1:
        raise Failure(f"the congratulations show {count} moves of {len(moves) + 1}")
    wait_for(lambda: not shown(heading), "the congratulations to close", 8, 0.2)
    session.click(left + CLOSE, top + BOXES_Y)
    if (status := session.process.wait(10)) != 0:  # TimeoutExpired fails the run too
        raise Failure(f"the program ended with status {status} after the close box")
    if text := open(f"{session.workdir}/program.log", errors="replace").read().strip():
        raise Failure(f"the program wrote on its error output:\n{text}")


if __name__ == "__main__":
    sys.exit(run(on_wayland, None, weston))
