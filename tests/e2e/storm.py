"""A storm of clicks, keys and closes; then pings, no window twice, a valid board, an error box."""

import collections, os, random, time

from Xlib import X, display, protocol

from board import BOARD_CLIENT
from solver import NEIGHBOURS, slide, solvable
from xsession import Failure, log, wait_for

KEYS = ["alt+m", "alt+c", "Tab", "space", "Left", "Right", "Up", "Down", "Escape"]


def send(session, window, name, *data, answered=False):
    """A WM_PROTOCOLS message, as the window manager sends one; answered: waits for its echo."""
    x = display.Display(session.env["DISPLAY"])
    x.screen().root.change_attributes(event_mask=X.StructureNotifyMask)  # where Qt answers
    values = [x.intern_atom(name), *data, 0, 0, 0, 0][:5]
    target = x.create_resource_object("window", window.id)
    target.send_event(protocol.event.ClientMessage(
        window=target, client_type=x.intern_atom("WM_PROTOCOLS"), data=(32, values)))
    x.flush()

    def answer():  # the program's echo among the events come so far
        events = [x.next_event() for _ in range(x.pending_events())]
        return any(e.type == X.ClientMessage and list(e.data[1]) == values for e in events)
    if answered:
        wait_for(answer, f"{window} to answer {name} after the storm", 5)
    x.close()


def storm(session, board, seconds=20):
    rng, end = random.Random(seed := random.randrange(1 << 30)), time.monotonic() + seconds
    log(f"a storm of {seconds} s, seed {seed}")
    while time.monotonic() < end:
        window = rng.choice(session.windows() or [board.window])  # none while one is mapped
        kind = session.kind_of(window)
        # The board's client area only (its menu bar holds "Salir"), elsewhere inside the drawn
        # borders; a window shrunk smaller than its borders gets keys instead.
        top = window.y + (window.height - BOARD_CLIENT[1] if kind == "board" else 8)
        xs, ys = (window.x + 8, window.x + window.width - 8), (top, window.y + window.height - 8)
        if rng.random() < 0.6 and xs[0] < xs[1] and ys[0] < ys[1]:
            session.click(rng.randrange(*xs), rng.randrange(*ys))
        elif rng.random() < 0.2 and kind != "board":  # closing the board would end the game
            send(session, window, "WM_DELETE_WINDOW")
        else:
            session.output("xdotool", "windowactivate", window.id, "key", "--clearmodifiers",
                           rng.choice(KEYS), check=False)
    time.sleep(1)
    windows = session.windows()  # a resized contact window is known by its title
    kinds = collections.Counter(session.kind_of(w) or w.name for w in windows)
    if any(n > 1 for n in kinds.values()) or kinds["board"] != 1:
        raise Failure(f"after the storm the windows are {windows}")
    for window in windows:
        send(session, window, "_NET_WM_PING", int(time.time() * 1000) & 0xFFFFFFFF, window.id,
             answered=True)
        if session.kind_of(window) != "board":
            send(session, window, "WM_DELETE_WINDOW")
    wait_for(lambda: len(session.windows()) == 1, "every window but the board to close", 15)
    for close in (lambda w: session.xdotool("windowclose", w.id),  # destroyed by another client
                  lambda w: send(session, w, "WM_DELETE_WINDOW")):  # it counts as closed too
        session.key_on(board.window, "alt+c")
        close(session.wait_window("contact", 15))
        session.wait_gone("contact", 10)
    session.park_pointer()
    if not solvable(layout := board.read()):
        raise Failure(f"after the storm the board reads {layout}, which cannot be solved")

    open(fail := os.path.join(session.workdir, "fail"), "w").close()  # the opener fails now
    session.click(*board.banner_centre())
    box = wait_for(lambda: next((w for w in session.windows() if session.kind_of(w) != "board"),
                                None), "the failed opener's message", 15)
    os.remove(fail)
    if "MODAL" in session.output("xprop", "-id", box.id, "_NET_WM_STATE"):
        raise Failure("the failed opener's message is modal")
    session.xdotool("windowmove", "--sync", box.id, 0, 0)  # off the board
    cell = NEIGHBOURS[layout.index(0) + 1][0]
    session.xdotool("mousemove", *board.cell_centre(cell), "click", 1, "mousemove", 1, 1)
    wait_for(lambda: board.read() == slide(layout, cell), "a tile to move with the message up", 10)
