"""The mascot as a quiet guest under several window managers: while the user
types into a terminal, the character starts and talks without taking the
keyboard, its windows stay out of task bars and pagers, the balloon shows
without the character being clicked, and the character appears exactly where
it was put. A click on the character then gives it the keyboard, and Esc
quits. Window managers that are not installed are left out."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (PrivateDisplay, Sanpo, character_spot, fail, gray_pixels,  # noqa: E402
                       screenshot, wait_for, window_geometry, xdotool)

# The first run stands still in the middle of the 1280x800 screen.
FIRST_RUN_AT = (1280 // 2 - 40, 800 // 2 - 61)


def window_managers(scratch):
    i3_config = os.path.join(scratch, "i3.config")
    with open(i3_config, "w") as f:
        f.write("font pango:monospace 8\n")
    # fluxbox sets the wallpaper through fbsetbg, which opens a message
    # window (and takes the focus) when it finds no program to do it with.
    quiet = os.path.join(scratch, "bin")
    os.makedirs(quiet, exist_ok=True)
    with open(os.path.join(quiet, "fbsetbg"), "w") as f:
        f.write("#!/bin/sh\n")
    os.chmod(os.path.join(quiet, "fbsetbg"), 0o755)
    return [
        ["openbox", "--sm-disable"],
        ["xfwm4", "--compositor=off", "--sm-client-disable"],
        ["env", "PATH=%s:%s" % (quiet, os.environ["PATH"]), "fluxbox", "-no-slit", "-no-toolbar"],
        ["icewm", "--notray"],
        ["i3", "-c", i3_config],
        ["metacity"],
        ["kwin_x11"],
    ]


def xprop(window, name):
    result = subprocess.run(["xprop", "-id", window, name], capture_output=True, text=True,
                            timeout=20)
    return result.stdout.strip()


def map_state(window):
    out = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                         timeout=20).stdout
    for line in out.splitlines():
        if "Map State:" in line:
            return line.split(":")[1].strip()
    return ""


def focused():
    return xdotool("getwindowfocus", check=False)


def terminal(scratch):
    """An xterm that keeps what is typed into it, with the keyboard focus."""
    typed = os.path.join(scratch, "typed.txt")
    if os.path.exists(typed):
        os.remove(typed)
    proc = subprocess.Popen(["xterm", "-geometry", "60x10+20+20", "-title", "typing", "-e",
                             "sh", "-c", "stty -echo; cat > '%s'" % typed],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    win = wait_for(lambda: xdotool("search", "--onlyvisible", "--pid", str(proc.pid),
                                   check=False).split()[:1], 10, "the terminal")[0]
    xdotool("windowactivate", "--sync", win, check=False)
    wait_for(lambda: focused() == win, 5, "the terminal to have the keyboard")
    return proc, win, typed


def check_desktop(binary, wm, scratch, faults):
    name = next(os.path.basename(w) for w in wm if w != "env" and "=" not in w)

    def fault(message):
        faults.append("%s: %s" % (name, message))
        print(faults[-1], file=sys.stderr)

    term, term_win, typed = terminal(scratch)
    app = Sanpo(binary).start()
    try:
        character = app.window()
        words = wait_for(lambda: xdotool("search", "--all", "--pid", str(app.proc.pid), "--name",
                                         "^sanpo balloon$", check=False).split()[:1], 10,
                         "the balloon's window")[0]
        # What the user types while the character appears and talks reaches
        # the terminal.
        xdotool("type", "--delay", "20", "kept\n")
        if not wait_for(lambda: os.path.exists(typed) and "kept" in open(typed).read(), 5, None):
            fault("what was typed did not reach the terminal")
        if focused() != term_win:
            fault("the terminal lost the keyboard to %s" % xprop(focused(), "WM_NAME"))
        for win, what in ((character, "character"), (words, "balloon")):
            state = xprop(win, "_NET_WM_STATE")
            for atom in ("_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"):
                if atom not in state:
                    fault("the %s's window lacks %s (%s)" % (what, atom, state))
            if "_NET_WM_STATE_DEMANDS_ATTENTION" in state:
                fault("the %s's window demands attention" % what)
        if not wait_for(lambda: map_state(words) == "IsViewable", 2, None):
            fault("the balloon is not viewable")
        at = window_geometry(character)[:2]
        if at != FIRST_RUN_AT:
            fault("the character shows at %r, not at %r" % (at, FIRST_RUN_AT))
        # A click gives the character the keyboard, so Esc quits. (Managers
        # that composite may fade the window in.)
        shot = os.path.join(scratch, "shown.png")
        wait_for(lambda: screenshot(shot) or max(gray_pixels(shot, window_geometry(character))[2]),
                 5, "%s: the character on the screen" % name)
        x, y = character_spot(character, os.path.join(scratch, "character.png"))
        xdotool("mousemove", str(x), str(y))
        time.sleep(0.1)
        xdotool("click", "1")
        if not wait_for(lambda: focused() == character, 5, None):
            fault("the clicked character did not get the keyboard")
        xdotool("key", "Escape")
        if app.wait_exit() != 0:
            fail("%s: the program ended with %d" % (name, app.proc.returncode))
        if "places X11 windows itself" in app.output():
            fault("the program thinks the manager placed the character itself")
        print("%s under %s" % ("faults" if any(f.startswith(name + ":") for f in faults) else "ok",
                               name))
    finally:
        app.cleanup(keep=False)
        term.terminate()
        term.wait()


def main():
    binary = sys.argv[1]
    scratch = tempfile.mkdtemp(prefix="sanpo-e2e-desktops-")
    try:
        tried = 0
        faults = []
        only = os.environ.get("SANPO_E2E_WMS", "").split()
        for wm in window_managers(scratch):
            program = next(w for w in wm if w != "env" and "=" not in w)
            if only and program not in only:
                continue
            if not shutil.which(program):
                print("skipped: %s is not installed" % program)
                continue
            with PrivateDisplay(wm=["dbus-run-session", "--", *wm]):
                check_desktop(binary, wm, scratch, faults)
            tried += 1
        if faults:
            fail("\n".join(faults))
        if tried == 0:
            print("no window manager to try")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
