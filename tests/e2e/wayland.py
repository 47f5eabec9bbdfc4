#!/usr/bin/python3
"""The game on a Wayland compositor: Weston's headless back end with pixman, Qt's Wayland
platform, screenshots by weston-screenshooter (Weston run with --debug allows it). The splash
and then the board appear with their pictures, found pixel for pixel in the screenshots, and the
program says nothing on its error output. Weston places the windows itself.
Usage: wayland.py <executable> <assets folder>
"""

import glob, os, shutil, subprocess, sys, tempfile, time

from PIL import Image

from xsession import Failure, log, wait_for

SOCKET = "deslizador-test"


def find(shot, picture):
    """The top-left corner where `picture` stands in the screenshot, pixel for pixel, or None."""
    rows = [picture.crop((0, y, picture.width, y + 1)).tobytes() for y in range(picture.height)]
    data, stride = shot.tobytes(), shot.width * 3
    for y in range(shot.height - picture.height + 1):
        line, x = data[y * stride:(y + 1) * stride], -1
        while (x := line.find(rows[0], x + 1)) >= 0:
            at = [(y + j) * stride + x for j in range(picture.height)]
            if x % 3 == 0 and all(data[a:a + len(r)] == r for a, r in zip(at, rows)):
                return (x // 3, y)
    return None


def main(executable, assets):
    work = tempfile.mkdtemp(prefix="deslizador-wayland-")
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET)
    picture = lambda name: Image.open(os.path.join(assets, name)).convert("RGB")
    processes, status = [], 1
    try:
        processes.append(subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}",
             "--width=1024", "--height=768", "--idle-time=0", "--debug"], env=env, cwd=work,
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "weston.log"), "wb")))
        wait_for(lambda: os.path.exists(os.path.join(runtime, SOCKET)), "Weston's socket", 30)
        program_log = os.path.join(work, "program.log")
        processes.append(subprocess.Popen([executable], env=dict(env, QT_QPA_PLATFORM="wayland"),
                                          cwd=work, stderr=open(program_log, "wb")))

        def shot():
            for old in glob.glob(os.path.join(work, "wayland-screenshot*.png")):
                os.remove(old)
            subprocess.run(["weston-screenshooter"], env=env, cwd=work, check=True, timeout=30)
            return Image.open(glob.glob(os.path.join(work, "wayland-screenshot*.png"))[0]).convert("RGB")

        def seen(name, crop=None):
            wanted = picture(name).crop(crop) if crop else picture(name)
            return lambda: (image := shot()) and find(image, wanted)

        at = wait_for(seen("tablero.gif"), "the splash with the solved board's picture", 20, 0.2)
        log(f"the splash's board picture at {at}")
        at = wait_for(seen("banner.gif"), "the board window with the banner", 20, 0.2)
        log(f"the board's banner at {at}")
        image = shot()
        if find(image, picture("tablero.gif")):
            raise Failure("the splash is still on the screen beside the board")
        # Tile 1 stands at (32, 32) in the client area, the banner at (51, 235); its digits are
        # centred on the 48-pixel face.
        tile = picture("ficha1.jpg")
        face = (at[0] - 51 + 32 + (48 - tile.width) // 2, at[1] - 235 + 32 + (48 - tile.height) // 2)
        if find(image.crop(face + (face[0] + tile.width, face[1] + tile.height)), tile) != (0, 0):
            raise Failure(f"tile 1's picture is not at {face}, 32 pixels in from the board's corner")
        if text := open(program_log, errors="replace").read().strip():
            raise Failure(f"the program wrote on its error output:\n{text}")
        log("the splash, then the board with its pictures; nothing on the error output")
        status = 0
    except (Failure, OSError, subprocess.SubprocessError) as failure:
        print(f"FAIL: {failure}\nworking directory kept: {work}")
    finally:
        for process in reversed(processes):
            process.terminate()
            process.wait(10)
    if status == 0:
        shutil.rmtree(work, ignore_errors=True)
    print("FAIL" if status else "PASS")
    return status


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
