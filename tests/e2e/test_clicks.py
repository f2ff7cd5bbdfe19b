"""Double-clicks and the keyboard as a new user uses them, under a window
manager: a double-click runs one choice, also when the next balloon puts a
choice under the pointer, and Esc quits from the alarm panel and after a
click on the balloon."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, PrivateDisplay, Sanpo, balloon, fail,  # noqa: E402
                       find_window, screenshot, wait_for, window_geometry, xdotool)
from test_startup import expected_first_run  # noqa: E402

WIDTH, HEIGHT = 1280, 800


def choice_point(app, index_from_bottom):
    """A point on a choice of the balloon (0 = the lowest)."""
    x, y, _, h = window_geometry(balloon(app))
    return x + 20, y + h - 6 - 17 - index_from_bottom * 21 + 8


def double_click(x, y):
    xdotool("mousemove", str(x), str(y))
    time.sleep(0.6)  # seen by a person, who then double-clicks
    xdotool("click", "--repeat", "2", "--delay", "90", "1")


def single_click(x, y):
    xdotool("mousemove", str(x), str(y))
    time.sleep(0.6)
    xdotool("click", "1")


def introduction(app):
    """Eleven steps: a double-click on the first "次へ" moves on by one, so
    ten more single clicks are needed to finish."""
    app.window()
    balloon(app)
    time.sleep(0.5)
    double_click(*choice_point(app, 0))
    for step in range(9):
        single_click(*choice_point(app, 0))
    time.sleep(0.8)
    if os.path.exists(app.path(DATA_FILE)):
        fail("a double-click on 次へ skipped a step of the introduction")
    single_click(*choice_point(app, 0))
    wait_for(lambda: os.path.exists(app.path(DATA_FILE)), 10, "the end of the introduction")
    print("introduction: a double-click on 次へ moved on one step")


def at_the_bottom_edge(workdir):
    lines = expected_first_run(WIDTH, HEIGHT).split(b"\r\n")
    lines[9] = b" 1 "  # pinned: it stays where the test looks
    lines[11] = b" %d " % (HEIGHT - 122)
    with open(os.path.join(workdir, DATA_FILE), "wb") as f:
        f.write(b"\r\n".join(lines))


def open_menu(app, greeting_up=False):
    x, y, _, _ = window_geometry(app.window())
    xdotool("mousemove", str(x + 40), str(y + 80))
    time.sleep(0.2)
    if greeting_up:
        xdotool("click", "3")  # closes the greeting
        balloon(app, visible=False)
        time.sleep(0.3)
    xdotool("click", "3")
    menu = balloon(app)
    wait_for(lambda: window_geometry(menu)[2:] == (200, 160), 5, "the menu")
    return menu


def quit_is_confirmed_by_a_click_of_its_own(app):
    menu = open_menu(app, greeting_up=True)
    double_click(*choice_point(app, 1))  # 終了する; はい comes under the pointer
    wait_for(lambda: window_geometry(menu)[2:] == (200, 100), 5, "the quit question")
    time.sleep(1.0)
    if app.proc.poll() is not None:
        fail("a double-click on 終了する ended the program unconfirmed")
    single_click(*choice_point(app, 0))  # いいえ
    balloon(app, visible=False)
    print("quit: a double-click on 終了する only asks")


def esc_from_the_alarm_panel(app):
    open_menu(app)
    single_click(*choice_point(app, 4))  # アラーム
    find_window(app, "アラーム")
    time.sleep(0.5)
    xdotool("key", "Escape")  # to whatever has the keyboard: the panel
    code = app.wait_exit(10)
    if code != 0:
        fail("the program ended with %d" % code)
    print("Esc: the alarm panel has the keyboard, and Esc saved and quit")


def esc_after_a_click_on_the_balloon(binary):
    """A first start: the user clicks 次へ, then presses Esc without having
    touched the character; the balloon took the keyboard with the click."""
    app = Sanpo(binary).start()
    try:
        app.window()
        balloon(app)
        time.sleep(0.5)
        single_click(*choice_point(app, 0))
        time.sleep(0.5)
        xdotool("key", "Escape")
        code = app.wait_exit(10)
        if code != 0:
            fail("the program ended with %d" % code)
        if not os.path.exists(app.path(DATA_FILE)):
            fail("Esc after a click on the balloon did not save")
        print("Esc: a click on the balloon gave it the keyboard, and Esc saved and quit")
    finally:
        app.cleanup(keep=False)


def main():
    binary = sys.argv[1]
    out = os.environ.get("SANPO_E2E_OUT", "/tmp")
    with PrivateDisplay(WIDTH, HEIGHT):
        app = Sanpo(binary).start()
        ok = False
        try:
            introduction(app)
            app.press_escape()
            app.wait_exit(10)
            at_the_bottom_edge(app.workdir)
            app.start()
            quit_is_confirmed_by_a_click_of_its_own(app)
            saved = os.stat(app.path(DATA_FILE)).st_mtime_ns
            esc_from_the_alarm_panel(app)
            if os.stat(app.path(DATA_FILE)).st_mtime_ns == saved:
                fail("Esc did not save")
            esc_after_a_click_on_the_balloon(binary)
            ok = True
        finally:
            if not ok:
                try:
                    screenshot(os.path.join(out, "sanpo-e2e-clicks-failure.png"))
                except Exception:  # the X server may be gone
                    pass
            app.cleanup(keep=not ok)


if __name__ == "__main__":
    main()
