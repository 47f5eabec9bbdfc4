#!/usr/bin/python3
"""A shuffled game won by keyboard alone, as a blind player hears it from Debian's Orca."""

import contextlib, os, pathlib, re, subprocess, sys

from board import MAKER, PARTNER, kind_of, place
from play import start_up
from solver import NEIGHBOURS, arrows, slide, solve
from xsession import Failure, log, run, wait_for

CONTACT = ("Deslizador v 1.0 diálogo Para realizar preguntas o sugerencias dirigirse a... "
           "Autor: Julián Tornel Correo electrónico: julian@tornel.example "
           "Visite periódicamente nuestro sitio web en busca de actualizaciones para este "
           "software. Edición especial dedicada a nuestros amigos de Ludoteca")


def button(tile):
    return f"{tile or 'Lugar vacío'} botón de pulsación"


# A home of its own: Orca's log at INFO and written line by line, and no refusal to start beside
# another Orca of the same user (another check's, on its own display and buses); speech-dispatcher
# speaking Spanish with espeak-ng into a silent sound card (Orca stops at the first key without a
# sound output); and a desktop that asks programs to serve screen readers.
HOME_FILES = {
    "orca/orca-customizations.py": "import __main__, orca.debug\n__main__.otherOrcas = list\n"
    "orca.debug.debugLevel = orca.debug.LEVEL_INFO\n"
    "orca.debug.debugFile.reconfigure(line_buffering=True)\n",
    ".config/speech-dispatcher/speechd.conf": 'AudioOutputMethod "alsa"\nDefaultLanguage "es"\n'
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n',
    ".asoundrc": "pcm.!default { type null }\n",
    ".config/glib-2.0/settings/keyfile": "[org/gnome/desktop/interface]\n"
    "toolkit-accessibility=true\n",
}


class Orca:
    """Orca in Spanish on a session bus of the test's own; what it says is read from its log."""

    def __init__(self, session):
        self.session, work = session, pathlib.Path(session.workdir)
        home, self.log, self.read, self.said = work / "home", work / "orca-debug.log", 0, []
        for name, text in HOME_FILES.items():
            (path := home / name).parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        (work / "run").mkdir(mode=0o700)
        subprocess.run(["localedef", "-i", "es_ES", "-f", "UTF-8", work / "es_ES.UTF-8"],
                       check=True, capture_output=True)
        env = session.env
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "LANGUAGE",
                     "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "XDG_CONFIG_HOME", "XDG_DATA_HOME"):
            env.pop(name, None)
        env.update(HOME=str(home), XDG_RUNTIME_DIR=f"{work}/run", GSETTINGS_BACKEND="keyfile",
                   LOCPATH=str(work), LANG="es_ES.UTF-8", LC_ALL="es_ES.UTF-8")
        read_end, write_end = os.pipe()  # the bus that starts the accessibility bus
        session.spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--print-address",
                               write_end], pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            env["DBUS_SESSION_BUS_ADDRESS"] = pipe.readline().strip()
        orca = session.spawn("orca", ["orca", "-d", "braille", "-u", home / "orca",
                                      "--debug-file", self.log])
        wait_for(lambda: orca.poll() is not None or self.utterances(), "Orca to speak", 60)
        if orca.poll() is not None:
            raise Failure(f"Orca ended as it started, with status {orca.returncode}")
        self.hear(["Lector de pantalla activado"], "Orca to start")

    def utterances(self):
        """Everything said so far, each on one line and without the full stop Orca may add."""
        with contextlib.suppress(FileNotFoundError), open(self.log, "rb") as f:
            f.seek(self.read)
            data = f.read()
            complete = data[:data.rfind(b"\n") + 1]
            self.read += len(complete)
            text = complete.decode(errors="replace")
            self.said += [" ".join(s.split()).rstrip(". ") for s in re.findall(  # lines joined
                r"^\S+ - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s*(?:\{[^\n]*\})?$", text,
                re.M | re.S)]
            self.locus = ([self.locus] + re.findall(r"EVENT MANAGER: locusOfFocus: (.*?) active",
                                                    text))[-1]
            self.pressed += re.findall(r"^\^{5} PROCESS ATSPI_KEY_PRESSED_EVENT: '(.*?)'", text, re.M)
        return self.said

    locus = None  # what Orca is on, "[push button | 7]", after the last event it handled
    pressed = []  # the keys it has handled, as the game asked it whether it wants them

    def on(self, role, name, what):
        wait_for(lambda: self.utterances() and self.locus == f"[{role} | {name}]",
                 f"{what}: Orca on the {role} {name}, not {self.locus}", 20)

    def hear(self, lines, what, timeout=20, since=None):
        """Waits until `lines` have been said in this order after utterance `since` (by default,
        the last one heard for); returns the utterances between."""
        start = self.mark if since is None else since
        def found():
            said, at = self.utterances(), start
            for line in lines:
                at = next((i + 1 for i in range(at, len(said)) if said[i] == line), None)
                if at is None:
                    return None
            return at
        try:
            end = wait_for(found, what, timeout, 0.05)
        except Failure:
            raise Failure(f"{what}: Orca did not say {lines}; it said {self.said[start:]}")
        self.mark = end
        return self.said[start:end]

    mark = 0

    def key(self, keys, lines, what, timeout=20, since=None):
        """Presses `keys` and waits for Orca to say `lines` after them (or after `since`)."""
        since = len(self.utterances()) if since is None else since
        self.type(keys)
        return self.hear(lines, what, timeout, since)

    def handled(self, key):
        self.utterances()
        return self.pressed.count(key)

    def type(self, keys):
        """Types `keys` as a person does, holding a modifier until Orca has had it: Qt holds each
        key for the reader to claim, but takes an access key at once, so that Alt let go later
        would seem pressed alone and put the keyboard in the menu bar."""
        for key in keys:
            *modifiers, key = key.split("+")
            for modifier in modifiers:
                had = self.handled(name := f"{modifier.title()}_L")
                self.session.xdotool("keydown", modifier)
                wait_for(lambda: self.handled(name) > had, f"Orca to have {name}", 10, 0.02)
            self.session.xdotool("key", key, *[a for m in modifiers for a in ("keyup", m)])


def listen(session):
    """A shuffled game won by keyboard alone, as Orca speaks it to a blind player."""
    session.open_display()
    orca = Orca(session)
    board = start_up(session)
    orca.hear(["Deslizador marco"], "the board window named when it opens")
    orca.key(["Tab"], ["Tablero panel", button(1), place(1)], "Tab to tile 1")
    orca.key(["shift+Tab"], ["Ludoteca enlace", PARTNER], "Shift+Tab to the banner")
    orca.key(["shift+Tab"], [button(0), place(16)], "Shift+Tab on to the blank")
    orca.key(["Tab"], ["Ludoteca enlace"], "Tab from the blank to the banner")
    orca.type(["Return"])
    session.opened_once(PARTNER)
    (fail := pathlib.Path(session.workdir, "fail")).touch()  # the page will not open
    said = orca.key(["Return"], ["alerta Deslizador", "Aceptar botón de pulsación"],
                    "the opener's error message, an alert")
    if not [s for s in said if f"No se pudo abrir la página {PARTNER}" in s]:
        raise Failure(f"the failed opener's message was heard as {said}")
    fail.unlink()
    orca.key(["space"], ["Ludoteca enlace"], "Aceptar, and back on the banner")
    orca.key(["Tab"], [button(1), place(1)], "Tab from the banner back to tile 1")

    orca.key(["alt+m"], [], "Alt+M")
    layout = wait_for(lambda: (seen := board.read()) != tuple(range(1, 16)) + (0,) and seen,
                      "the board to change after Alt+M", 15, 0.2)
    focus = layout.index(1) + 1
    orca.hear([place(focus)], "tile 1 to tell its place after the shuffle")
    orca.on("push button", 1, "after Alt+M")
    if len(said := orca.key(["Shift_L"], ["mayúsculas izquierda"], "Shift", since=orca.mark)) > 1:
        raise Failure(f"after the place told after Alt+M, Orca said {said}")

    blank = layout.index(0) + 1
    stuck = next(c for c in range(1, 17) if c != blank and c not in NEIGHBOURS[blank])
    moves, count = solve(layout), 1
    steps = [(stuck, False)] + [(cell, True) for cell in moves]
    for number, (cell, moving) in enumerate(steps, 1):
        if cell != focus:
            orca.key(arrows(focus, cell), [button(layout[cell - 1]), place(cell)],
                     f"arrows to cell {cell}")
            focus = cell
        blank = layout.index(0) + 1
        if not moving:  # counted, and nothing said but the key's echo before the next key's
            orca.key(["space"], ["espacio"], "Space on a tile that cannot move")
            said = orca.key(["Shift_L"], ["mayúsculas izquierda"], "Shift", since=orca.mark)
            if len(said) > 1:
                raise Failure(f"after Space on a tile that cannot move, Orca said {said}")
            continue
        last = len(orca.utterances())
        said = orca.key(["space"], [place(blank)], f"move {number} of {len(steps)}")
        count += 1
        if [s for s in said[:-1] if s != "espacio"]:
            raise Failure(f"before the place of move {number}, Orca said {said}")
        layout, focus = slide(layout, cell), blank
    orca.hear([f"notificación Felicitaciones. ¡¡¡ Lo lograste !!! en {count} movimientos"],
              "the win told with its count", since=last)
    session.wait_gone("congratulations", 10)
    orca.on("push button", layout[focus - 1], "after the win")
    if len(wins := [s for s in orca.utterances() if "Lo lograste" in s]) != 1:
        raise Failure(f"the win was told {len(wins)} times: {wins}")

    orca.key(["alt+c"], [CONTACT, "OK botón de pulsación"], "Alt+C")
    orca.key(["Tab"], ["www.tornel.example enlace", MAKER], "Tab to the web address")
    orca.type(["space"])
    opened = pathlib.Path(session.workdir, "opened")
    wait_for(lambda: MAKER in opened.read_text(), "Space to open the maker's page", 10)
    orca.key(["Tab"], ["OK botón de pulsación"], "Tab back to OK")
    orca.type(["space"])
    session.wait_gone("contact", 10)

    text = "".join(pathlib.Path(session.workdir, name).read_text(errors="replace")
                   for name in ("orca-debug.log", "orca.log"))  # its log and its errors
    if "bad content sent to speak" in text or "IndexError" in text:
        raise Failure("Orca was handed something it could not speak; see orca-debug.log")
    log(f"Orca told {count} moves and the win")


if __name__ == "__main__":
    sys.exit(run(listen, kind_of, display=lambda session: None))
