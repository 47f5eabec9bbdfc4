"""A private X session to play the game in: Xvfb with openbox, the program, xdotool input.
    def scenario(session):        # a Session on a fresh display, the program not started yet
        session.start()           # with a recording xdg-open first on PATH: session.opened()
        session.key_on(session.wait_window("board"), "alt+m")  # raise Failure to fail the run
    sys.exit(run(scenario, board.kind_of))  # a failed run keeps failure.png and the logs
"""

import collections, io, os, re, shutil, subprocess, sys, tempfile, time

from PIL import Image

SCREEN = (1024, 768)


class Failure(Exception):
    pass


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def wait_for(predicate, what, timeout, interval=0.05):
    """The predicate's first true value; a Failure when none comes within `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)
    return value


class Window(collections.namedtuple("Window", "id x y width height name")):
    size = property(lambda w: (w.width, w.height))
    box = property(lambda w: (w.x, w.y, w.x + w.width, w.y + w.height))


class Session:
    def __init__(self, executable, workdir, shots, kind_of):
        self.executable, self.workdir, self.shots, self.kind_of = executable, workdir, shots, kind_of
        self.processes, self.process, self.saved = [], None, {}
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY")}

    def open_display(self):
        read_end, write_end = os.pipe()
        self.spawn("Xvfb", ["Xvfb", "-displayfd", write_end, "-screen", "0",
                            f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"], pass_fds=[write_end])
        os.close(write_end)
        text = b""  # the display's number and a newline; nothing more if Xvfb ends
        while not text.endswith(b"\n"):
            if not (chunk := os.read(read_end, 64)):
                raise Failure("Xvfb ended without a display")
            text += chunk
        os.close(read_end)
        self.env["DISPLAY"] = f":{int(text)}"
        openbox = self.spawn("openbox", ["openbox", "--sm-disable"])
        def managed():  # once the window manager announces itself on the root window
            if openbox.poll() is not None:
                raise Failure(f"openbox ended with status {openbox.returncode}")
            return "_NET_SUPPORTING_WM_CHECK" in self.output("xprop", "-root")
        wait_for(managed, "openbox to manage the display", 60)

    def spawn(self, name, command, env=None, **options):
        process = subprocess.Popen([str(c) for c in command], env=env or self.env, cwd=self.workdir,
                                   stdout=subprocess.DEVNULL, **options,
                                   stderr=open(os.path.join(self.workdir, name + ".log"), "wb"))
        self.processes.append(process)
        return process

    def output(self, *command, check=True):
        result = subprocess.run([str(c) for c in command], env=self.env, capture_output=True,
                                text=True, timeout=60)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(map(str, command))} failed: {result.stderr.strip()}")
        return result.stdout

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()

    # --- the program ---

    def start(self, *arguments, **env):
        """Starts the program with a recording xdg-open, that waits, first on PATH."""
        os.makedirs(bindir := os.path.join(self.workdir, "bin"), exist_ok=True)
        with open(os.path.join(bindir, "xdg-open"), "w") as f:
            # It waits, as the generic xdg-open waits for the browser; it fails while ./fail exists.
            f.write(f"#!/bin/sh\nprintf '%s\\n' \"$*\" >> '{self.workdir}/opened'\n"
                    f"[ -e '{self.workdir}/fail' ] && exit 4\nexec sleep 60\n")
            os.fchmod(f.fileno(), 0o755)
        with open(os.path.join(self.workdir, "lsan.supp"), "w") as f:  # libdbus's, not ours
            f.write("leak:libdbus-1.so\n")
        env = dict(self.env, PATH=bindir + ":" + self.env.get("PATH", "/usr/bin:/bin"),
                   LSAN_OPTIONS=f"suppressions={f.name}:print_suppressions=0", **env)
        self.process = self.spawn("program", [self.executable, *arguments], env)

    def opened(self):
        """What the program asked xdg-open to open, one entry a start."""
        path = os.path.join(self.workdir, "opened")
        return open(path).read().splitlines() if os.path.exists(path) else []

    # --- the screen ---

    def windows(self):
        """The program's viewable top-level windows."""
        if self.process.poll() is not None:
            raise Failure(f"the program ended unexpectedly with status {self.process.returncode}")
        found = []
        for wid in self.output("xdotool", "search", "--onlyvisible", "--pid", self.process.pid,
                               check=False).split():
            info = self.output("xwininfo", "-id", wid, check=False)
            if "IsViewable" in info:
                field = lambda name: int(re.search(rf"{name}:\s*(-?\d+)", info)[1])
                name = re.search(r'Window id: \S+ "(.*)"', info)
                found.append(Window(int(wid), field("Absolute upper-left X"),
                                    field("Absolute upper-left Y"), field("Width"),
                                    field("Height"), name[1] if name else ""))
        return found

    def find(self, kind):
        return next((w for w in self.windows() if self.kind_of(w) == kind), None)

    def wait_window(self, kind, timeout=30.0):  # generous: a sanitizer build draws slowly
        return wait_for(lambda: self.find(kind), f"the {kind} window", timeout)

    def wait_gone(self, kind, timeout):
        wait_for(lambda: self.find(kind) is None, f"the {kind} window to close", timeout)

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "png:-"], env=self.env,
                              capture_output=True, timeout=60, check=True).stdout
        return Image.open(io.BytesIO(data)).convert("RGB")

    def framed(self, window):
        """The window's box on the screen with the window manager's frame around it."""
        text = self.output("xprop", "-id", window.id, "_NET_FRAME_EXTENTS", check=False)
        left, right, top, bottom = (list(map(int, re.findall(r"\d+", text.partition("=")[2])))
                                    or [0] * 4)
        return (window.x - left, window.y - top, window.x + window.width + right,
                window.y + window.height + bottom)

    def check_centred(self, window, what):
        x0, y0, x1, y1 = self.framed(window)
        if abs(x0 - (SCREEN[0] - x1)) > 1 or abs(y0 - (SCREEN[1] - y1)) > 1:
            raise Failure(f"the {what} is not centred: framed at {(x0, y0, x1, y1)}")

    def save(self, name, window, image=None):
        """Saves a window with its frame, as the player sees it, under --shots."""
        self.saved[name] = os.path.join(self.shots, name)
        (image or self.screenshot()).crop(self.framed(window)).save(self.saved[name])

    # --- input ---

    def xdotool(self, *arguments):
        self.output("xdotool", *arguments)

    def park_pointer(self):  # away from every window, so no hover shows in the screenshots
        self.xdotool("mousemove", 1, 1, "sleep", 0.1)

    def key_on(self, window, keys):
        self.xdotool("windowactivate", "--sync", window.id)
        wait_for(lambda: self.output("xdotool", "getactivewindow").strip() == str(window.id),
                 f"{window} to take the focus", 10)
        self.xdotool("key", "--clearmodifiers", keys)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "sleep", 0.05, "click", 1)


def run(scenario, kind_of, description=""):
    """Display, program and clean-up around `scenario(session)`; the exit status. The command
    line: <executable> [<screenshots dir> [<dir they are copied to, with
    DESLIZADOR_UPDATE_SCREENSHOTS=1, after a pass>]]; a failed run keeps its working directory."""
    executable, *dirs = sys.argv[1:]
    log(description or scenario.__name__)
    workdir = tempfile.mkdtemp(prefix="deslizador-e2e-")
    shots = dirs[0] if dirs else workdir
    os.makedirs(shots, exist_ok=True)
    session = Session(os.path.abspath(executable), workdir, shots, kind_of)
    try:
        session.open_display()
        scenario(session)
        status = 0
    except (Failure, OSError, subprocess.SubprocessError) as failure:
        print(f"FAIL: {failure}\nworking directory kept: {workdir}", flush=True)
        status = 1
        try:
            session.screenshot().save(os.path.join(workdir, "failure.png"))
        except Exception as error:  # the display may be gone too
            print(f"(no screenshot of the failure: {error})")
    finally:
        session.close()
    if status and session.process:
        print("program's output:\n" + open(f"{workdir}/program.log", errors="replace").read()[-4000:])
    elif not status:
        for name, path in session.saved.items():
            if len(dirs) > 1 and os.environ.get("DESLIZADOR_UPDATE_SCREENSHOTS") == "1":
                shutil.copyfile(path, os.path.join(dirs[1], name))
        shutil.rmtree(workdir, ignore_errors=True)
    print("FAIL" if status else "PASS", flush=True)
    return status
