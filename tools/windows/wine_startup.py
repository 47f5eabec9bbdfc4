#!/usr/bin/python3
"""How soon the Windows program shows its windows under Wine, as medians over several starts.

    tools/windows/wine_startup.py [runs] [Deslizador.exe]      default: 5, build-win64/

Each start is timed from `wine Deslizador.exe` to the splash mapped and drawn, then to the board
mapped and drawn (its blank white and the picture still for a frame). The first start is in a
new Wine prefix, the others in the same one: the program keeps nothing between runs, so what the
first start takes beyond the others is Wine's own first use of a prefix."""

import os, shutil, statistics, sys, tempfile, time

HERE = os.path.dirname(os.path.abspath(__file__))
for tests in ("e2e", "windows"):
    sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", tests))
from board import BOARD_CLIENT, CELL, INSET, ORIGIN, kind_of  # noqa: E402
from wine_play import new_wine_prefix  # noqa: E402
from xsession import Session, wait_for  # noqa: E402


def drawn(session, window, previous):
    image = session.screenshot().crop((window.x, window.y, window.x + window.width,
                                       window.y + window.height))
    if kind_of(window) == "board":
        x = y = ORIGIN + 3 * CELL + INSET
        y += window.height - BOARD_CLIENT[1]
        blank = image.crop((x, y, x + CELL - 2 * INSET, y + CELL - 2 * INSET))
        if blank.getcolors(1 << 16) != [((CELL - 2 * INSET) ** 2, (255, 255, 255))]:
            return False
    same, previous[:] = previous == [image.tobytes()], [image.tobytes()]
    return same and len(image.getcolors(1 << 20) or []) > 50


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    exe = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else
                          os.path.join(HERE, "..", "..", "build-win64", "Deslizador.exe"))
    work = tempfile.mkdtemp(prefix="deslizador-wine-")
    session = Session("wine", work, work, kind_of)
    times = []
    try:
        session.open_display()
        new_wine_prefix(session)
        for run in range(runs):
            start, marks = time.monotonic(), []
            session.process = session.spawn("program", ["wine", exe])
            for kind in ("splash", "board"):
                window = wait_for(lambda: session.find(kind), kind, 60, 0.02)
                marks.append(time.monotonic() - start)
                previous = []
                wait_for(lambda: drawn(session, window, previous), f"the {kind} drawn", 60, 0.02)
                marks.append(time.monotonic() - start)
            print(f"start {run + 1}{' (new prefix)' if run == 0 else ''}: splash mapped "
                  f"{marks[0]:.2f} s, drawn {marks[1]:.2f} s; board mapped {marks[2]:.2f} s, "
                  f"drawn {marks[3]:.2f} s", flush=True)
            times.append(marks)
            session.key_on(window, "alt+s")
            session.process.wait(20)
        if runs > 1:
            median = [statistics.median(m[i] for m in times[1:]) for i in range(4)]
            print(f"medians of the {runs - 1} starts in a used prefix: splash mapped "
                  f"{median[0]:.2f} s, drawn {median[1]:.2f} s; board mapped {median[2]:.2f} s, "
                  f"drawn {median[3]:.2f} s; the new prefix's start took "
                  f"{times[0][3] / median[3]:.2f} x as long to the board drawn")
    finally:
        session.output("wineserver", "-k", check=False)
        for process in session.processes:
            process.terminate()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
