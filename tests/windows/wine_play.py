#!/usr/bin/python3
"""The Windows program, Deslizador.exe, played under Wine on a private X display: the splash, the
board, a shuffle solved to the congratulations, the contact window, both web pages opened through
a stand-in browser at the fixed path, a missing browser reported in Spanish, Alt+S.

argv: <Deslizador-*-win64.zip> <work dir> <docs>; DESLIZADOR_UPDATE_SCREENSHOTS=1 puts the board's
screenshot there on a pass. The program is played as a player gets it, unzipped. Exits 77
(skipped) when the Windows program has not been built."""

import os, pathlib, shutil, subprocess, sys, time, zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from board import CONTACT_OK, kind_of  # noqa: E402
from play import open_contact, solve_by_clicks, start_up  # noqa: E402
from solver import HOME  # noqa: E402
from xsession import Failure, Session, log, run, wait_for  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
BROWSER = r"C:\Archivos de programa\Internet Explorer\IEXPLORE.EXE"
PARTNER, MAKER = "http://www.ludoteca.example/", "http://www.tornel.example/"
WEB_PICTURE = (80 + 208 // 2, 203 + 32 // 2)  # the contact window's web address, client pixels
SHOW_MAXIMIZED, USE_SHOW_WINDOW = 3, 1


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

    def prepare(self, standin):
        new_wine_prefix(self)
        self.browser_dir = pathlib.Path(
            self.env["WINEPREFIX"], "drive_c", *BROWSER[3:].split("\\")[:-1])
        self.browser_dir.mkdir(parents=True)
        shutil.copy(standin, self.browser_dir / "IEXPLORE.EXE")

    def start(self, **env):
        self.process = self.spawn("program", ["wine", self.executable], dict(self.env, **env))

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


def play(session):
    """Deslizador.exe under Wine, played as a person plays it."""
    board = start_up(session)
    session.key_on(board.window, "alt+m")
    wait_for(lambda: board.read() != HOME, "the board to change after Alt+M", 15, 0.2)
    session.park_pointer()
    session.centred(board.window, "board-wine.png")
    solve_by_clicks(session, board)

    session.click(*board.banner_centre())
    session.browser_started(PARTNER, 0)
    session.click(*board.banner_centre())  # a second click, a second browser
    session.browser_started(PARTNER, 1)

    session.key_on(board.window, "alt+c")
    contact = session.wait_window("contact", 15)
    session.click(contact.x + WEB_PICTURE[0], contact.y + WEB_PICTURE[1])
    session.browser_started(MAKER, 2)
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
    standin = os.path.join(work, "IEXPLORE.EXE")
    subprocess.run(["x86_64-w64-mingw32-gcc-posix", "-municode", "-mwindows", "-O2", "-Wall",
                    "-Wextra", "-Werror", "-static", "-o", standin,
                    str(HERE / "browser_standin.c")], check=True)
    sys.argv[1:] = [executable, shots := os.path.join(work, "screenshots")]

    def scenario(session):
        session.__class__ = WineSession
        try:
            session.prepare(standin)
            play(session)
        finally:  # Wine's server for the prefix would outlive the test
            subprocess.run(["wineserver", "-k"], env=session.env, capture_output=True)
    scenario.__doc__ = play.__doc__
    if (status := run(scenario, kind_of)) == 0 and \
            os.environ.get("DESLIZADOR_UPDATE_SCREENSHOTS") == "1":
        shutil.copyfile(os.path.join(shots, "board-wine.png"), os.path.join(docs, "board-wine.png"))
    return status


if __name__ == "__main__":
    sys.exit(main())
