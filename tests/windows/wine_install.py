#!/usr/bin/python3
"""The Windows installer under Wine, in a new prefix on a private X display: installed silently
(/S), its files, shortcut and installed-programs entry checked, the game started and ended with
Alt+S, uninstalled silently, nothing of it left. argv: <...-win64-setup.exe> <...-win64.zip>;
exits 77 (skipped) when the installer has not been built."""

import os, pathlib, re, subprocess, sys, zipfile

HERE = pathlib.Path(__file__).resolve().parent
for folder in (HERE.parent / "e2e", HERE, HERE.parent.parent / "tools" / "windows"):
    sys.path.insert(0, str(folder))
from board import kind_of  # noqa: E402
from check_installer import installer_fault  # noqa: E402
from wine_play import new_wine_prefix  # noqa: E402
from xsession import Failure, log, run  # noqa: E402

FOLDER = ("Program Files", "Deslizador")  # $PROGRAMFILES64 on an English Wine
SHORTCUT = ("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Deslizador.lnk")
KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Deslizador"
ENTRY = {"DisplayName": "Deslizador", "DisplayVersion": "1.0", "Publisher": "Tornel Software",
         "DisplayIcon": r"C:\Program Files\Deslizador\Deslizador.exe,0",
         "UninstallString": r'"C:\Program Files\Deslizador\Desinstalar.exe"',
         "QuietUninstallString": r'"C:\Program Files\Deslizador\Desinstalar.exe" /S'}


def unstamped(program):
    """The .exe without the time stamp and checksum that each strip of it writes anew."""
    header = int.from_bytes(program[0x3C:0x40], "little")
    data = bytearray(program)
    data[header + 8:header + 12] = data[header + 88:header + 92] = bytes(4)
    return bytes(data)


def registry_entry(session):
    """The game's entry in the installed programs, as `reg query` lists it; None without one."""
    listed = subprocess.run(["wine", "reg", "query", KEY], env=session.env, capture_output=True,
                            text=True, timeout=60)
    return dict(re.findall(r"^\s+(\w+)\s+REG_\w+\s+(.*?)\s*$", listed.stdout, re.M)) \
        if listed.returncode == 0 else None


def left_behind(drive, session):
    """What of the game is still in the Wine prefix: its folder, any file of its name anywhere on
    the drive (the shortcut among them), its entry."""
    left = [str(drive.joinpath(*FOLDER))] if drive.joinpath(*FOLDER).exists() else []
    left += [os.path.join(folder, f) for folder, _, files in os.walk(drive) for f in files
             if "Deslizador" in f or "Desinstalar" in f]  # os.walk keeps out of Wine's links
    return left + ([KEY] if registry_entry(session) is not None else [])


def install_play_uninstall(session, setup, exe):
    new_wine_prefix(session)
    drive = pathlib.Path(session.env["WINEPREFIX"], "drive_c")
    session.output("wine", setup, "/S")
    session.output("wineserver", "-w")

    folder = drive.joinpath(*FOLDER)
    installed = sorted(p.name for p in folder.iterdir()) if folder.is_dir() else []
    if installed != ["Desinstalar.exe", "Deslizador.exe"]:
        raise Failure(f"{folder} holds {installed}, not the game and its uninstaller")
    if unstamped((folder / "Deslizador.exe").read_bytes()) != unstamped(exe):
        raise Failure("the installed Deslizador.exe is not the one in the zip")
    link = drive.joinpath(*SHORTCUT)
    if not link.exists() or b"Deslizador\\Deslizador.exe" not in link.read_bytes():
        raise Failure(f"no Start-menu shortcut to the game at {link}")
    entry = registry_entry(session)
    if entry is None or any(entry.get(k) != v for k, v in ENTRY.items()) or \
            int(entry.get("EstimatedSize", "0"), 16) < len(exe) // 1024:
        raise Failure(f"the installed programs' entry reads {entry}, not {ENTRY}")
    log(f"installed: {installed}, the shortcut, the entry {entry}")

    session.process = session.spawn("program", ["wine", folder / "Deslizador.exe"])
    session.wait_window("splash", 60)
    board = session.wait_window("board", 30)
    session.key_on(board, "alt+s")
    if (status := session.process.wait(20)) != 0:
        raise Failure(f"the installed game ended with status {status} after Alt+S")
    session.output("wineserver", "-w")

    # The uninstaller copies itself elsewhere and starts that copy, so wine returns at once;
    # Wine's server for the prefix ends when the copy has done its work.
    session.output("wine", folder / "Desinstalar.exe", "/S")
    session.output("wineserver", "-w")
    if left := left_behind(drive, session):
        raise Failure(f"the uninstaller left {left}")
    log("uninstalled: nothing of the game is left")


def main():
    setup = sys.argv[1]
    if not os.path.exists(setup):
        print(f"SKIP: no Windows installer at {setup}; make it with tools/windows/build.sh")
        return 77
    if fault := installer_fault(setup):
        print(f"FAIL: {fault}")
        return 1
    with zipfile.ZipFile(sys.argv[2]) as zipped:
        exe = zipped.read(next(n for n in zipped.namelist() if n.endswith("/Deslizador.exe")))
    del sys.argv[2:]

    def scenario(session):
        try:
            install_play_uninstall(session, os.path.abspath(setup), exe)
        finally:  # Wine's server for the prefix would outlive the test
            subprocess.run(["wineserver", "-k"], env=session.env, capture_output=True)
    scenario.__doc__ = "The installer under Wine: installed, started, ended, uninstalled."
    return run(scenario, kind_of)


if __name__ == "__main__":
    sys.exit(main())
