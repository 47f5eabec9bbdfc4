#!/usr/bin/python3
"""The Windows program, Deslizador.exe, played under Wine on a private X display: the splash, the
board, a shuffle solved by keyboard to the congratulations, the contact window, both web pages
opened through a stand-in browser at the fixed path, a missing browser reported in Spanish, Alt+S.
What the program hands to UI Automation, which a screen reader would say, is recorded by a
stand-in uiautomationcore.dll: Wine's own cannot serve a client in another process.

argv: <Deslizador-*-win64.zip> <work dir> <docs>; DESLIZADOR_UPDATE_SCREENSHOTS=1 puts the board's
screenshot there on a pass. The program is played as a player gets it, unzipped. Exits 77
(skipped) when the Windows program has not been built."""

import itertools, os, pathlib, shutil, subprocess, sys, time, zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from board import CONTACT_OK, MAKER, PARTNER, kind_of, place  # noqa: E402
from play import open_contact, planned_clicks, solve_by_clicks, start_up  # noqa: E402
from xsession import Failure, Session, log, run, wait_for  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
BROWSER = r"C:\Archivos de programa\Internet Explorer\IEXPLORE.EXE"
WEB_PICTURE = (80 + 208 // 2, 203 + 32 // 2)  # the contact window's web address, client pixels
SHOW_MAXIMIZED, USE_SHOW_WINDOW = 3, 1
PLACE_TOLD, WIN_TOLD = ["2", "3", "Deslizador.lugar"], ["4", "0", "Deslizador.victoria"]


def button(tile, cell):  # a tile as UI Automation has it: type, name, description, help text
    return ["Button", str(tile or "Lugar vacío"), place(cell), ""]


def new_wine_prefix(session):
    """A Wine prefix of the session's own, made ready before the game starts in it."""
    session.env.update(WINEPREFIX=f"{session.workdir}/prefix", WINEDEBUG="-all",
                       WINEDLLOVERRIDES="mscoree,mshtml=")  # no .NET or HTML engine to offer
    session.output("wineboot", "--init")
    session.output("wineserver", "-w")


class WineSession(Session):
    """The game as `wine Deslizador.exe`, in a Wine prefix of its own with the stand-in browser."""

    # The game centres a window with the frame Windows would draw (Wine's idea of its caption and
    # borders); openbox draws its own, some pixels higher or lower.
    centring_slack = 6

    def prepare(self, standins):
        new_wine_prefix(self)
        self.browser_dir = pathlib.Path(
            self.env["WINEPREFIX"], "drive_c", *BROWSER[3:].split("\\")[:-1])
        self.browser_dir.mkdir(parents=True)
        shutil.copy(f"{standins}/IEXPLORE.EXE", self.browser_dir / "IEXPLORE.EXE")
        # Qt loads UI Automation from the system folder by its full path: the stand-in goes there,
        # taken before Wine's own.
        self.system = pathlib.Path(self.env["WINEPREFIX"], "drive_c", "windows", "system32")
        shutil.copy(f"{standins}/uiautomationcore.dll", self.system / "uiautomationcore.dll")
        self.env["WINEDLLOVERRIDES"] += ";uiautomationcore=n"

    def start(self, **env):
        self.process = self.spawn("program", ["wine", self.executable], dict(self.env, **env))

    def told(self, kinds=("focus", "notification"), since=0):
        """What the program has handed to UI Automation from line `since` of the record, each a
        list of fields; with no `kinds`, the count of the lines."""
        record = self.system / "uia.txt"
        lines = record.read_text("utf-8").splitlines() if record.exists() else []
        return len(lines) if not kinds else \
            [fields for line in lines[since:] if (fields := line.split("\t"))[0] in kinds]

    def ask(self):
        """Asks every window of the game for its UI Automation tree, as a client does first;
        returns each window's title with its elements, each [depth, type, name, description]."""
        since = self.told(None)
        subprocess.run(["wine", "rundll32", "uiautomationcore.dll,Ask"], env=self.env, timeout=60)
        trees = {}
        for fields in self.told(("window", "tree"), since):
            if fields[0] == "window":  # a window asked twice tells the last tree
                tree = trees[fields[1]] = []
            else:
                tree.append([int(fields[1])] + fields[2:5])
        if not trees:
            raise Failure("no window of the game told its UI Automation tree")
        return trees

    def calls(self):
        record = self.browser_dir / "llamadas.txt"
        return [line.split("\t") for line in record.read_text("utf-8").splitlines()] \
            if record.exists() else []

    def browser_started(self, address, before):
        """The stand-in started once more than `before`, exactly as the game starts the browser."""
        wait_for(lambda: len(self.calls()) > before, f"the browser for {address}", 20)
        time.sleep(1.5)  # a second start, if any, has had time to show
        calls = self.calls()
        expected = [f"{BROWSER} {address}", str(SHOW_MAXIMIZED), str(USE_SHOW_WINDOW)]
        if calls[before:] != [expected]:
            raise Failure(f"the browser was started as {calls[before:]}, not once as {expected}")
        log(f"browser started as {calls[-1]}")


def error_box(session):
    """The game's error message: a window of its own besides the board, named like the game."""
    return next((w for w in session.windows() if kind_of(w) is None and w.name == "Deslizador"),
                None)


def children(tree, kind, name):
    """The elements right below the element `kind` `name` of `tree`, each [type, name, ...]."""
    at = next(i for i, e in enumerate(tree) if e[1:3] == [kind, name])
    below = itertools.takewhile(lambda e: e[0] > tree[at][0], tree[at + 1:])
    return [e[1:] for e in below if e[0] == tree[at][0] + 1]


def expect(told, expected, what):
    if told != expected:  # from the first difference on
        at = next((i for i, pair in enumerate(zip(told, expected)) if pair[0] != pair[1]),
                  min(len(told), len(expected)))
        raise Failure(f"{what}: UI Automation was handed {told[at:][:3]}, not {expected[at:][:3]}"
                      f" after {at} alike ({len(told)} in all, not {len(expected)})")


def heard_by_keyboard(session, board):
    """Tab, an arrow, Alt+M and a game won by keyboard, as a Windows screen reader is told them."""
    tree = session.ask()[" Deslizador"]
    expect(children(tree, "Group", "Tablero"), [button(t % 16, t)[:3] for t in range(1, 17)],
           "the board's buttons in the order of the places")
    expect([e[1:] for e in tree if e[1] == "Hyperlink"], [["Hyperlink", "Ludoteca", PARTNER]],
           "the banner")
    for key, cell in (("Tab", 1), ("Right", 2)):
        since = session.told(None)
        session.key_on(board.window, key)
        wait_for(lambda: session.told(since=since), f"{key} told", 10)
        time.sleep(0.3)
        expect(session.told(since=since), [["focus"] + button(cell, cell)], f"{key} told")

    layout = board.read()
    while layout.index(2) == 1:  # tile 2 must move for a stale place to show
        since, before = session.told(None), layout
        session.key_on(board.window, "alt+m")
        wait_for(lambda: board.read() != before, "the board to change after Alt+M", 15, 0.2)
        layout = board.read()
    session.park_pointer()
    session.centred(board.window, "board-wine.png")
    focus = layout.index(2) + 1
    wait_for(lambda: session.told(("notification",), since), "the place told after Alt+M", 10)
    time.sleep(0.3)
    focused = [t[1:] for t in session.told(("focus",), since)]
    if not focused or focused[-1] != button(2, focus) or \
            [t for t in focused if t[1] == "2" and t != button(2, focus)]:
        raise Failure(f"after Alt+M the focus was told as {focused}, tile 2 at {place(focus)}")
    expect([t[1:] for t in session.told(("notification",), since)],
           [PLACE_TOLD + [place(focus), "window  Deslizador"]], "the place told after Alt+M")

    since, moves, before = session.told(None), [], layout
    for cell, after in planned_clicks(layout)[0]:
        if after != before:  # the tile goes where the blank was
            moves.append(PLACE_TOLD + [place(before.index(0) + 1), "window  Deslizador"])
        before = after
    count = solve_by_clicks(session, board, focus)
    win = f"Felicitaciones. ¡¡¡ Lo lograste !!! en {count} movimientos"
    expect([t[1:] for t in session.told(("notification",), since)],
           moves + [WIN_TOLD + [win, "window  Deslizador"]],
           "every moving press's place, nothing for the others, then the win")


def tap_border(session, contact):
    """A click on the contact window's drawn border as quick as a touchpad's tap: the resize it
    begins ends with it, and the window does not follow the pointer that moves on."""
    edge = (contact.x + contact.width - 2, contact.y + contact.height // 2)
    session.click(*edge)
    for step in range(1, 4):
        session.xdotool("mousemove", edge[0] + 40 * step, edge[1] + 20 * step, "sleep", 0.3)
    if session.find("contact") != contact:
        raise Failure(f"the contact window followed the pointer after a tap on its border: "
                      f"{session.windows()}")


def play(session):
    """Deslizador.exe under Wine, played as a person plays it."""
    board = start_up(session)
    heard_by_keyboard(session, board)

    session.click(*board.banner_centre())
    session.browser_started(PARTNER, 0)
    session.click(*board.banner_centre())  # a second click, a second browser
    session.browser_started(PARTNER, 1)

    session.key_on(board.window, "alt+c")
    contact = session.wait_window("contact", 15)
    tree = next(t for title, t in session.ask().items() if title != " Deslizador")
    expect(sorted(e[1:] for e in tree if e[1] in ("Hyperlink", "Button")),
           [["Button", "OK", ""], ["Hyperlink", "www.tornel.example", MAKER]],
           "the contact window's controls")
    session.click(contact.x + WEB_PICTURE[0], contact.y + WEB_PICTURE[1])
    session.browser_started(MAKER, 2)
    tap_border(session, contact)
    session.click(contact.x + CONTACT_OK[0], contact.y + CONTACT_OK[1])
    session.wait_gone("contact", 10)

    (session.browser_dir / "IEXPLORE.EXE").unlink()  # no browser: said in Spanish, game goes on
    session.click(*board.banner_centre())
    box = wait_for(lambda: error_box(session), "the message that the browser did not start", 15)
    image = session.screenshot().crop((box.x, box.y, box.x + box.width, box.y + box.height))
    image.resize((image.width * 3, image.height * 3)).save(shot := f"{session.workdir}/box.png")
    text = " ".join(subprocess.run(["tesseract", shot, "stdout", "-l", "spa", "--psm", "11"],
                                   capture_output=True, text=True, check=True).stdout.split())
    log(f"the message reads: {text}")
    for words in ("No se pudo abrir la página", "Windows no pudo iniciar", "El juego sigue",
                  "Aceptar"):
        if words not in text:
            raise Failure(f"the message lacks {words!r}: {text!r}")
    session.key_on(box, "Return")
    wait_for(lambda: not error_box(session), "the message to close on Enter", 10)
    open_contact(session, board)  # the game goes on

    session.key_on(board.window, "alt+s")
    if (status := session.process.wait(20)) != 0:
        raise Failure(f"the program ended with status {status} after Alt+S")


def main():
    archive, work, docs = sys.argv[1:]
    if not os.path.exists(archive):
        print(f"SKIP: no Windows program at {archive}; make it with tools/windows/build.sh")
        return 77
    shutil.rmtree(work, ignore_errors=True)
    with zipfile.ZipFile(archive) as zipped:
        zipped.extractall(work)
        executable = os.path.join(work, zipped.namelist()[-1])
    for made, source, flags in (("IEXPLORE.EXE", "browser_standin.c", ["-municode", "-mwindows"]),
                                ("uiautomationcore.dll", "uia_standin.c", ["-shared"])):
        subprocess.run(["x86_64-w64-mingw32-gcc-posix", *flags, "-O2", "-Wall", "-Wextra",
                        "-Werror", "-static", "-o", os.path.join(work, made), str(HERE / source),
                        "-loleaut32", "-luuid"], check=True)
    sys.argv[1:] = [executable, shots := os.path.join(work, "screenshots")]

    def scenario(session):
        session.__class__ = WineSession
        try:
            session.prepare(work)
            play(session)
        finally:  # Wine's server for the prefix would outlive the test
            subprocess.run(["wineserver", "-k"], env=session.env, capture_output=True)
            if (record := session.system / "uia.txt").exists():  # kept for a look, pass or fail
                shutil.copyfile(record, os.path.join(work, "uia.txt"))
    scenario.__doc__ = play.__doc__
    if (status := run(scenario, kind_of)) == 0 and \
            os.environ.get("DESLIZADOR_UPDATE_SCREENSHOTS") == "1":
        shutil.copyfile(os.path.join(shots, "board-wine.png"), os.path.join(docs, "board-wine.png"))
    return status


if __name__ == "__main__":
    sys.exit(main())
