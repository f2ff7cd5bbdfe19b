"""The screen changing under the running program: a stored position beyond
a smaller screen, a resolution lowered, two monitors on one X server and one
of them removed. The character, its balloon and its walking stay on what can
be seen, on the monitor the character stands on."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (PrivateDisplay, Sanpo, balloon, fail, screenshot, wait_for,  # noqa: E402
                       window_geometry, xdotool)
from test_startup import expected_first_run  # noqa: E402

FULL = (1920, 1200)
SMALL = (1280, 800)


def xrandr(*args):
    result = subprocess.run(["xrandr", *args], capture_output=True, text=True, timeout=20)
    if result.returncode != 0:
        fail("xrandr %s: %s" % (" ".join(args), result.stderr.strip()))


def set_mode(size):
    xrandr("--output", "screen", "--mode", "%dx%d" % size)


def inside(geometry, area):
    """Whether a window lies wholly in an area; the character's window is
    taken as its 80 x 122 cell (its last row is the one the walking bob
    draws into)."""
    x, y, w, h = geometry
    if (w, h) == (80, 123):
        h = 122
    ax, ay, aw, ah = area
    return ax <= x and ay <= y and x + w <= ax + aw and y + h <= ay + ah


def near(geometry, place):
    """Whether a window stands at place; a window manager that keeps windows
    wholly on the screen may lift the character's by its last, empty row."""
    return geometry[0] == place[0] and abs(geometry[1] - place[1]) <= 1


def on_screen(windows, area):
    """The windows' geometries when they all lie wholly in the area."""
    geometries = [window_geometry(w) for w in windows]
    return geometries if all(inside(g, area) for g in geometries) else None


def settled(window, what):
    """The window's geometry once it has stood still for a moment."""
    def still():
        first = window_geometry(window)
        time.sleep(0.3)
        return first if window_geometry(window) == first else None
    return wait_for(still, 10, what)


def positions(window, seconds):
    """Where the walking character's window was, sampled for `seconds`."""
    seen = []
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        seen.append(window_geometry(window))
        time.sleep(0.02)
    return seen


def drag(window, dx, dy, right_click=False):
    """Carries the character by (dx, dy); a right click on the way toggles
    the pin and drops it there."""
    x, y, _, _ = window_geometry(window)
    xdotool("mousemove", str(x + 40), str(y + 80))
    xdotool("mousedown", "1")
    xdotool("mousemove", str(x + 40 + dx // 2), str(y + 80 + dy // 2))
    xdotool("mousemove", str(x + 40 + dx), str(y + 80 + dy))
    time.sleep(0.2)
    if right_click:
        xdotool("click", "3")
        time.sleep(0.2)
    xdotool("mouseup", "1")


def open_menu(app, window):
    """Right clicks (the first may close a balloon) until the 200 x 160 menu
    shows; returns its window."""
    for _ in range(3):
        x, y, _, _ = window_geometry(window)
        xdotool("mousemove", str(x + 40), str(y + 80))
        xdotool("click", "3")
        time.sleep(0.5)
        shown = xdotool("search", "--all", "--onlyvisible", "--pid", str(app.proc.pid), "--name",
                        "^sanpo balloon$", check=False).split()
        if shown and window_geometry(shown[0])[2:] == (200, 160):
            return shown[0]
    fail("no menu opened")


def main():
    binary = sys.argv[1]
    out = os.environ.get("SANPO_E2E_OUT", "/tmp")
    with PrivateDisplay(*FULL):
        xrandr("--newmode", "1280x800", "60", "1280", "1300", "1400", "1500", "800", "810",
               "820", "830")
        xrandr("--addmode", "screen", "1280x800")
        set_mode(SMALL)
        app = Sanpo(binary)
        lines = expected_first_run(*SMALL).split(b"\r\n")
        lines[3] = lines[4] = b" 0 "  # no time signal, no talk: nothing else opens a balloon
        lines[9] = b" 1 "  # pinned, saved far down right on a larger screen
        lines[10], lines[11] = b" 1900 ", b" 1100 "
        lines[13] = b" 1 "  # a step every tick, so it crosses a monitor in seconds
        with open(app.path("jouhou.mrdt"), "wb") as f:
            f.write(b"\r\n".join(lines))
        app.start()
        ok = False
        try:
            win = app.window()
            at = settled(win, "the character to show")
            if at[:2] != (1200, 678):
                fail("saved at (1900, 1100) it starts at %r on a 1280 x 800 screen" % (at,))
            if not inside(window_geometry(balloon(app)), (0, 0) + SMALL):
                fail("the greeting is not wholly on the screen")
            print("start-up: a stored position beyond the screen is brought onto it")

            # A lower resolution while it stands far down right with its menu open.
            set_mode(FULL)
            wait_for(lambda: near(window_geometry(win), at), 10, "the character to stay")
            drag(win, 500, 322)
            at = settled(win, "the drop")
            if not near(at, (1700, 1000)):
                fail("the drag on the larger screen ended at %r" % (at,))
            open_menu(app, win)
            set_mode(SMALL)
            menu = balloon(app)
            # Where the placement rules put them on 1280 x 800: the menu to
            # the character's left, raised off the bottom edge.
            wait_for(lambda: near(window_geometry(win), (1200, 678)) and
                     near(window_geometry(menu), (1000, 610)), 10,
                     "the character and its menu to come back onto the screen")
            at = window_geometry(win)
            if not on_screen([win, menu], (0, 0) + SMALL):
                fail("the character or its menu is not wholly on the screen")
            print("resolution change: the character and its menu came back onto the screen")

            # Two monitors side by side; the character stands on the right one,
            # near its left edge: the menu opens on its right, on that monitor.
            xdotool("mousemove", str(at[0] + 40), str(at[1] + 80))
            xdotool("click", "3")  # closes the menu
            balloon(app, visible=False)
            set_mode(FULL)
            wait_for(lambda: near(window_geometry(win), at), 10, "the character to stay")
            # The right one first: the left one takes over the output's own.
            xrandr("--setmonitor", "right", "960/254x1200/190+960+0", "none")
            xrandr("--setmonitor", "left", "960/254x1200/190+0+0", "screen")
            wait_for(lambda: near(window_geometry(win), at), 10, "the character to stay")
            drag(win, 1100 - at[0], 300 - at[1])
            at = settled(win, "the drop on the right monitor")
            menu = window_geometry(open_menu(app, win))
            if menu[0] < 960:
                fail("the character at %r on the right monitor opened its menu at %r" %
                     (at, menu))
            xdotool("mousemove", str(at[0] + 40), str(at[1] + 80))
            xdotool("click", "3")
            balloon(app, visible=False)
            print("two monitors: the menu opens on the character's monitor")

            # Unpinned and thrown to the left, it walks to its monitor's edge.
            drag(win, -50, 0, right_click=True)
            walked = positions(win, 3)
            lefts = [g[0] for g in walked]
            if min(lefts) < 960 or min(lefts) > 1020:
                fail("thrown left on the right monitor it walked over x %d..%d" %
                     (min(lefts), max(lefts)))
            print("two monitors: it walks on its own monitor, x %d..%d" % (min(lefts), max(lefts)))

            # The right monitor is unplugged while it walks there.
            xrandr("--delmonitor", "right")
            wait_for(lambda: on_screen([win], (0, 0, 960, 1200)), 10,
                     "the character to come onto the monitor left")
            walked = positions(win, 3)
            if not all(inside(g, (0, 0, 960, 1200)) for g in walked):
                bad = next(g for g in walked if not inside(g, (0, 0, 960, 1200)))
                fail("after the right monitor went away the character stood at %r" % (bad,))
            print("monitor removed: it came over and walks on the one left")
            ok = True
        finally:
            if not ok:
                try:
                    screenshot(os.path.join(out, "sanpo-e2e-screens-failure.png"))
                except Exception:  # the X server may be gone
                    pass
            app.cleanup(keep=not ok)


if __name__ == "__main__":
    main()
