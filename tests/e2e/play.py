#!/usr/bin/python3
"""Plays one whole game as a person would, on a private X display (see xsession.py):
the splash gives way to the board about 3 s later; clicks before the first shuffle move nothing;
Alt+M shuffles; the board, read from the screen, is solved by clicks, with some on stuck tiles and
one on the blank; the congratulations show the counted clicks (read by tesseract), are still there
4 s after the last click and close by themselves; the contact window opens twice alike; the banner
starts xdg-open once with the partner's address; Alt+S ends the program with status 0. Every
window opens centred. Usage: play.py <executable> [<screenshots dir> [<docs dir>]]
"""

import collections, os, re, subprocess, sys, time

from PIL import Image, ImageOps

from board import CONTACT_OK, Board, distance, kind_of
from storm import storm
from solver import HOME, NEIGHBOURS, slide, solvable, solve
from xsession import Failure, log, run, wait_for

PARTNER_ADDRESS = "http://www.ludoteca.example/"


def read_count(window_image, workdir):
    """N of the congratulations' "en N movimientos": tesseract at a few sizes, the majority."""
    line = window_image.crop((20, 104, window_image.width - 20, 134))
    grey = Image.new("L", line.size)  # dark on white by the distance from the cream
    grey.putdata([255 - min(255, sum(abs(c - b) for c, b in zip(p, (241, 226, 190))) * 255 // 400)
                  for p in line.getdata()])
    readings = collections.Counter()
    for scale, cut in [(s, c) for s in (3, 4, 6) for c in (None, 160)]:
        picture = grey.resize((grey.width * scale, grey.height * scale), Image.LANCZOS)
        picture = picture.point(lambda v: 255 if v > cut else 0) if cut else picture
        ImageOps.expand(picture, border=20, fill=255).save(path := f"{workdir}/count.png")
        text = subprocess.run(["tesseract", path, "stdout", "-l", "spa", "--psm", "7"],
                              capture_output=True, text=True, timeout=60, check=True).stdout
        number = re.fullmatch(r"en (\d+) movimientos", " ".join(text.split()))
        readings[int(number[1]) if number else " ".join(text.split())] += 1
    count, votes = readings.most_common(1)[0]
    if votes <= 3 or not isinstance(count, int):
        raise Failure(f"no clear 'en N movimientos' in the congratulations; read {readings}")
    return count


def open_contact(session, board_window, save=False):
    """Alt+C on the board, then OK: the contact window as it showed."""
    session.key_on(board_window, "alt+c")
    contact = session.wait_window("contact", 15)
    session.check_centred(contact, "contact window")
    time.sleep(0.5)
    session.park_pointer()
    image = session.screenshot()
    if save:
        session.save("contact.png", contact, image)
    session.click(contact.x + CONTACT_OK[0], contact.y + CONTACT_OK[1])
    session.wait_gone("contact", 10)
    return image.crop(contact.box)


def plan_clicks(layout):
    """(cell, layout after it, counted) solving the board, with clicks on stuck tiles and the blank."""
    plan, expected, moves = [], layout, solve(layout)
    for index, cell in enumerate(moves):
        if index in (0, len(moves) // 3, len(moves) * 2 // 3):
            blank = expected.index(0) + 1
            stuck = [c for c in range(1, 17) if c != blank and c not in NEIGHBOURS[blank]]
            plan.append((stuck[index % len(stuck)], expected, True))
            if index == 0:  # the blank marker is no tile: moves nothing, is not counted
                plan.append((blank, expected, False))
        expected = slide(expected, cell)
        plan.append((cell, expected, True))
    return plan


def play(session):
    session.start()
    splash = session.wait_window("splash")
    splash_seen = time.monotonic()
    time.sleep(0.5)
    session.park_pointer()
    session.save("splash.png", splash)
    board_window = session.wait_window("board")
    waited = time.monotonic() - splash_seen
    log(f"board {board_window} {waited:.2f} s after the splash")
    if not 2.5 <= waited <= 6.0:
        raise Failure(f"the board appeared {waited:.2f} s after the splash, not about 3 s")
    if board_window.name != " Deslizador":
        raise Failure(f"the board window's title is {board_window.name!r}")
    session.wait_gone("splash", 2.0)
    session.check_centred(splash, "splash window")
    session.check_centred(board_window, "board window")

    board = Board(session, board_window)
    session.park_pointer()
    def settled():
        first = board.area(session.screenshot())
        time.sleep(0.3)
        return first == board.area(session.screenshot())
    wait_for(settled, "the board to finish drawing", 20)
    board.learn(session.screenshot())

    # Clicks before the first shuffle: handled once the contact window shows after them.
    for cell in (12, 15, 11, 1):
        session.click(*board.cell_centre(cell))
    first_contact = open_contact(session, board_window, save=True)
    if board.read() != HOME or session.find("congratulations"):
        raise Failure(f"clicks before the shuffle moved tiles or congratulated: {board.read()}")

    session.key_on(board_window, "alt+m")
    wait_for(lambda: board.read() != HOME, "the board to change after Alt+M", 15, 0.2)
    session.park_pointer()
    layout = board.read()
    log(f"shuffled: {layout}")
    if not solvable(layout):
        raise Failure(f"the shuffled board cannot be solved: {layout}")
    session.save("board.png", board_window)

    *leading, last = plan_clicks(layout)
    count = sum(1 for _, _, counted in leading + [last] if counted)
    for start in range(0, len(leading), 12):
        batch = leading[start:start + 12]
        session.xdotool(*[a for cell, _, _ in batch for a in
                          ("mousemove", *board.cell_centre(cell), "sleep", 0.05, "click", 1)])
        session.park_pointer()
        wait_for(lambda: board.read() == batch[-1][1],
                 f"the board to read {batch[-1][1]} after clicks on {[c for c, *_ in batch]}", 10, 0.2)
        if session.find("congratulations"):
            raise Failure("the congratulations opened before the board was solved")
    final_click_at = time.monotonic()
    session.click(*board.cell_centre(last[0]))

    congratulations = session.wait_window("congratulations", 15)
    seen = time.monotonic()
    session.check_centred(congratulations, "congratulations window")
    session.park_pointer()
    time.sleep(0.3)
    image = session.screenshot()
    session.save("congratulations.png", congratulations, image)
    # It closes by itself 5 s after it opened: still there 4 s after the last click, gone
    # soon after 5 s from when it was seen.
    time.sleep(max(0, final_click_at + 4.0 - time.monotonic()))
    if session.find("congratulations") is None:
        raise Failure("the congratulations closed less than 4 s after the last click")
    session.wait_gone("congratulations", max(seen + 8.0 - time.monotonic(), 0.5))
    shown = read_count(image.crop(congratulations.box), session.workdir)
    log(f"the congratulations show {shown}, the player counted {count}")
    if shown != count or board.read() != HOME:
        raise Failure(f"the congratulations show {shown} moves, the player made {count}; "
                      f"the board reads {board.read()}")

    again = open_contact(session, board_window)
    if again.size != first_contact.size or distance(again, first_contact) > 1.0:
        raise Failure("the contact window opened a second time looks different from the first")

    session.click(*board.banner_centre())
    wait_for(session.opened, "the banner to start xdg-open", 15)
    time.sleep(1.5)  # a second start, if any, has had time to show
    if session.opened() != [PARTNER_ADDRESS]:
        raise Failure(f"the banner started xdg-open with {session.opened()}, not once with "
                      f"{PARTNER_ADDRESS}")

    storm(session, board)  # the opener started by the banner still waits
    session.key_on(board_window, "alt+s")
    if (status := session.process.wait(20)) != 0:  # TimeoutExpired fails the run too
        raise Failure(f"the program ended with status {status} after Alt+S")
    log("Alt+S ended the program with status 0")


if __name__ == "__main__":
    sys.exit(run(play, kind_of))
