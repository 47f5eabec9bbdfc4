#!/usr/bin/python3
"""A whole game on a private X display: the splash, the board 3 s later, clicks before a shuffle
move nothing, the count shown after solving, the contact twice alike, the banner opened once."""

import collections, itertools, re, subprocess, sys, time

from PIL import Image, ImageOps

from board import CONTACT_OK, PARTNER, Board, distance, kind_of
from solver import HOME, NEIGHBOURS, arrows, slide, solve
from storm import storm
from xsession import Failure, client, run, wait_for


def read_count(image, workdir):
    """N in "en N movimientos", as tesseract reads it most often."""
    line = image.crop((20, 104, image.width - 20, 134))
    grey = Image.new("L", line.size)  # dark on white by the distance from the cream
    grey.putdata([255 - min(255, sum(abs(c - b) for c, b in zip(p, (241, 226, 190))) * 255 // 400)
                  for p in line.getdata()])
    readings = collections.Counter()
    for scale, cut in itertools.product((3, 4, 6), (None, 160)):
        big = grey.resize((grey.width * scale, grey.height * scale), Image.LANCZOS)
        big = big.point(lambda v: 255 if v > cut else 0) if cut else big
        ImageOps.expand(big, border=20, fill=255).save(path := f"{workdir}/count.png")
        text = " ".join(subprocess.run(["tesseract", path, "stdout", "-l", "spa", "--psm", "7"],
                                       capture_output=True, text=True, check=True).stdout.split())
        readings[int(n[1]) if (n := re.fullmatch(r"en (\d+) movimientos", text)) else text] += 1
    (count, votes), = readings.most_common(1)
    if votes <= 3 or not isinstance(count, int):
        raise Failure(f"no clear 'en N movimientos' in the congratulations; read {readings}")
    return count


def start_up(session):
    session.start()
    splash, seen = session.wait_window("splash"), time.monotonic()
    time.sleep(0.5)
    session.park_pointer()
    session.centred(splash, "splash.png")
    window = session.wait_window("board")
    if not 2.5 <= (waited := time.monotonic() - seen) <= 6.0 or window.name != " Deslizador":
        raise Failure(f"the board {window.name!r} appeared {waited:.2f} s after the splash")
    session.wait_gone("splash", 2.0)
    board = Board(session, window)
    session.park_pointer()
    box = board.cell_box(1)[:2] + board.cell_box(16)[2:]
    area = lambda: session.screenshot().crop(box).tobytes()
    wait_for(lambda: area() == (time.sleep(0.3) or area()), "the board to finish drawing", 20)
    board.learn(session.screenshot())
    return board


def open_contact(session, board, name=None):
    session.key_on(board.window, "alt+c")
    contact = session.wait_window("contact", 15)
    time.sleep(0.5)
    session.park_pointer()
    session.centred(contact, name, image := session.screenshot())
    session.click(contact.x + CONTACT_OK[0], contact.y + CONTACT_OK[1])
    session.wait_gone("contact", 10)
    return client(image, contact)


def planned_clicks(layout):
    """(cell, layout after) solving the board, with counted clicks on stuck tiles, one on blank."""
    plan, moves = [], solve(layout)
    for index, cell in enumerate(moves):
        if index in (0, len(moves) // 3, len(moves) * 2 // 3):
            blank = layout.index(0) + 1
            stuck = [c for c in range(1, 17) if c != blank and c not in NEIGHBOURS[blank]]
            plan += [(stuck[index % len(stuck)], layout)] + [(blank, layout)] * (index == 0)
        plan.append((cell, layout := slide(layout, cell)))
    return plan, len(plan) - 1


def solve_by_clicks(session, board, focus=None):
    """Solves the board by the mouse, or with `focus`, the focused cell, by keyboard: the arrows
    to each tile and Space on it. Returns the count of the presses."""
    (*leading, last), count = planned_clicks(layout := board.read())

    def press(steps):
        nonlocal focus, layout
        if focus is None:
            return session.xdotool(*[a for cell, _ in steps for a in (
                "mousemove", *board.cell_centre(cell), "sleep", 0.05, "click", 1)])
        keys = []
        for cell, after in steps:  # the focus goes with a tile that moves
            keys += arrows(focus, cell) + ["space"]
            focus, layout = layout.index(0) + 1 if after != layout else cell, after
        session.xdotool("key", "--delay", 40, *keys)

    for start in range(0, len(leading), 12):
        press(batch := leading[start:start + 12])
        session.park_pointer()
        wait_for(lambda: board.read() == batch[-1][1], f"the board after {batch}", 10, 0.2)
        if session.find("congratulations"):
            raise Failure("the congratulations opened before the board was solved")
    clicked = time.monotonic()
    press([last])
    window, seen = session.wait_window("congratulations", 15), time.monotonic()
    session.park_pointer()
    time.sleep(0.3)
    session.centred(window, "congratulations.png", image := session.screenshot())
    time.sleep(max(0, clicked + 4.6 - time.monotonic()))  # open for 5 s from after the click
    if session.find("congratulations") is None:
        raise Failure("the congratulations closed less than 4.6 s after the last click")
    session.wait_gone("congratulations", max(seen + 6.5 - time.monotonic(), 0.5))
    shown = read_count(client(image, window), session.workdir)
    if shown != count or board.read() != HOME:
        raise Failure(f"the congratulations show {shown} moves of {count}; board {board.read()}")
    return count


def play(session):
    """A whole game, played as a person plays it."""
    board = start_up(session)
    for cell in (12, 15, 11, 1):  # before the first shuffle: handled once the contact shows
        session.click(*board.cell_centre(cell))
    first_contact = open_contact(session, board, "contact.png")
    if board.read() != HOME or session.find("congratulations"):
        raise Failure(f"clicks before the shuffle moved tiles or congratulated: {board.read()}")
    session.key_on(board.window, "alt+m")
    wait_for(lambda: board.read() != HOME, "the board to change after Alt+M", 15, 0.2)
    session.park_pointer()
    session.centred(board.window, "board.png")
    solve_by_clicks(session, board)
    again = open_contact(session, board)
    if again.size != first_contact.size or distance(again, first_contact) > 1.0:
        raise Failure("the contact window opened a second time looks different from the first")
    session.click(*board.banner_centre())
    session.opened_once(PARTNER)
    storm(session, board)
    session.key_on(board.window, "alt+s")  # the banner's opener still waits
    if (status := session.process.wait(20)) != 0:  # TimeoutExpired fails the run too
        raise Failure(f"the program ended with status {status} after Alt+S")


if __name__ == "__main__":
    sys.exit(run(play, kind_of))
