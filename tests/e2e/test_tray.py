"""The tray icon under a real XEmbed tray (tint2) with a window manager: a
left click hides and shows the mascot, a fullscreen window puts it away
until it leaves fullscreen, the menu writes and removes the start at login
as the file says, and its quit saves like Esc."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import DATA_FILE, PrivateDisplay, Sanpo, fail, wait_for, xdotool  # noqa: E402

TINT2RC = """panel_items = S
panel_size = 100% 30
panel_position = bottom center horizontal
systray_icon_size = 24
systray_padding = 0 4 2
"""


def parent(window):
    out = subprocess.run(["xwininfo", "-id", window, "-children"], capture_output=True,
                         text=True, timeout=20).stdout
    for line in out.splitlines():
        if line.strip().startswith("Parent window id:"):
            return str(int(line.split(":")[1].split()[0], 16))
    return None


def inside(window, ancestor):
    for _ in range(8):
        window = parent(window)
        if window is None or window == "0":
            return False
        if window == ancestor:
            return True
    return False


def program_windows(app, visible, name=None):
    args = ["search", "--all", "--pid", str(app.proc.pid)]
    if visible:
        args.append("--onlyvisible")
    if name:
        args += ["--name", name]
    return xdotool(*args, check=False).split()


def icon_and_character(app, tray):
    """The icon's window (embedded in the tray) and the character's."""
    def find():
        icon = [w for w in program_windows(app, False) if inside(w, tray)]
        others = [w for w in program_windows(app, True, "^sanpo$") if not inside(w, tray)]
        return (icon[0], others[0]) if icon and others else None
    return wait_for(find, 30, "the tray icon and the character")


def shown(window):
    out = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                         timeout=20).stdout
    return "IsViewable" in out


def wait_shown(window, want, what):
    wait_for(lambda: shown(window) == want, 10, what)


def click(window, button):
    xdotool("mousemove", "--window", window, "11", "11")
    xdotool("click", button)


def menu_entry(app, icon, tray, ups):
    """Opens the icon's menu and takes the entry `ups` up from its top,
    which wraps to the bottom: 1 is the last entry."""
    before = program_windows(app, True)
    click(icon, "3")
    wait_for(lambda: any(not inside(w, tray) and w not in before
                         for w in program_windows(app, True)), 10, "the menu")
    time.sleep(0.3)
    for _ in range(ups):
        xdotool("key", "Up")
    xdotool("key", "Return")
    time.sleep(0.5)


def validate(entry):
    result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True,
                            timeout=30)
    if result.returncode != 0 or result.stdout.strip():
        fail("desktop-file-validate %s: %s%s" % (entry, result.stdout, result.stderr))


def main():
    binary = sys.argv[1]
    top = tempfile.mkdtemp(prefix="sanpo-tray-")
    rc = os.path.join(top, "tint2rc")
    with open(rc, "w") as f:
        f.write(TINT2RC)
    config = os.path.join(top, "config")
    entry = os.path.join(config, "autostart", "sanpo.desktop")
    tint2 = xterm = app = None
    try:
        with PrivateDisplay():
            tint2 = subprocess.Popen(["tint2", "-c", rc], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            tray = wait_for(lambda: xdotool("search", "--onlyvisible", "--name", "^tint2$",
                                            check=False).split(), 20, "tint2's panel")[0]
            app = Sanpo(binary, env={"HOME": top, "XDG_CONFIG_HOME": config}).start()
            icon, character = icon_and_character(app, tray)
            print("the icon sits in tint2's tray")

            click(icon, "1")
            wait_shown(character, False, "a left click to hide the character")
            if any(not inside(w, tray) for w in program_windows(app, True)):
                fail("a window of the mascot still shows after hiding")
            time.sleep(1)  # two clicks in quick succession are one double click
            click(icon, "1")
            wait_shown(character, True, "a second left click to show it again")
            print("left click: hidden, and back")

            xterm = subprocess.Popen(["xterm", "-fullscreen"], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            wait_shown(character, False, "the character to make way for a fullscreen window")
            term = xdotool("search", "--sync", "--pid", str(xterm.pid))
            subprocess.run(["wmctrl", "-i", "-r", term, "-b", "remove,fullscreen"], timeout=20)
            wait_shown(character, True, "the character back when fullscreen ends")
            subprocess.run(["wmctrl", "-i", "-r", term, "-b", "add,fullscreen"], timeout=20)
            wait_shown(character, False, "the character away again")
            # Closed while it has the focus: openbox leaves the root's note of
            # the focused window as it was.
            xterm.kill()
            xterm.wait()
            wait_shown(character, True, "the character back when the window closes")
            print("fullscreen window: away while it lasts, back when it ends or closes")

            menu_entry(app, icon, tray, 2)
            wait_for(lambda: os.path.isfile(entry), 10, "the autostart entry")
            validate(entry)
            os.remove(entry)  # by hand: the menu must read the file, not remember
            menu_entry(app, icon, tray, 2)
            wait_for(lambda: os.path.isfile(entry), 10, "the entry written again")
            menu_entry(app, icon, tray, 2)
            wait_for(lambda: not os.path.isfile(entry), 10, "the entry removed")
            print("start at login: written (valid), removed by hand, written, removed")

            menu_entry(app, icon, tray, 1)
            code = app.wait_exit()
            if code != 0 or not os.path.isfile(app.path(DATA_FILE)):
                fail("quit from the tray ended with %d, data file %s" %
                     (code, "saved" if os.path.isfile(app.path(DATA_FILE)) else "missing"))
            print("quit from the tray: saved and ended")
    finally:
        for proc in (xterm, tint2):
            if proc and proc.poll() is None:
                proc.kill()
                proc.wait()
        if app:
            app.cleanup(keep=False)
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    main()
