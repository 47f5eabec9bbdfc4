#!/usr/bin/python3
"""The game on a Wayland compositor: Weston's headless back end with pixman, Qt's Wayland
platform, screenshots by weston-screenshooter (Weston run with --debug allows it). The splash and
then the board appear with their pictures, found pixel for pixel in the screenshots, and the
program says nothing on its error output. Weston places the windows itself.
Usage: wayland.py <executable>"""

import glob, os, subprocess, sys

from PIL import Image

from xsession import Failure, log, run, wait_for

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../assets")


def weston(session):
    os.mkdir(runtime := f"{session.workdir}/runtime", 0o700)
    session.env.pop("DISPLAY", None)
    session.env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="deslizador-test")
    session.spawn("weston", ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                             "--socket=deslizador-test", "--width=1024", "--height=768",
                             "--idle-time=0"])
    wait_for(lambda: os.path.exists(f"{runtime}/deslizador-test"), "Weston's socket", 30)


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


def on_wayland(session):
    """The splash, then the board with its pictures, on Weston."""
    session.start(QT_QPA_PLATFORM="wayland")
    picture = lambda name: Image.open(f"{ASSETS}/{name}").convert("RGB")
    def shot():
        for old in glob.glob(f"{session.workdir}/wayland-screenshot*.png"):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], env=session.env, cwd=session.workdir, check=True,
                       timeout=30)
        return Image.open(glob.glob(f"{session.workdir}/wayland-screenshot*.png")[0]).convert("RGB")
    seen = lambda name: lambda: find(shot(), picture(name))
    log(f"the splash's board picture at {wait_for(seen('tablero.gif'), 'the splash', 20, 0.2)}")
    at = wait_for(seen("banner.gif"), "the board window with the banner", 20, 0.2)
    if find(image := shot(), picture("tablero.gif")):
        raise Failure("the splash is still on the screen beside the board")
    # Tile 1's face is centred on the 48-pixel cell at (32, 32); the banner stands at (51, 235).
    tile = picture("ficha1.jpg")
    face = (at[0] - 51 + 32 + (48 - tile.width) // 2, at[1] - 235 + 32 + (48 - tile.height) // 2)
    if find(image.crop(face + (face[0] + tile.width, face[1] + tile.height)), tile) != (0, 0):
        raise Failure(f"tile 1's picture is not at {face}, 32 pixels in from the board's corner")
    if text := open(f"{session.workdir}/program.log", errors="replace").read().strip():
        raise Failure(f"the program wrote on its error output:\n{text}")


if __name__ == "__main__":
    sys.exit(run(on_wayland, None, weston))
