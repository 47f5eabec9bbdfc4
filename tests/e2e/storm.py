"""A short storm on a played game (play.py): random clicks on every window, keys, the window
manager's closes and banner clicks whose opener waits; then every window answers a ping, no window
shows twice and the board is a valid one. Last, a failed opener's message blocks no tile."""

import collections, os, random, time

from Xlib import X, display, protocol

from board import BOARD_CLIENT, CONTACT_OK
from solver import NEIGHBOURS, slide, solvable
from xsession import Failure, log, wait_for

KEYS = ["alt+m", "alt+c", "Tab", "space", "Left", "Right", "Up", "Down", "Escape", "alt+F4"]


def answers_ping(session, window, timeout=5.0):
    """_NET_WM_PING sent to the window: does the program send it back to the root in time?"""
    x = display.Display(session.env["DISPLAY"])
    try:
        x.screen().root.change_attributes(event_mask=X.StructureNotifyMask)  # as Qt answers
        ping, stamp = x.intern_atom("_NET_WM_PING"), int(time.time() * 1000) & 0xFFFFFFFF
        target = x.create_resource_object("window", window.id)
        target.send_event(protocol.event.ClientMessage(window=target, client_type=x.intern_atom(
            "WM_PROTOCOLS"), data=(32, [ping, stamp, window.id, 0, 0])))
        x.flush()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            while x.pending_events():
                event = x.next_event()
                if event.type == X.ClientMessage and list(event.data[1][:2]) == [ping, stamp]:
                    return True
            time.sleep(0.02)
        return False
    finally:
        x.close()


def storm(session, board, seconds=20):
    seed = random.randrange(1 << 30)
    rng, end = random.Random(seed), time.monotonic() + seconds
    log(f"a storm of {seconds} s, seed {seed}")
    while time.monotonic() < end:
        window = rng.choice(session.windows())
        kind = session.kind_of(window)
        key = rng.choice(KEYS)
        if rng.random() < 0.6:  # the board's client area only: its menu bar holds "Salir"
            top = window.y + (window.height - BOARD_CLIENT[1] if kind == "board" else 0)
            session.click(rng.randrange(window.x, window.x + window.width),
                          rng.randrange(top, window.y + window.height))
        elif not (key == "alt+F4" and kind == "board"):  # closing the board ends the game
            session.output("xdotool", "windowactivate", window.id, "key",
                           "--clearmodifiers", key, check=False)
    time.sleep(1)
    windows = session.windows()
    kinds = collections.Counter(session.kind_of(w) for w in windows)
    if any(n > 1 for n in kinds.values()) or kinds["board"] != 1:
        raise Failure(f"after the storm the windows are {windows}")
    for window in windows:
        if not answers_ping(session, window):
            raise Failure(f"{window} does not answer _NET_WM_PING after the storm")
    if contact := session.find("contact"):
        session.click(contact.x + CONTACT_OK[0], contact.y + CONTACT_OK[1])
    session.wait_gone("contact", 10)
    session.wait_gone("congratulations", 10)
    session.park_pointer()
    if not solvable(layout := board.read()):
        raise Failure(f"after the storm the board reads {layout}, which cannot be solved")

    fail = os.path.join(session.workdir, "fail")  # the opener fails while this exists
    open(fail, "w").close()
    session.click(*board.banner_centre())
    box = wait_for(lambda: session.find(None), "the failed opener's message", 15)
    os.remove(fail)
    if "MODAL" in session.output("xprop", "-id", box.id, "_NET_WM_STATE"):
        raise Failure("the failed opener's message is modal")
    session.xdotool("windowmove", "--sync", box.id, 0, 0)  # off the board
    session.park_pointer()
    cell = NEIGHBOURS[layout.index(0) + 1][0]
    session.click(*board.cell_centre(cell))
    session.park_pointer()
    wait_for(lambda: board.read() == slide(layout, cell), "a tile to move with the message up", 10)
