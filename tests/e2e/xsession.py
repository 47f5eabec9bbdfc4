"""Xvfb with openbox, the program with a recording xdg-open, xdotool input and screenshots."""

import collections, contextlib, io, os, pathlib, re, shutil, subprocess, sys, tempfile, time

from PIL import Image

SCREEN = (1024, 768)
Window = collections.namedtuple("Window", "id x y width height name")


def client(image, window):
    return image.crop((window.x, window.y, window.x + window.width, window.y + window.height))


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


class Session:
    centring_slack = 1  # pixels either way of the screen's middle, for rounding

    def __init__(self, executable, workdir, shots, kind_of):
        self.executable, self.workdir, self.shots = executable, workdir, shots
        self.kind_of, self.processes, self.process = kind_of, [], None
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY")}

    def open_display(self, size=SCREEN, manager=True):
        read_end, write_end = os.pipe()
        self.spawn("Xvfb", ["Xvfb", "-displayfd", write_end, "-screen", "0",
                            "%dx%dx24" % size, "-nolisten", "tcp"], pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as pipe:  # the display's number
            self.env["DISPLAY"] = ":" + pipe.readline().strip()
        root = lambda: self.output("xprop", "-root", check=False)
        for attempt in range(3 if manager else 0):  # openbox announces itself on the root window
            openbox = self.spawn("openbox", ["openbox", "--sm-disable"])
            with contextlib.suppress(Failure):
                return wait_for(lambda: "_NET_SUPPORTING_WM_CHECK" in root(), "openbox", 20)
            log(f"openbox did not manage the display (status {openbox.poll()}); started again")
            openbox.kill()  # seen once in hundreds of starts, silent, never reproduced
        if manager:
            raise Failure("openbox did not manage the display in three starts")

    def spawn(self, name, command, env=None, **options):
        self.processes.append(subprocess.Popen(
            [str(c) for c in command], env=env or self.env, cwd=self.workdir, **options,
            stdout=subprocess.DEVNULL, stderr=open(f"{self.workdir}/{name}.log", "wb")))
        return self.processes[-1]

    def output(self, *command, check=True):
        result = subprocess.run([str(c) for c in command], env=self.env, cwd=self.workdir,
                                capture_output=True, text=True, timeout=60)
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(map(str, command))} failed: {result.stderr.strip()}")
        return result.stdout

    def start(self, **env):
        """The program, with an xdg-open that records its address and waits, or fails on ./fail."""
        (bindir := pathlib.Path(self.workdir, "bin")).mkdir(exist_ok=True)
        (opener := bindir / "xdg-open").write_text(
            f"#!/bin/sh\nprintf '%s\\n' \"$*\" >> '{self.workdir}/opened'\n"
            f"[ -e '{self.workdir}/fail' ] && exit 4\nexec sleep 60\n")
        opener.chmod(0o755)
        supp = bindir.parent / "lsan.supp"  # libdbus's and (Qt's, through it) libwayland's
        supp.write_text("leak:libdbus-1.so\nleak:libwayland-client.so\n")
        env = dict(self.env, PATH=f"{bindir}:" + self.env.get("PATH", "/usr/bin:/bin"),
                   LSAN_OPTIONS=f"suppressions={supp}:print_suppressions=0", **env)
        self.process = self.spawn("program", [self.executable], env)

    def opened_once(self, address):  # a second start, if any, has had 1.5 s to show
        opened = pathlib.Path(self.workdir, "opened")
        wait_for(opened.exists, "xdg-open to start", 20)
        time.sleep(1.5)
        if opened.read_text().splitlines() != [address]:
            raise Failure(f"xdg-open started with {opened.read_text().split()}, not once")

    def windows(self):
        """The program's viewable windows, read again while none shows (one missed them all)."""
        for attempt in range(3):
            if self.process.poll() is not None:
                raise Failure(f"the program ended with status {self.process.returncode}")
            found = []
            for wid in self.output("xdotool", "search", "--onlyvisible", "--pid", self.process.pid,
                                   check=False).split():
                info = self.output("xwininfo", "-id", wid, check=False)
                box = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s*(-?\d+)", info)
                if len(box) == 4:  # unless it went meanwhile
                    name = re.findall(r'Window id: \S+ "(.*)"', info) or [""]
                    found.append(Window(int(wid), *map(int, box), name[0]))
            if found or attempt == 2:
                return found
            time.sleep(0.1)

    def find(self, kind):
        return next((w for w in self.windows() if self.kind_of(w) == kind), None)

    def wait_window(self, kind, timeout=30.0):  # generous: a sanitizer build draws slowly
        return wait_for(lambda: self.find(kind), f"the {kind} window", timeout)

    def wait_gone(self, kind, timeout):
        wait_for(lambda: not self.find(kind), f"the {kind} window to close", timeout)

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "png:-"], env=self.env,
                              capture_output=True, timeout=60, check=True).stdout
        return Image.open(io.BytesIO(data)).convert("RGB")

    def centred(self, window, name=None, image=None):
        """Fails unless the framed window is centred; saves it as `name` among the screenshots."""
        text = self.output("xprop", "-id", window.id, "_NET_FRAME_EXTENTS", check=False)
        left, right, top, bottom = map(int, re.findall(r"\d+", text.partition("=")[2]) or "0000")
        box = (window.x - left, window.y - top, window.x + window.width + right,
               window.y + window.height + bottom)
        if max(abs(box[0] + box[2] - SCREEN[0]), abs(box[1] + box[3] - SCREEN[1])) > \
                2 * self.centring_slack:
            raise Failure(f"{window} is not centred: framed at {box}")
        if name:
            (image or self.screenshot()).crop(box).save(f"{self.shots}/{name}")

    def xdotool(self, *arguments):
        self.output("xdotool", *arguments)

    def park_pointer(self):  # away from every window, so that no hover shows
        self.xdotool("mousemove", 1, 1, "sleep", 0.1)

    def key_on(self, window, keys):
        self.xdotool("windowactivate", "--sync", window.id)
        wait_for(lambda: self.output("xdotool", "getactivewindow").strip() == str(window.id),
                 f"{window} to take the focus", 10)
        self.xdotool("key", "--clearmodifiers", keys)

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "sleep", 0.05, "click", 1)


def run(scenario, kind_of, display=Session.open_display):
    """argv: <executable> [<screenshots> [<folder they go to on a pass, on UPDATE_SCREENSHOTS>]]"""
    executable, *folders = sys.argv[1:]
    log(scenario.__doc__)
    workdir = tempfile.mkdtemp(prefix="deslizador-e2e-")
    os.makedirs(shots := folders[0] if folders else workdir, exist_ok=True)
    session = Session(os.path.abspath(executable), workdir, shots, kind_of)
    try:
        display(session)
        scenario(session)
    except (Failure, OSError, subprocess.SubprocessError) as failure:
        print(f"FAIL: {failure}\nworking directory kept: {workdir}", flush=True)
        with contextlib.suppress(Exception):  # the display may be gone too
            session.screenshot().save(f"{workdir}/failure.png")
        if session.process:
            print("the program's output:\n"
                  + open(f"{workdir}/program.log", errors="replace").read()[-4000:])
        return 1
    finally:
        for process in reversed(session.processes):
            process.terminate()
            with contextlib.suppress(subprocess.TimeoutExpired):
                process.wait(5)
            process.kill()  # nothing once it has ended
    if len(folders) > 1 and os.environ.get("DESLIZADOR_UPDATE_SCREENSHOTS") == "1":
        for name in os.listdir(shots):  # only the screenshots saved
            shutil.copyfile(f"{shots}/{name}", f"{folders[1]}/{name}")
    shutil.rmtree(workdir, ignore_errors=True)
    print("PASS", flush=True)
    return 0
