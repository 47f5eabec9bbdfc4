#!/usr/bin/python3
"""The game's accessibility tree on a real accessibility bus, as a screen reader's own commands
meet it: the buttons in place order, the links and their actions, an error message as an alert.
What a player hears while playing is the Orca check's (orca.py)."""

import pathlib, sys

import pyatspi
from gi.repository import GLib

from board import kind_of
from play import PARTNER_ADDRESS
from solver import HOME, NEIGHBOURS, slide
from xsession import Failure, run, wait_for


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


def game(session):
    """The board and its links as a screen reader's own commands meet them."""
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
    cell = NEIGHBOURS[layout.index(0) + 1][0]
    tablero[cell - 1].queryAction().doAction(0)  # the reader's own press of a tile
    layout = slide(layout, cell)
    waited(lambda: read(tablero) == layout, f"the reader to meet {layout} after the press", 10)


if __name__ == "__main__":
    sys.exit(run(game, kind_of))
