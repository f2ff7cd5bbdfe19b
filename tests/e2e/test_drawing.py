"""The character as the X server shows it: shaped to the figure, so the
desktop shows all around it, and the same picture, twice as large, on a
desktop that Qt scales by two, and under a compositor, where its window is
see-through by alpha."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (PrivateDisplay, Sanpo, fail, screenshot, wait_for, window_geometry,  # noqa: E402
                       xdotool)

DESKTOP = "#3a6ea5"


def capture(binary, env, scratch, name, depth=None):
    """Starts a first run, and returns the character window's size and a
    picture of what the screen shows where it stands; with `depth`, fails
    unless the window has that many bits per pixel."""
    app = Sanpo(binary, env=env).start()
    try:
        win = app.window()
        if depth:
            info = subprocess.run(["xwininfo", "-id", win], capture_output=True, text=True,
                                  timeout=20).stdout
            if "Depth: %d" % depth not in info:
                fail("the character's window is not %d bits deep:\n%s" % (depth, info))
        geometry = wait_for(lambda: (lambda g: g if g[2] > 1 else None)(window_geometry(win)), 10,
                            "the first frame")
        time.sleep(0.5)  # the introduction stands still: the frame stays
        x, y, w, h = geometry
        whole = os.path.join(scratch, name + ".png")
        screenshot(whole)
        crop = os.path.join(scratch, name + "-window.png")
        subprocess.run(["convert", whole, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", crop],
                       check=True, timeout=30)
        return (w, h), crop
    finally:
        app.cleanup(keep=False)


def differing_pixels(a, b, scratch):
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", "8%", a, b,
                             os.path.join(scratch, "difference.png")],
                            capture_output=True, text=True, timeout=30)
    return float(result.stderr.split()[0])


def pixel_count(path, extra=()):
    out = subprocess.run(["convert", path, *extra, "-format", "%[fx:w*h*mean]", "info:"],
                         capture_output=True, text=True, check=True, timeout=30).stdout
    return float(out)


def desktop_share(path):
    """The share of the picture's pixels that are the desktop's colour."""
    total = pixel_count(path, ["-fill", "white", "-colorize", "100%"])
    desktop = pixel_count(path, ["-fill", "black", "+opaque", DESKTOP, "-fill", "white",
                                 "-opaque", DESKTOP])
    return desktop / total


def main():
    binary = sys.argv[1]
    scratch = tempfile.mkdtemp(prefix="sanpo-e2e-drawing-")
    keep = True
    try:
        with PrivateDisplay():
            subprocess.run(["xsetroot", "-solid", DESKTOP], check=True, timeout=20)
            size, plain = capture(binary, {}, scratch, "plain")
            if size != (80, 123):
                fail("the character's window is %dx%d, not 80x123" % size)
            share = desktop_share(plain)
            # The figure covers about half of its frame; the rest is desktop.
            if not 0.2 < share < 0.8:
                fail("%.0f %% of the character's window shows the desktop (%s)" %
                     (share * 100, plain))

            size2, scaled = capture(binary, {"QT_SCALE_FACTOR": "2"}, scratch, "scaled")
            if size2 != (160, 246):
                fail("on a desktop scaled by two the window is %dx%d, not 160x246" % size2)
            halved = os.path.join(scratch, "scaled-halved.png")
            subprocess.run(["convert", scaled, "-sample", "50%", halved], check=True, timeout=30)
            differing = differing_pixels(plain, halved, scratch)
            if differing > 0.02 * 80 * 123:
                fail("the scaled character differs from the plain one in %d pixels (%s)" %
                     (differing, scratch))

            if shutil.which("picom"):
                compositor = subprocess.Popen(
                    ["picom", "--backend", "xrender", "--no-fading-openclose"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    # picom names the window that holds the compositor's selection.
                    wait_for(lambda: xdotool("search", "--name", "^picom$", check=False), 10,
                             "picom to composite")
                    _, composited = capture(binary, {}, scratch, "composited", depth=32)
                finally:
                    compositor.terminate()
                    compositor.wait()
                # The compositor paints its own desktop colour: the window's
                # corner shows it.
                corner = subprocess.run(["convert", composited, "-format", "%[pixel:p{0,0}]",
                                         "info:"], capture_output=True, text=True, check=True,
                                        timeout=30).stdout
                recoloured = os.path.join(scratch, "composited-recoloured.png")
                subprocess.run(["convert", composited, "-fill", DESKTOP, "-opaque", corner,
                                recoloured], check=True, timeout=30)
                differing = differing_pixels(plain, recoloured, scratch)
                if differing > 0.02 * 80 * 123:
                    fail("under a compositor the character differs in %d pixels (%s)" %
                         (differing, scratch))
        keep = False
        print("ok: shaped to the figure, the same picture on a desktop scaled by two and "
              "under a compositor")
    finally:
        if keep:
            print("pictures kept in " + scratch, file=sys.stderr)
        else:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
