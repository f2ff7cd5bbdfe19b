"""The settings panel through the real program: a new master name and a new
character, confirmed with OK, reach the data file and the screen."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (Sanpo, balloon, click_choice, fail, find_window, grab,  # noqa: E402
                       screenshot, window_geometry, xdotool)
from test_startup import expected_first_run  # noqa: E402


def main():
    binary = sys.argv[1]
    out = os.environ.get("SANPO_E2E_OUT", "/tmp")
    app = Sanpo(binary)
    lines = expected_first_run(1280, 800).split(b"\r\n")
    lines[9] = b" 1 "  # pinned: it stays where the test looks
    with open(app.path("jouhou.mrdt"), "wb") as f:
        f.write(b"\r\n".join(lines))
    app.start()
    ok = False
    try:
        win = app.window()
        time.sleep(0.5)
        x, y, w, h = window_geometry(win)
        before = grab(os.path.join(app.workdir, "before.png"), (x, y, w, h))
        xdotool("mousemove", str(x + 40), str(y + 80))
        xdotool("click", "3")  # ends the greeting pause and closes the greeting
        time.sleep(0.6)  # sooner, it would be the second press of a double-click
        xdotool("click", "3")  # opens the menu
        balloon(app)
        time.sleep(0.3)
        click_choice(app, 2)  # 設定変更する
        panel = find_window(app, "設定")
        time.sleep(0.5)
        px, py, _, _ = window_geometry(panel)
        xdotool("mousemove", str(px + 8 + 40), str(py + 48 + 9))
        xdotool("click", "1")
        time.sleep(0.2)
        xdotool("key", "--clearmodifiers", "ctrl+a")
        xdotool("type", "--delay", "50", "Hanako")
        time.sleep(0.3)
        # The character list: one entry up from Ilvenne is Lumeo.
        xdotool("mousemove", str(px + 8 + 40), str(py + 280 + 10))
        xdotool("click", "1")
        time.sleep(0.5)
        xdotool("key", "Up")
        time.sleep(0.2)
        xdotool("key", "Return")
        time.sleep(0.3)
        xdotool("mousemove", str(px + 328 + 30), str(py + 352 + 8))
        xdotool("click", "1")
        time.sleep(0.8)
        data = app.read_data_file().split(b"\r\n")
        if data[1] != b"Hanako":
            fail("line 2 holds %r, not the new name" % data[1])
        if data[16] != b" 10 ":
            fail("line 17 holds %r, not the new character" % data[16])
        nx, ny, nw, nh = window_geometry(win)
        if (nx, ny) != (x, y):
            fail("the character moved from (%d, %d) to (%d, %d)" % (x, y, nx, ny))
        after = grab(os.path.join(app.workdir, "after.png"), (nx, ny, nw, nh))
        if after == before:
            fail("the screen still shows the old character")
        print("settings: name and character saved on OK, the new character drawn in place")
        app.press_escape()
        app.wait_exit()
        ok = True
    finally:
        if not ok:
            try:
                screenshot(os.path.join(out, "sanpo-e2e-settings-failure.png"))
            except Exception:
                pass
        app.cleanup(keep=not ok)


if __name__ == "__main__":
    main()
