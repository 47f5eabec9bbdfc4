#!/usr/bin/python3
"""On headless Weston the splash, then the board show their pictures; the error output is empty."""

import glob, os, sys

from PIL import Image

from xsession import Failure, log, run, wait_for

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../assets")


def weston(session):
    os.mkdir(runtime := f"{session.workdir}/runtime", 0o700)
    session.env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="deslizador-test")
    session.spawn("weston", ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                             "--socket=deslizador-test", "--width=1024", "--height=768",
                             "--idle-time=0"])
    wait_for(lambda: os.path.exists(f"{runtime}/deslizador-test"), "Weston's socket", 30)


def find(shot, picture):
    """The top-left corner where `picture` stands in the screenshot, pixel for pixel, or None."""
    rows = [picture.crop((0, y, picture.width, y + 1)).tobytes() for y in range(picture.height)]
    data, stride, at = shot.tobytes(), shot.width * 3, -1
    while (at := data.find(rows[0], at + 1)) >= 0:
        if at % 3 == 0 and at % stride + len(rows[0]) <= stride and all(
                data[at + j * stride:at + j * stride + len(r)] == r for j, r in enumerate(rows)):
            return (at % stride // 3, at // stride)


def on_wayland(session):
    """The splash, then the board with its pictures, on Weston."""
    session.start(QT_QPA_PLATFORM="wayland")
    picture = lambda name: Image.open(f"{ASSETS}/{name}").convert("RGB")
    def shot():
        session.output("weston-screenshooter")
        shots = glob.glob(f"{session.workdir}/wayland-screenshot*.png")
        return Image.open(max(shots, key=os.path.getmtime)).convert("RGB")
    seen = lambda name: lambda: find(shot(), picture(name))
    log(f"the splash's board picture at {wait_for(seen('tablero.gif'), 'the splash', 20, 0.2)}")
    at = wait_for(seen("banner.gif"), "the board window with the banner", 20, 0.2)
    if find(image := shot(), picture("tablero.gif")):
        raise Failure("the splash is still on the screen beside the board")
    tile = picture("ficha1.jpg")  # centred on cell 1 at (32, 32); the banner stands at (51, 235)
    face = (at[0] - 51 + 32 + (48 - tile.width) // 2, at[1] - 235 + 32 + (48 - tile.height) // 2)
    if find(image, tile) != face:
        raise Failure(f"tile 1's picture is not at {face}, 32 pixels in from the board's corner")
    if text := open(f"{session.workdir}/program.log", errors="replace").read().strip():
        raise Failure(f"the program wrote on its error output:\n{text}")


if __name__ == "__main__":
    sys.exit(run(on_wayland, None, weston))
