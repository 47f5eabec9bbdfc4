#!/usr/bin/python3
"""Start-up time and peak memory of the game, side by side with SGT Fifteen.

Starts its own Xvfb and openbox, then runs the programs in turn (the order alternating from one
round to the next, so that machine noise falls on both alike) and reports medians and ratios.

  start-up  time from starting the process to the X server mapping its first window, seen as
            the MapNotify event of a window whose _NET_WM_PID is the process (the same watcher,
            with no polling, for every program)
  peak RSS  ru_maxrss of the process, from wait4(), over a scripted game: start, wait for the
            board, a new game (Alt+M / "n"), a few clicks on the board, quit (Alt+S / "q")

Only the standard library: the X events are read through ctypes from libX11.

  tools/measure-startup.py [--runs 11] [--game build-perf/ui/Deslizador] [--also NAME=PATH ...]

"Qt floor" (tools/bench/qt_floor, built by the bench target; --floor PATH, --floor "" leaves it
out) is a Qt Widgets window with one line of text and nothing else, run in the same rounds: what
any program built on the same Qt pays before the game does anything of its own.
"""

import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

CREATE_NOTIFY, MAP_NOTIFY = 16, 19
STRUCTURE_NOTIFY_MASK, SUBSTRUCTURE_NOTIFY_MASK = 1 << 17, 1 << 19
XA_CARDINAL = 6


class X:
    """Just enough of Xlib to see windows being created and mapped."""

    def __init__(self, display):
        lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.lib = lib
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        lib.XPending.argtypes = [ctypes.c_void_p]
        lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
        lib.XInternAtom.restype = ctypes.c_ulong
        lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        lib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        lib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        lib.XFree.argtypes = [ctypes.c_void_p]
        # Windows come and go while we look at them: ignore BadWindow and the like.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self._ignore = handler_type(lambda d, e: 0)
        lib.XSetErrorHandler(self._ignore)
        self.dpy = lib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.root = lib.XDefaultRootWindow(self.dpy)
        self.pid_atom = lib.XInternAtom(self.dpy, b"_NET_WM_PID", 0)
        lib.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        lib.XSync(self.dpy, 0)
        self.fd = lib.XConnectionNumber(self.dpy)
        self.event = ctypes.create_string_buffer(192)

    def window_pid(self, window):
        type_, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self.lib.XGetWindowProperty(
            self.dpy, window, self.pid_atom, 0, 1, 0, XA_CARDINAL, ctypes.byref(type_),
            ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after), ctypes.byref(data))
        pid = None
        if status == 0 and data.value:
            if count.value == 1 and fmt.value == 32:
                pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0]
            self.lib.XFree(data)
        return pid

    def is_mapped(self, window):
        attributes = ctypes.create_string_buffer(256)
        if not self.lib.XGetWindowAttributes(self.dpy, window, attributes):
            return False
        return struct.unpack_from("i", attributes, 92)[0] != 0  # map_state != IsUnmapped

    def drain(self):
        while self.lib.XPending(self.dpy):
            self.lib.XNextEvent(self.dpy, self.event)

    def wait_for_windows(self, pid, count, timeout, seen):
        """Waits until `count` distinct windows of `pid` are mapped; `seen` maps window -> time of
        its first mapping (kept across calls). Returns False on timeout."""
        deadline = time.monotonic() + timeout
        while len(seen) < count:
            while self.lib.XPending(self.dpy):
                self.lib.XNextEvent(self.dpy, self.event)
                now = time.monotonic()
                kind = struct.unpack_from("i", self.event, 0)[0]
                if kind == CREATE_NOTIFY:
                    window = struct.unpack_from("L", self.event, 40)[0]
                    self.lib.XSelectInput(self.dpy, window, STRUCTURE_NOTIFY_MASK)
                    if self.is_mapped(window) and self.window_pid(window) == pid:
                        seen.setdefault(window, time.monotonic())
                elif kind == MAP_NOTIFY:
                    window = struct.unpack_from("L", self.event, 40)[0]
                    if window not in seen and self.window_pid(window) == pid:
                        seen[window] = now
            if len(seen) >= count:
                break
            left = deadline - time.monotonic()
            if left <= 0:
                return False
            select.select([self.fd], [], [], min(left, 0.5))
        return True


def xdotool(display, *args):
    subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display), check=False,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def click_around(display, window, points):
    for x, y in points:
        xdotool(display, "mousemove", "--window", str(window), str(x), str(y), "click", "1")
        time.sleep(0.05)


class Program:
    def __init__(self, name, argv, windows_to_board, new_game, quit_keys, clicks):
        self.name, self.argv = name, argv
        self.windows_to_board = windows_to_board  # the board is the n-th window mapped
        self.new_game, self.quit_keys, self.clicks = new_game, quit_keys, clicks
        self.startup, self.peak = [], []

    def run_once(self, x, display):
        x.drain()
        seen = {}
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        start = time.monotonic()
        process = subprocess.Popen(self.argv, env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        ok = x.wait_for_windows(process.pid, 1, 20, seen)
        if ok:
            first = min(seen.values()) - start
            ok = x.wait_for_windows(process.pid, self.windows_to_board, 20, seen)
        if ok:
            board = max(seen, key=seen.get)
            time.sleep(0.3)
            xdotool(display, "windowactivate", "--sync", str(board))
            xdotool(display, "key", self.new_game)
            time.sleep(0.2)
            click_around(display, board, self.clicks)
            xdotool(display, "key", self.quit_keys)
        deadline = time.monotonic() + 10
        status, usage = 0, None
        while time.monotonic() < deadline:
            pid, status, usage = os.wait4(process.pid, os.WNOHANG)
            if pid:
                break
            time.sleep(0.02)
        else:
            process.kill()
            process.wait()
            ok = False
        if not ok:
            print(f"  {self.name}: run failed (no window, or it did not quit)", file=sys.stderr)
            return
        self.startup.append(first * 1000)
        self.peak.append(usage.ru_maxrss / 1024)  # KiB -> MiB


def start_display(display):
    number = display.lstrip(":")
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = f"/tmp/.X11-unix/X{number}"
    for _ in range(200):
        if os.path.exists(socket):
            break
        time.sleep(0.05)
    else:
        raise RuntimeError("Xvfb did not start")
    wm = subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=display),
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    return xvfb, wm


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--game", default=os.path.join(ROOT, "build-perf/ui/Deslizador"))
    parser.add_argument("--sgt", default="/usr/games/sgt-fifteen")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PATH",
                        help="another build of the game to run in the same rounds")
    parser.add_argument("--floor", default=os.path.join(ROOT, "build-perf/tools/bench/qt_floor"),
                        help="the bare Qt window to run in the same rounds (empty: none)")
    parser.add_argument("--display", default=":93")
    args = parser.parse_args()
    for tool in ("Xvfb", "openbox", "xdotool"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing (tools/install-deps.sh installs it)")

    # The board window: 16 tiles of 52 px from about (10, 10); the clicks land on tiles.
    tiles = [(35, 35), (90, 35), (145, 90), (200, 145), (145, 200), (90, 145)]
    game = lambda name, path: Program(name, [path], 2, "alt+m", "alt+s", tiles)
    programs = [game("Deslizador", args.game)]
    for item in args.also:
        name, _, path = item.partition("=")
        programs.append(game(name, path))
    if args.floor:
        if not os.access(args.floor, os.X_OK):
            sys.exit(f"{args.floor} is missing: cmake --build build-perf --target qt_floor")
        # One window; it takes the clicks and ignores "n", Escape ends it.
        programs.append(Program("Qt floor", [args.floor], 1, "n", "Escape", tiles))
    sgt = Program("SGT Fifteen", [args.sgt], 1, "n", "q",
                  [(40, 40), (100, 40), (160, 100), (100, 160), (40, 100), (160, 160)])
    programs.append(sgt)

    xvfb, wm = start_display(args.display)
    try:
        x = X(args.display)
        for round_ in range(args.runs):
            order = programs if round_ % 2 == 0 else list(reversed(programs))
            for program in order:
                program.run_once(x, args.display)
                time.sleep(0.3)
            print(f"round {round_ + 1}/{args.runs} done", file=sys.stderr)
    finally:
        wm.send_signal(signal.SIGTERM)
        wm.wait()
        xvfb.send_signal(signal.SIGTERM)
        xvfb.wait()

    print(f"{'program':<16} {'runs':>4} {'start-up ms (median)':>21} {'peak RSS MiB (median)':>22}")
    for p in programs:
        if not p.startup:
            print(f"{p.name:<16} {0:>4}")
            continue
        print(f"{p.name:<16} {len(p.startup):>4} {statistics.median(p.startup):>21.1f} "
              f"{statistics.median(p.peak):>22.1f}")
    if sgt.startup:
        for p in programs[:-1]:
            if p.startup:
                print(f"{p.name} / SGT Fifteen: start-up "
                      f"{statistics.median(p.startup) / statistics.median(sgt.startup):.2f}, "
                      f"peak RSS {statistics.median(p.peak) / statistics.median(sgt.peak):.2f}")
    for p in programs:
        print(f"{p.name} start-up ms: {' '.join(f'{v:.1f}' for v in p.startup)}", file=sys.stderr)
        print(f"{p.name} peak MiB:    {' '.join(f'{v:.1f}' for v in p.peak)}", file=sys.stderr)


if __name__ == "__main__":
    main()
