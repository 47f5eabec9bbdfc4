#!/usr/bin/python3
"""A whole game by keyboard alone, as a screen reader meets it, on a private X display with a real
accessibility bus (run it under dbus-run-session): the board's tree of roles, names and places; the
banner's link action starts xdg-open once; a tile pressed through its action tells its new place;
after Alt+M the board is solved with Tab, the arrows and Space; the congratulations are announced
with the right count while the board keeps the focus. Usage: reader.py <executable> [--keep]
"""

import sys, time

import pyatspi
from gi.repository import GLib

from board import kind_of
from play import PARTNER_ADDRESS, read_count
from solver import HOME, NEIGHBOURS, slide, solve
from xsession import Failure, log, run

heard = []  # (event, role, name, description), as a screen reader receives them


def listen(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name, source.description))
    except Exception:  # gone before it could be asked
        pass


def waited(predicate, what, timeout=20):
    context, deadline = GLib.MainContext.default(), time.monotonic() + timeout
    while True:
        while context.iteration(False):
            pass
        if value := predicate():
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.02)


def find(node, role, name=None):
    if node.getRoleName() == role and name in (None, node.name):
        return node
    return next((found for child in node if (found := find(child, role, name))), None)


def place(cell):
    return f"fila {(cell - 1) // 4 + 1}, columna {(cell - 1) % 4 + 1}"


def read(tablero):
    """The layout as the reader meets it: the tiles in place order, each with its place."""
    buttons = [(b.getRoleName(), b.name, b.description) for b in tablero]
    expected = [("push button", name, place(cell)) for cell, (_, name, _) in enumerate(buttons, 1)]
    if len(buttons) != 16 or buttons != expected:
        raise Failure(f"the board's buttons are not push buttons in place order: {buttons}")
    return tuple(0 if name == "Lugar vacío" else int(name) for _, name, _ in buttons)


def reads(tablero, layout, what):
    """Waits until the reader meets `layout` (the events of a move come one by one)."""
    def met():
        try:
            return read(tablero) == layout
        except Failure:  # between two events of one move
            return False
    try:
        waited(met, what, 10)
    except Failure:
        raise Failure(f"{what}: the reader meets {read(tablero)}, not {layout}")


def arrows(start, goal):
    row, column = (goal - 1) // 4 - (start - 1) // 4, (goal - 1) % 4 - (start - 1) % 4
    return ["Down" if row > 0 else "Up"] * abs(row) + ["Right" if column > 0 else "Left"] * abs(column)


def game(session):
    for kind in ("object:property-change:accessible-description", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(listen, kind)
    session.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = session.wait_window("board")
    game = waited(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                if a and a.name == "Deslizador" and a.childCount), None),
                  "the game on the accessibility bus")
    frame = waited(lambda: find(game, "frame", " Deslizador"), "the board window in the tree")
    tablero, banner = find(frame, "panel", "Tablero"), find(frame, "link")
    if read(tablero) != HOME:
        raise Failure("the board does not start in the home arrangement")
    if (banner.name, banner.description) != ("Ludoteca", PARTNER_ADDRESS):
        raise Failure(f"the banner is the link {banner.name!r}, {banner.description!r}")
    banner.queryAction().doAction(0)
    waited(session.opened, "the banner's link action to start xdg-open")
    time.sleep(1.0)
    if session.opened() != [PARTNER_ADDRESS]:
        raise Failure(f"the banner's action opened {session.opened()}")

    session.key_on(window, "alt+m")
    layout = waited(lambda: (lay := read(tablero)) != HOME and lay, "Alt+M to shuffle")
    blank = layout.index(0) + 1
    cell = NEIGHBOURS[blank][0]
    tile = str(layout[cell - 1])
    tablero[cell - 1].queryAction().doAction(0)
    waited(lambda: ("object:property-change:accessible-description", "push button", tile,
                    place(blank)) in heard, f"tile {tile} to tell its new place, {place(blank)}")
    layout = slide(layout, cell)
    reads(tablero, layout, "the board after the press")

    moves, keys, focus = solve(layout), ["Tab"], layout.index(1) + 1
    for cell in moves:
        keys += arrows(focus, cell) + ["space"]
        focus = layout.index(0) + 1  # the focused tile goes where the blank was
        layout = slide(layout, cell)
    log(f"{len(moves)} moves by {len(keys)} keys")
    session.key_on(window, "Escape")
    for start in range(0, len(keys), 50):
        session.xdotool("key", "--delay", 15, *keys[start:start + 50])
    shown = waited(lambda: next((e for e in heard if e[:2] == ("object:state-changed:showing",
                                                              "notification")), None),
                   "the congratulations to be announced", 60)
    count = 1 + len(moves)
    if shown[2] != f"Felicitaciones. ¡¡¡ Lo lograste !!! en {count} movimientos":
        raise Failure(f"the congratulations were announced as {shown[2]!r}, after {count} moves")
    log(f"announced: {shown[2]}")
    if session.output("xdotool", "getactivewindow").strip() != str(window.id):
        raise Failure("the congratulations took the focus from the board")
    congratulations = session.wait_window("congratulations", 5)
    if (seen := read_count(session.screenshot().crop(congratulations.box), session.workdir)) != count:
        raise Failure(f"the congratulations show {seen} moves, the keyboard made {count}")
    reads(tablero, HOME, "the board solved")


if __name__ == "__main__":
    sys.exit(run(game, kind_of, "A whole game by keyboard, as a screen reader meets it."))
