#!/usr/bin/python3
"""Plays one whole session of the game as a person would, on a private X display.

Starts Xvfb and openbox, runs the game with no arguments and drives it with xdotool, reading
the screen with ImageMagick's `import`:

  1. the splash window shows and gives way to the board window about three seconds later;
  2. clicks before the first shuffle move nothing (Alt+C and OK after them show that they
     have been handled);
  3. Alt+M shuffles the board;
  4. the board is read from the screen and solved by clicks, with a few clicks on tiles that
     cannot move and one on the blank marker; the congratulations window shows the number of
     counted clicks (read back with tesseract) and closes by itself about five seconds later;
  5. Alt+C opens the contact window again, the same as the first time, and OK closes it;
  6. the banner starts the desktop opener once, with the partner's address;
  7. Alt+S ends the program with exit status 0.

Screenshots of the four windows are written to --shots; with DESLIZADOR_UPDATE_SCREENSHOTS=1
they are also copied to --docs.

Usage: play.py <Deslizador executable> [--shots DIR] [--docs DIR] [--keep]
"""

import argparse
import collections
import io
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageOps, ImageStat

PARTNER_ADDRESS = "http://www.ludoteca.example/"

# Pixel sizes of the windows the program draws: client areas with the border each draws
# itself (1 pixel for the splash, 3 for the congratulations, 4 for the contact window).
SCREEN = (1024, 768)
SPLASH_SIZE = (361, 246)
CONGRATULATIONS_SIZE = (210, 149)
CONTACT_SIZE = (304, 253)
CONTACT_BORDER = 4
BOARD_CLIENT = (254, 296)  # below the menu bar

CELL = 48
BOARD_ORIGIN = 32  # client pixel of cell 1's top-left corner
FACE_INSET = 6
BANNER = (51, 235, 156, 48)  # client pixels
OK_BUTTON_CENTRE = (CONTACT_BORDER + 80 + 168 + 17, CONTACT_BORDER + 145 + 13 + 15)

# Generous: the program under a sanitizer starts and draws slowly.
WINDOW_TIMEOUT = 30.0


class Failure(Exception):
    pass


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


class Display:
    """A private Xvfb display with openbox on it; everything started here is stopped by close()."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.number = None
        self.env = None

    def start(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.workdir, "xvfb.log"), "wb"))
        self.processes.append(("Xvfb", xvfb))
        os.close(write_end)
        text = b""
        deadline = time.monotonic() + 30
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
            if not ready:
                raise Failure("Xvfb did not report a display number within 30 s")
            chunk = os.read(read_end, 64)
            if not chunk:
                raise Failure(f"Xvfb ended before reporting a display (status {xvfb.poll()})")
            text += chunk
        os.close(read_end)
        self.number = int(text.strip())
        self.env = dict(os.environ)
        self.env["DISPLAY"] = f":{self.number}"
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY"):
            self.env.pop(name, None)
        log(f"Xvfb is display :{self.number}")

        openbox = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.workdir, "openbox.log"), "wb"))
        self.processes.append(("openbox", openbox))
        # The window manager is up once it announces itself on the root window.
        wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.output(["xprop", "-root"]),
                 "openbox to manage the display", 30)

    def output(self, command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=60)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(command)} failed ({result.returncode}): "
                          f"{result.stderr.strip()}")
        return result.stdout

    def close(self):
        for name, process in reversed(self.processes):
            stop(process)


def stop(process, grace=5.0):
    if process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_for(predicate, what, timeout, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Window:
    def __init__(self, wid, x, y, width, height, name):
        self.id, self.x, self.y, self.width, self.height, self.name = wid, x, y, width, height, name

    @property
    def size(self):
        return (self.width, self.height)

    def __repr__(self):
        return f"window {self.id} {self.name!r} {self.width}x{self.height}+{self.x}+{self.y}"


class Session:
    def __init__(self, display, executable, workdir, shots):
        self.display = display
        self.executable = executable
        self.workdir = workdir
        self.shots = shots
        self.process = None
        self.opener_log = os.path.join(workdir, "xdg-open.log")
        self.count = None  # clicks counted since the shuffle, as the player reckons them
        self.saved = {}

    # --- the program ---

    def start(self):
        # A stand-in for the desktop opener, found first on PATH: records what it is asked to open.
        bindir = os.path.join(self.workdir, "bin")
        os.makedirs(bindir, exist_ok=True)
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w") as f:
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$*\" >> '{self.opener_log}'\nexit 0\n")
        os.chmod(opener, 0o755)
        env = dict(self.display.env)
        env["PATH"] = bindir + os.pathsep + env.get("PATH", "/usr/bin:/bin")
        # In a sanitizer build: D-Bus's own connection buffer, allocated inside libdbus and
        # never freed by it, is not the program's leak. Any other leak still fails the run.
        suppressions = os.path.join(self.workdir, "lsan.supp")
        with open(suppressions, "w") as f:
            f.write("leak:libdbus-1.so\n")
        env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"),
                                                     f"suppressions={suppressions}",
                                                     "print_suppressions=0"]))
        self.stderr_path = os.path.join(self.workdir, "program.log")
        self.process = subprocess.Popen([self.executable], env=env, cwd=self.workdir,
                                        stdout=subprocess.DEVNULL,
                                        stderr=open(self.stderr_path, "wb"))
        log(f"started {self.executable} (pid {self.process.pid})")

    def program_log(self):
        try:
            with open(self.stderr_path, errors="replace") as f:
                return f.read()[-4000:]
        except OSError:
            return ""

    def check_running(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended unexpectedly with status {self.process.returncode}")

    # --- the screen ---

    def windows(self):
        """The program's viewable top-level windows."""
        self.check_running()
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.process.pid)],
                                env=self.display.env, capture_output=True, text=True, timeout=30)
        found = []
        for wid in result.stdout.split():
            info = subprocess.run(["xwininfo", "-id", wid], env=self.display.env,
                                  capture_output=True, text=True, timeout=30).stdout
            if "IsViewable" not in info:
                continue
            fields = dict(re.findall(r"^\s*([A-Za-z -]+):\s*(-?\d+)\s*$", info, re.M))
            name = re.search(r'xwininfo: Window id: \S+ (?:"(.*)"|\(has no name\))', info)
            found.append(Window(int(wid), int(fields["Absolute upper-left X"]),
                                int(fields["Absolute upper-left Y"]), int(fields["Width"]),
                                int(fields["Height"]), name.group(1) if name and name.group(1)
                                else ""))
        return found

    def find(self, kind):
        for window in self.windows():
            if kind_of(window) == kind:
                return window
        return None

    def wait_window(self, kind, timeout=WINDOW_TIMEOUT):
        return wait_for(lambda: self.find(kind), f"the {kind} window", timeout)

    def wait_gone(self, kind, timeout):
        wait_for(lambda: self.find(kind) is None, f"the {kind} window to close", timeout)

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "png:-"], env=self.display.env,
                              capture_output=True, timeout=60)
        if data.returncode != 0:
            raise Failure(f"import failed: {data.stderr.decode(errors='replace').strip()}")
        return Image.open(io.BytesIO(data.stdout)).convert("RGB")

    def frame_extents(self, window):
        text = self.display.output(["xprop", "-id", str(window.id), "_NET_FRAME_EXTENTS"],
                                   check=False)
        numbers = [int(n) for n in re.findall(r"\d+", text.partition("=")[2])]
        return numbers if len(numbers) == 4 else [0, 0, 0, 0]

    def check_centred(self, window, what):
        """The window, with the window manager's frame if it has one, in the middle of the screen."""
        left, right, top, bottom = self.frame_extents(window)
        gaps = (window.x - left, SCREEN[0] - (window.x + window.width + right),
                window.y - top, SCREEN[1] - (window.y + window.height + bottom))
        if abs(gaps[0] - gaps[1]) > 1 or abs(gaps[2] - gaps[3]) > 1:
            raise Failure(f"the {what} is not centred: left, right, top, bottom gaps {gaps}")

    def save(self, name, window, image=None):
        """Saves a window as the player sees it, with the window manager's frame if it has one."""
        image = image or self.screenshot()
        left, right, top, bottom = self.frame_extents(window)
        box = (window.x - left, window.y - top, window.x + window.width + right,
               window.y + window.height + bottom)
        path = os.path.join(self.shots, name)
        image.crop(box).save(path)
        self.saved[name] = path
        log(f"saved {path}")

    # --- input ---

    def xdotool(self, *arguments):
        self.display.output(["xdotool", *[str(a) for a in arguments]])

    def park_pointer(self):
        # Away from every window, so no hover or pointer shows in the screenshots. (xdotool's
        # --sync would wait for a motion that never comes if the pointer were there already.)
        self.xdotool("mousemove", 1, 1, "sleep", 0.1)

    def key_on(self, window, keys):
        self.xdotool("windowactivate", "--sync", window.id)
        wait_for(lambda: self.display.output(["xdotool", "getactivewindow"]).strip()
                 == str(window.id), f"{window} to take the focus", 10)
        self.xdotool("key", "--clearmodifiers", keys)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "sleep", 0.05, "click", 1)


def kind_of(window):
    if window.size == SPLASH_SIZE:
        return "splash"
    if window.size == CONGRATULATIONS_SIZE:
        return "congratulations"
    if window.size == CONTACT_SIZE:
        return "contact"
    if window.width == BOARD_CLIENT[0] and BOARD_CLIENT[1] < window.height < BOARD_CLIENT[1] + 60:
        return "board"
    return None


# --- the board as seen on the screen ---

class Board:
    """The board window's client area, read through reference pictures of the sixteen cells."""

    def __init__(self, session, window):
        self.session = session
        self.window = window
        self.left = window.x
        self.top = window.y + window.height - BOARD_CLIENT[1]  # the client area is below the menu

    def cell_box(self, cell):
        column, row = (cell - 1) % 4, (cell - 1) // 4
        x = self.left + BOARD_ORIGIN + CELL * column
        y = self.top + BOARD_ORIGIN + CELL * row
        return (x, y, x + CELL, y + CELL)

    def face_box(self, cell):
        # Inside the bevel and the focus mark of a clicked tile: only the picture counts.
        x0, y0, x1, y1 = self.cell_box(cell)
        return (x0 + FACE_INSET, y0 + FACE_INSET, x1 - FACE_INSET, y1 - FACE_INSET)

    def cell_centre(self, cell):
        x0, y0, x1, y1 = self.cell_box(cell)
        return ((x0 + x1) // 2, (y0 + y1) // 2)

    def area(self, image):
        return image.crop(self.cell_box(1)[:2] + self.cell_box(16)[2:])

    def learn(self, image):
        """Takes the pictures of the home arrangement: tile i in cell i, the blank in cell 16."""
        self.references = {}
        for cell in range(1, 17):
            self.references[0 if cell == 16 else cell] = image.crop(self.face_box(cell))
        blank = self.references[0]
        whites = sum(1 for p in blank.getdata() if p == (255, 255, 255))
        if whites < blank.width * blank.height * 0.95:
            raise Failure(f"cell 16 at start-up is not the white blank marker ({whites} white "
                          "pixels)")
        # The references must tell the tiles apart well, or reading the board means nothing.
        nearest = min(distance(a, b) for i, a in self.references.items()
                      for j, b in self.references.items() if i < j)
        if nearest < 2:
            raise Failure(f"two cells look alike at start-up (distance {nearest:.1f})")
        # The same pictures are drawn at the same offsets, so a tile matches its own reference
        # almost exactly; half the distance between the two likeliest tiles is a safe limit.
        self.threshold = nearest / 2

    def read(self, image=None):
        """The tile in each cell (0 for the blank), cell 1 first."""
        image = image or self.session.screenshot()
        layout = []
        for cell in range(1, 17):
            picture = image.crop(self.face_box(cell))
            scores = sorted((distance(picture, ref), tile) for tile, ref in self.references.items())
            best, tile = scores[0]
            if best > self.threshold:
                image.save(os.path.join(self.session.workdir, "unreadable.png"))
                raise Failure(f"cell {cell} matches no tile picture (best tile {tile} at "
                              f"{best:.1f}, limit {self.threshold:.1f})")
            layout.append(tile)
        if sorted(layout) != list(range(16)):
            image.save(os.path.join(self.session.workdir, "unreadable.png"))
            raise Failure(f"the board read from the screen is not a permutation: {layout}")
        return tuple(layout)


def distance(a, b):
    """Mean absolute difference per channel, 0..255."""
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def same_picture(a, b):
    return a.size == b.size and a.tobytes() == b.tobytes()


# --- solving ---

NEIGHBOURS = {cell: [n for n in (cell - 4, cell - 1, cell + 1, cell + 4)
                     if 1 <= n <= 16 and not (abs(n - cell) == 1 and (n - 1) // 4 != (cell - 1) // 4)]
              for cell in range(1, 17)}


def solvable(layout):
    """Whether a layout (cell 1 first, 0 the blank) can reach the home arrangement."""
    tiles = [t for t in layout if t]
    inversions = sum(1 for i in range(15) for j in range(i + 1, 15) if tiles[i] > tiles[j])
    blank_row_from_bottom = 4 - layout.index(0) // 4
    return (inversions + blank_row_from_bottom) % 2 == 1


def stage(layout, targets, locked):
    """Shortest list of cells to click that brings `targets` home without touching `locked`.

    Breadth-first over the places of the blank and of the target tiles only; the other tiles
    are interchangeable, so the state stays small at every stage.
    """
    start = (layout.index(0) + 1,) + tuple(layout.index(t) + 1 for t in targets)
    goal = tuple(t for t in targets)
    if start[1:] == goal:
        return []
    previous = {start: None}
    queue = collections.deque([start])
    while queue:
        state = queue.popleft()
        blank = state[0]
        for cell in NEIGHBOURS[blank]:
            if cell in locked:
                continue
            places = tuple(blank if p == cell else p for p in state[1:])
            following = (cell,) + places
            if following in previous:
                continue
            previous[following] = (state, cell)
            if places == goal:
                clicks = []
                while previous[following]:
                    following, clicked = previous[following]
                    clicks.append(clicked)
                return clicks[::-1]
            queue.append(following)
    raise Failure(f"no way found to bring tiles {targets} home with cells {sorted(locked)} fixed")


def slide(layout, cell):
    """The layout after a click on `cell`; unchanged when that tile cannot move."""
    blank = layout.index(0) + 1
    if cell not in NEIGHBOURS[blank] or layout[cell - 1] == 0:
        return layout
    lay = list(layout)
    lay[blank - 1], lay[cell - 1] = lay[cell - 1], 0
    return tuple(lay)


def solve(layout):
    """Clicks (cells) that solve the board: two rows tile by tile, then the last two rows whole."""
    clicks = []
    locked = set()
    for targets in ((1, 2), (3, 4), (5, 6), (7, 8), (9, 10, 11, 12, 13, 14, 15)):
        for cell in stage(layout, targets, locked):
            layout = slide(layout, cell)
            clicks.append(cell)
        locked.update(targets)
    if layout != HOME:
        raise Failure(f"the solver went wrong and ended at {layout}")
    return clicks


HOME = tuple(range(1, 16)) + (0,)


# --- reading the congratulations ---

def read_count(window_image, workdir):
    """The number in the congratulations' count line, read with tesseract.

    The line is cut out, turned to dark on white by its distance from the cream background and
    enlarged; it is read at a few sizes, grey and black-and-white, and the reading most of them
    agree on is taken.
    """
    width, height = window_image.size
    line = window_image.crop((20, 104, width - 20, 134))
    background = (0xF1, 0xE2, 0xBE)
    grey = Image.new("L", line.size)
    grey.putdata([255 - min(255, sum(abs(c - b) for c, b in zip(p, background)) * 255 // 400)
                  for p in line.getdata()])
    readings = []
    for scale in (3, 4, 6):
        for black_and_white in (False, True):
            picture = grey.resize((grey.width * scale, grey.height * scale), Image.LANCZOS)
            if black_and_white:
                picture = picture.point(lambda v: 255 if v > 160 else 0)
            path = os.path.join(workdir, f"count-line-{scale}{'b' if black_and_white else 'g'}.png")
            ImageOps.expand(picture, border=20, fill=255).save(path)
            result = subprocess.run(["tesseract", path, "stdout", "-l", "spa", "--psm", "7"],
                                    capture_output=True, text=True, timeout=60)
            readings.append(" ".join(result.stdout.split()))
    numbers = [int(m.group(1)) for m in
               (re.fullmatch(r"en (\d+) movimientos", text) for text in readings) if m]
    if numbers:
        number, votes = collections.Counter(numbers).most_common(1)[0]
        if votes > len(readings) // 2:
            return number, readings
    raise Failure(f"no clear count line 'en N movimientos' read from the congratulations "
                  f"window; tesseract read {readings}")


def open_contact(session, board_window, save=False):
    """Alt+C on the board, then OK: the contact window as it showed."""
    session.key_on(board_window, "alt+c")
    contact = session.wait_window("contact", 15)
    log(f"contact: {contact}")
    session.check_centred(contact, "contact window")
    time.sleep(0.5)
    session.park_pointer()
    image = session.screenshot()
    if save:
        session.save("contact.png", contact, image)
    session.click(contact.x + OK_BUTTON_CENTRE[0], contact.y + OK_BUTTON_CENTRE[1])
    session.wait_gone("contact", 10)
    log("OK closed the contact window")
    return image.crop((contact.x, contact.y, contact.x + contact.width,
                       contact.y + contact.height))


# --- the play ---

def play(session):
    # 1. The splash, then the board about three seconds later.
    session.start()
    splash = session.wait_window("splash")
    splash_seen = time.monotonic()
    log(f"splash: {splash}")
    time.sleep(0.5)  # let it finish drawing
    session.park_pointer()
    session.save("splash.png", splash)

    board_window = wait_for(lambda: session.find("board"), "the board window", 30)
    board_seen = time.monotonic()
    waited = board_seen - splash_seen
    log(f"board: {board_window}, {waited:.2f} s after the splash was seen")
    if not 2.5 <= waited <= 6.0:
        raise Failure(f"the board appeared {waited:.2f} s after the splash, expected about 3 s")
    if board_window.name != " Deslizador":
        raise Failure(f"the board window's title is {board_window.name!r}, not ' Deslizador'")
    session.wait_gone("splash", 2.0)
    session.check_centred(splash, "splash window")
    session.check_centred(board_window, "board window")

    board = Board(session, board_window)

    # The home arrangement as drawn, once it has settled: the pictures to read the board by.
    def settled():
        first = board.area(session.screenshot())
        time.sleep(0.3)
        second = board.area(session.screenshot())
        return second if same_picture(first, second) else None
    session.park_pointer()
    wait_for(settled, "the board to finish drawing", 20)
    home_image = session.screenshot()
    board.learn(home_image)

    # 2. Before any shuffle no tile moves, wherever the player clicks, and although every tile
    # is home, nothing congratulates. Alt+C after the clicks: once the contact window shows,
    # the clicks before it have been handled. Its OK button closes it again.
    for cell in (12, 15, 11, 1):
        session.click(*board.cell_centre(cell))
    first_contact = open_contact(session, board_window, save=True)
    layout = board.read()
    if layout != HOME:
        raise Failure(f"clicks before the first shuffle moved tiles: the board reads {layout}")
    if session.find("congratulations"):
        raise Failure("the congratulations opened before any shuffle")
    log("clicks before the shuffle moved nothing")

    # 3. Alt+M mixes the board.
    session.key_on(board_window, "alt+m")
    def mixed():
        layout = board.read()
        return layout if layout != HOME else None
    try:
        layout = wait_for(mixed, "the board to change after Alt+M", 15, interval=0.2)
    except Failure:
        raise Failure("Alt+M left the board in the home arrangement")
    session.park_pointer()
    layout = board.read()
    log(f"shuffled: {layout}")
    if not solvable(layout):
        raise Failure(f"the shuffled board cannot be solved: {layout}")
    session.save("board.png", board_window)

    # 4. Solve it by clicks, with a few that count but move nothing.
    moves = solve(layout)
    if not moves:
        raise Failure("the shuffled board needed no moves")
    log(f"solving in {len(moves)} moves")
    plan = []  # (cell clicked, layout expected after it, whether the click counts)
    expected = layout
    blank_clicked = False
    for index, cell in enumerate(moves):
        if index in (0, len(moves) // 3, (2 * len(moves)) // 3):
            blank = expected.index(0) + 1
            stuck = [c for c in range(1, 17) if c != blank and c not in NEIGHBOURS[blank]]
            plan.append((stuck[index % len(stuck)], expected, True))
            if not blank_clicked:
                # The blank marker is no tile: a click on it moves nothing and is not counted.
                plan.append((blank, expected, False))
                blank_clicked = True
        expected = slide(expected, cell)
        plan.append((cell, expected, True))
    session.count = sum(1 for _, _, counts in plan if counts)

    *leading, last = plan
    for start in range(0, len(leading), 12):
        batch = leading[start:start + 12]
        arguments = []
        for cell, _, _ in batch:
            x, y = board.cell_centre(cell)
            arguments += ["mousemove", x, y, "sleep", 0.05, "click", 1, "sleep", 0.05]
        session.xdotool(*arguments)
        session.park_pointer()
        want = batch[-1][1]
        try:
            wait_for(lambda: board.read() == want, "the board to follow the clicks", 10, 0.2)
        except Failure:
            raise Failure(f"after clicks on cells {[c for c, _, _ in batch]} the board reads "
                          f"{board.read()}, expected {want}")
        if session.find("congratulations"):
            raise Failure("the congratulations opened before the board was solved")
    final_click_at = time.monotonic()
    session.click(*board.cell_centre(last[0]))
    log(f"last click made; {session.count} clicks counted")

    congratulations = session.wait_window("congratulations", 15)
    congratulations_seen = time.monotonic()
    log(f"congratulations: {congratulations}, "
        f"{congratulations_seen - final_click_at:.2f} s after the last click")
    session.check_centred(congratulations, "congratulations window")
    session.park_pointer()
    time.sleep(0.3)
    image = session.screenshot()
    session.save("congratulations.png", congratulations, image)
    window_image = image.crop((congratulations.x, congratulations.y,
                               congratulations.x + congratulations.width,
                               congratulations.y + congratulations.height))
    # It closes by itself, five seconds after it opened: it opened after the last click was
    # sent, so it is still there 4 s after that, and it has gone soon after 5 s from when it
    # was first seen.
    remaining = final_click_at + 4.0 - time.monotonic()
    if remaining > 0:
        time.sleep(remaining)
    if session.find("congratulations") is None:
        raise Failure("the congratulations closed less than 4 s after the last click")
    remaining = congratulations_seen + 8.0 - time.monotonic()
    session.wait_gone("congratulations", max(remaining, 0.5))
    log(f"the congratulations closed {time.monotonic() - final_click_at:.2f} s after the last "
        "click")
    # Read while it was shown.
    shown, text = read_count(window_image, session.workdir)
    log(f"the congratulations read {shown} in {text}")
    if shown != session.count:
        raise Failure(f"the congratulations show {shown} moves, the player made {session.count} "
                      f"counted clicks (read {text!r})")
    if board.read() != HOME:
        raise Failure(f"the congratulations opened, but the board reads {board.read()}")

    # 5. Alt+C opens the contact window again, as it was the first time; OK closes it.
    again = open_contact(session, board_window)
    if again.size != first_contact.size or distance(again, first_contact) > 1.0:
        again.save(os.path.join(session.workdir, "contact-again.png"))
        raise Failure("the contact window opened a second time looks different from the first")

    # 6. The banner opens the partner's site through the desktop opener, once.
    session.click(board.left + BANNER[0] + BANNER[2] // 2, board.top + BANNER[1] + BANNER[3] // 2)
    wait_for(lambda: os.path.exists(session.opener_log), "the banner to start xdg-open", 15)
    time.sleep(1.5)  # a second start, if any, has had time to show
    with open(session.opener_log) as f:
        lines = f.read().splitlines()
    if lines != [PARTNER_ADDRESS]:
        raise Failure(f"the banner started xdg-open with {lines}, expected once with "
                      f"{PARTNER_ADDRESS}")
    log("the banner started xdg-open once with the partner's address")

    # 7. Alt+S ends the program.
    session.key_on(board_window, "alt+s")
    try:
        status = session.process.wait(20)
    except subprocess.TimeoutExpired:
        raise Failure("the program still runs 20 s after Alt+S")
    if status != 0:
        raise Failure(f"the program ended with status {status} after Alt+S")
    log("Alt+S ended the program with status 0")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("executable")
    parser.add_argument("--shots", help="directory for the screenshots (default: a temporary one)")
    parser.add_argument("--docs", help="directory the screenshots are copied to when "
                        "DESLIZADOR_UPDATE_SCREENSHOTS=1")
    parser.add_argument("--keep", action="store_true", help="keep the working directory")
    args = parser.parse_args()

    for tool in ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import", "tesseract"):
        if shutil.which(tool) is None:
            print(f"FAIL: {tool} is not installed (tools/install-deps.sh installs it)")
            return 1

    workdir = tempfile.mkdtemp(prefix="deslizador-e2e-")
    shots = args.shots or workdir
    os.makedirs(shots, exist_ok=True)
    display = Display(workdir)
    session = None
    status = 1
    try:
        display.start()
        session = Session(display, os.path.abspath(args.executable), workdir, shots)
        play(session)
        status = 0
    except Failure as failure:
        print(f"FAIL: {failure}", flush=True)
        if session is not None and session.process is not None:
            try:
                session.screenshot().save(os.path.join(workdir, "failure.png"))
                print(f"screen at the failure: {os.path.join(workdir, 'failure.png')}")
            except Exception as error:  # the display may be gone too
                print(f"(no screenshot of the failure: {error})")
        args.keep = True
    finally:
        if session is not None and session.process is not None:
            if session.process.poll() is None:
                stop(session.process)
            text = session.program_log()
            if text.strip() and (status != 0 or session.process.returncode != 0):
                print("program's output:\n" + text)
        display.close()

    if status == 0 and args.docs and os.environ.get("DESLIZADOR_UPDATE_SCREENSHOTS") == "1":
        os.makedirs(args.docs, exist_ok=True)
        for name, path in session.saved.items():
            shutil.copyfile(path, os.path.join(args.docs, name))
        log(f"copied {len(session.saved)} screenshots to {args.docs}")
    if args.keep:
        print(f"working directory kept: {workdir}")
    else:
        shutil.rmtree(workdir, ignore_errors=True)
    print("PASS" if status == 0 else "FAIL", flush=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
