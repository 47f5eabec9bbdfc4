#!/usr/bin/python3
"""A game by keyboard alone, as a screen reader meets it on a real accessibility bus."""

import contextlib, pathlib, sys, time

import pyatspi
from gi.repository import GLib

from board import kind_of
from play import PARTNER_ADDRESS, read_count
from solver import HOME, NEIGHBOURS, slide, solve
from xsession import Failure, client, run, wait_for

heard = []  # (event, role, name, description), as a screen reader receives them


def listen(event):
    with contextlib.suppress(Exception):  # gone before it could be asked
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name, source.description))


def waited(predicate, what, timeout=20):  # delivering the accessibility events meanwhile
    def delivered():
        while GLib.MainContext.default().iteration(False):
            pass
        return predicate()
    return wait_for(delivered, what, timeout, 0.02)


def find(node, role, name=None):
    if node.getRoleName() == role and name in (None, node.name):
        return node
    return next((found for child in node if (found := find(child, role, name))), None)


def place(cell):
    return f"fila {(cell - 1) // 4 + 1}, columna {(cell - 1) % 4 + 1}"


def read(tablero):
    """The layout, or None while the buttons are not push buttons telling their places in order."""
    buttons = [(b.getRoleName(), b.name, b.description) for b in tablero]
    if buttons == [("push button", n, place(cell)) for cell, (_, n, _) in enumerate(buttons, 1)]:
        return tuple(0 if name == "Lugar vacío" else int(name) for _, name, _ in buttons)


def arrows(start, goal):
    row, column = (goal - 1) // 4 - (start - 1) // 4, (goal - 1) % 4 - (start - 1) % 4
    return (["Down" if row > 0 else "Up"] * abs(row)
            + ["Right" if column > 0 else "Left"] * abs(column))


def game(session):
    """A game by keyboard alone, as a screen reader meets it."""
    for kind in ("object:property-change:accessible-description", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(listen, kind)
    session.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = session.wait_window("board")
    app = waited(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                               if a and a.name == "Deslizador"), None), "the game on the bus")
    frame = waited(lambda: find(app, "frame", " Deslizador"), "the board window on the bus")
    tablero, banner = find(frame, "panel", "Tablero"), find(frame, "link")
    waited(lambda: read(tablero) == HOME, "the board's buttons in the home arrangement", 5)
    if (banner.name, banner.description) != ("Ludoteca", PARTNER_ADDRESS):
        raise Failure(f"the banner is the link {banner.name!r}, {banner.description!r}")
    banner.queryAction().doAction(0)
    session.opened_once(PARTNER_ADDRESS)
    pathlib.Path(session.workdir, "fail").touch()  # an error message, met as an alert
    banner.queryAction().doAction(0)
    alert = waited(lambda: find(app, "alert"), "the failed opener's message as an alert")
    ok = find(alert, "push button", "Aceptar")
    waited(lambda: ok.getState().contains(pyatspi.STATE_FOCUSED), "the focus on its Aceptar", 5)
    if f"No se pudo abrir la página {PARTNER_ADDRESS} en el navegador." not in (
            texts := [label.name for label in alert]):
        raise Failure(f"the alert reads {texts}")
    ok.queryAction().doAction(0)

    session.key_on(window, "alt+m")
    layout = waited(lambda: read(tablero) not in (None, HOME) and read(tablero), "Alt+M to mix")
    cell = NEIGHBOURS[blank := layout.index(0) + 1][0]
    tablero[cell - 1].queryAction().doAction(0)
    told = ("object:property-change:accessible-description", "push button", str(layout[cell - 1]))
    waited(lambda: told + (place(blank),) in heard, f"tile {told[2]} to tell its new place")
    layout = slide(layout, cell)
    waited(lambda: read(tablero) == layout, f"the reader to meet {layout} after the press", 10)

    moves, keys, focus = solve(layout), ["Tab"], layout.index(1) + 1
    for cell in moves:
        keys += arrows(focus, cell) + ["space"]
        focus = layout.index(0) + 1  # the focused tile goes where the blank was
        layout = slide(layout, cell)
    for start in range(0, len(keys), 50):
        session.xdotool("key", "--delay", 15, *keys[start:start + 50])
    shown = waited(lambda: next((e for e in heard if e[:2] == ("object:state-changed:showing",
                                                              "notification")), None),
                   "the congratulations to be announced", 60)
    count = 1 + len(moves)
    if shown[2] != f"Felicitaciones. ¡¡¡ Lo lograste !!! en {count} movimientos":
        raise Failure(f"the congratulations were announced as {shown[2]!r}, after {count} moves")
    if session.output("xdotool", "getactivewindow").strip() != str(window.id):
        raise Failure("the congratulations took the focus from the board")
    shot = client(session.screenshot(), session.wait_window("congratulations", 5))
    if (seen := read_count(shot, session.workdir)) != count:
        raise Failure(f"the congratulations show {seen} moves, the keyboard made {count}")
    waited(lambda: read(tablero) == HOME, "the reader to meet the solved board", 10)


if __name__ == "__main__":
    sys.exit(run(game, kind_of))
