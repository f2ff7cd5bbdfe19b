"""A new user's first minutes with the real program: the introduction
clicked through, the menu, a drag, and quitting from the menu."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (Sanpo, balloon, click_choice, fail, screenshot, wait_for,  # noqa: E402
                       window_geometry, xdotool)


def main():
    binary = sys.argv[1]
    out = os.environ.get("SANPO_E2E_OUT", "/tmp")
    app = Sanpo(binary).start()
    ok = False
    try:
        win = app.window()
        balloon(app)
        time.sleep(0.5)  # mapped and placed
        for step in range(11):
            balloon(app)
            click_choice(app, 0)
            time.sleep(0.3)
        wait_for(lambda: os.path.exists(app.path("jouhou.mrdt")), 5, "the data file")
        balloon(app, visible=False)
        print("introduction: eleven steps clicked, data file written")

        # The character walks now: it is pinned by a right click during a drag
        # so that it stays where the test can find it.
        x, y, w, h = window_geometry(win)
        xdotool("mousemove", str(x + 40), str(y + 80))
        xdotool("mousedown", "1")
        xdotool("mousemove", str(x + 140), str(y + 130))
        time.sleep(0.2)
        xdotool("click", "3")
        time.sleep(0.3)
        xdotool("mouseup", "1")
        time.sleep(0.3)
        nx, ny, _, _ = window_geometry(win)
        if abs(nx - (x + 100)) > 12 or abs(ny - (y + 50)) > 12:
            fail("the drag moved the character from (%d, %d) to (%d, %d)" % (x, y, nx, ny))
        print("drag: the character followed the pointer and stays pinned")

        # A right click opens the menu: a 3000 x 2400 twips balloon.
        time.sleep(0.5)
        px, py, _, _ = window_geometry(win)
        time.sleep(0.5)
        qx, qy, _, _ = window_geometry(win)
        if (px, py) != (qx, qy):
            fail("the pinned character still walks")
        xdotool("mousemove", str(qx + 40), str(qy + 80))
        xdotool("click", "3")
        menu = balloon(app)
        _, _, mw, mh = window_geometry(menu)
        if (mw, mh) != (200, 160):
            fail("the menu balloon is %dx%d, not 200x160" % (mw, mh))
        print("menu: opened by a right click, 200 x 160 pixels")

        click_choice(app, 1)  # 終了する
        time.sleep(0.5)
        click_choice(app, 1)  # はい (the second choice)
        code = app.wait_exit(10)
        if code != 0:
            fail("the program ended with %d" % code)
        data = app.read_data_file().split(b"\r\n")
        if data[9] != b" 1 ":
            fail("the pin was not saved: line 10 is %r" % data[9])
        print("quit from the menu: the data file holds the pinned character")
        ok = True
    finally:
        if not ok:
            try:
                screenshot(os.path.join(out, "sanpo-e2e-handling-failure.png"))
            except Exception:  # the X server may be gone
                pass
        app.cleanup(keep=not ok)


if __name__ == "__main__":
    main()
