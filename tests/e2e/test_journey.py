"""A whole journey with the real program under a window manager: a first start
in an empty folder, the introduction, walking, the menu, the settings (name,
character, time signal, a feed on a local server, the browser), the feed
panel opening an article in the browser, an alarm that rings, quitting from
the menu, and a second start that greets the user by the new name. At the end
the data file is read line by line."""

import os
import shutil
import stat
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, FeedServer, PrivateDisplay, Sanpo, balloon,  # noqa: E402
                       bands, character_spot, click_choice, dark_rows, fail, find_window, grab,
                       rss, screenshot, text_match, wait_closed, wait_for, window_geometry,
                       xdotool)

SCREEN = (1280, 800)
MASTER = "Hanako"
FEED_NAME = "sanpo news"
FEED_PATH = "/news.xml"
TITLES = ["散歩道に新しいベンチ", "公園の桜が満開"]
CHARACTER_ENTRY = 10  # one entry up from the first-run character

# Main-menu choices, counted from the lowest.
MENU_QUIT, MENU_SETTINGS, MENU_FEEDS, MENU_ALARM = 1, 2, 3, 4
CONFIRM_YES = 1


class Shots:
    """Numbered screenshots of every step, kept only when the test fails."""

    def __init__(self, root):
        self.folder = tempfile.mkdtemp(prefix="sanpo-e2e-journey-", dir=root)
        self.count = 0

    def take(self, name):
        self.count += 1
        path = os.path.join(self.folder, "%02d-%s.png" % (self.count, name))
        try:
            screenshot(path)
        except Exception:  # the X server may be gone after a failure
            pass
        return path

    def path(self, name):
        return os.path.join(self.folder, name)

    def take_window(self, name, window):
        """A screenshot and the window's place in it: the place is read
        before and after, so a walking character's balloon is where the
        picture shows it."""
        for _ in range(10):
            before = window_geometry(window)
            shot = self.take(name)
            if window_geometry(window) == before:
                return shot, before
        fail("the window %s never stood still for a screenshot" % window)

    def text_score(self, shot, geometry, text, lines):
        x, y, w, _ = geometry
        area = (x + 2, y + 4, w - 4, 4 + 20 * lines)
        return text_match(shot, area, text, self.path("text.png"))

    def expect_text(self, shot, geometry, text, lines=2):
        """The first lines of a balloon show text, drawn in the balloon's font."""
        score = self.text_score(shot, geometry, text, lines)
        if score < 0.95:
            fail("%s does not show %r (best match %.2f)" % (os.path.basename(shot), text, score))

    def expect_no_text(self, shot, geometry, text, lines=2):
        score = self.text_score(shot, geometry, text, lines)
        if score > 0.8:
            fail("%s shows %r (match %.2f)" % (os.path.basename(shot), text, score))


def write_script(path, body):
    with open(path, "w") as f:
        f.write("#!/bin/sh\n" + body)
    os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)


def settled(window):
    """The window's geometry once it has stopped moving."""
    last = [None]

    def still():
        now = window_geometry(window)
        same = now == last[0]
        last[0] = now
        if not same:
            time.sleep(0.2)
        return now if same else None
    return wait_for(still, 10, "the window %s to settle" % window)


def click(x, y, button="1"):
    xdotool("mousemove", str(x), str(y))
    time.sleep(0.1)
    xdotool("click", button)


def type_into(x, y, text):
    """Clicks a text box, selects what it holds and types text over it."""
    click(x, y)
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "30", text)


def right_click_character(app, shots):
    x, y = character_spot(app.window(), shots.path("character.png"))
    click(x, y, "3")


def open_menu(app, shots, prompt):
    """A right click on the character opens the menu with the character's
    question."""
    # Whatever the character is saying closes on its own first (a right
    # click would close it instead of opening the menu).
    balloon(app, visible=False, timeout=20)
    right_click_character(app, shots)
    menu = balloon(app)
    wait_for(lambda: window_geometry(menu)[2:] == (200, 160), 5, "the menu balloon's size")
    shots.expect_text(*shots.take_window("menu", menu), prompt, lines=1)


def text_area(geometry, bottom_margin):
    """The part of the balloon above its choices."""
    x, y, w, h = geometry
    return (x + 4, y + 4, w - 8, h - 8 - bottom_margin)


def introduction(app, shots):
    app.window()
    for step in range(11):
        geometry = window_geometry(balloon(app))
        area = text_area(geometry, 32)
        before = grab(shots.path("intro.png"), area)
        if step == 0:
            shot, geometry = shots.take_window("introduction", balloon(app))
            shots.expect_text(shot, geometry, "こんにちは。")
        click_choice(app, 0)
        if step < 10:
            # The next line replaces the text; the choice's hover colour is
            # below the compared part.
            wait_for(lambda: grab(shots.path("intro.png"), area) != before, 10,
                     "introduction step %d" % (step + 2))
    wait_for(lambda: os.path.exists(app.path(DATA_FILE)), 10,
             "the data file after the introduction")
    balloon(app, visible=False)
    shots.take("introduction-done")
    print("introduction: eleven steps clicked through, the data file was written")


def walks(app, shots):
    start = window_geometry(app.window())[:2]
    wait_for(lambda: window_geometry(app.window())[:2] != start, 20, "the character to walk")
    shots.take("walking")
    print("walking: the character's window moved from %r to %r" %
          (start, window_geometry(app.window())[:2]))


def settings(app, shots, feed_url, browser):
    open_menu(app, shots, "何か用ですか？")
    click_choice(app, MENU_SETTINGS)
    panel = find_window(app, "設定")
    px, py, pw, ph = settled(panel)
    if (pw, ph) != (409, 385):
        fail("the settings panel is %dx%d, not 409x385" % (pw, ph))
    type_into(px + 8 + 40, py + 48 + 9, MASTER)
    click(px + 8 + 8, py + 144 + 8)  # 時報 off: no announcement cuts into the journey
    # The character list: one entry up from the first-run character.
    click(px + 8 + 40, py + 280 + 10)
    time.sleep(0.5)
    xdotool("key", "Up")
    xdotool("key", "Return")
    type_into(px + 216 + 40, py + 184 + 9, FEED_NAME)
    type_into(px + 216 + 40, py + 224 + 9, feed_url)
    click(px + 344 + 24, py + 264 + 8)  # 追加
    type_into(px + 216 + 40, py + 304 + 9, browser)
    shots.take("settings-filled")
    click(px + 328 + 32, py + 352 + 8)  # OK

    def saved():
        lines = app.read_data_file().split(b"\r\n")
        return lines[1] == MASTER.encode("cp932") and lines[16] == b" %d " % CHARACTER_ENTRY
    wait_for(saved, 10, "OK to save the new name and character")
    wait_closed(app, "設定")
    shots.take("settings-saved")
    print("settings: name, character, feed and browser saved on OK")


def feed_panel(app, shots, server, links, record):
    # The new character asks in its own words.
    open_menu(app, shots, "どうしたの？")
    click_choice(app, MENU_FEEDS)
    panel = find_window(app, "RSS")
    px, py, pw, ph = settled(panel)
    if (pw, ph) != (409, 321):
        fail("the feed panel is %dx%d, not 409x321" % (pw, ph))
    list_area = (px + 8 + 2, py + 72 + 2, 393 - 4, 212 - 4)
    if bands(dark_rows(shots.path("list.png"), list_area)):
        fail("the article list is not empty before the first update")
    click(px + 8 + 40, py + 288 + 8)  # RSS更新
    wait_for(lambda: FEED_PATH in server.served, 20, "the feed to be downloaded")
    px, py, _, _ = window_geometry(panel)
    list_area = (px + 8 + 2, py + 72 + 2, 393 - 4, 212 - 4)

    def rows():
        found = bands(dark_rows(shots.path("list.png"), list_area))
        return found if len(found) == 2 else None
    found = wait_for(rows, 20, "two articles in the list")
    shots.take("feed-articles")
    # Each line starts with its two-character read mark: blank while unread.
    top, height = found[0]
    mark = (list_area[0], list_area[1] + top, 12, height)
    if any(dark_rows(shots.path("mark.png"), mark)):
        fail("the first article is marked read before it was opened")
    click(list_area[0] + 80, list_area[1] + top + height // 2)
    px, py, _, _ = window_geometry(panel)
    click(px + 224 + 40, py + 288 + 8)  # 記事参照
    wait_for(lambda: os.path.exists(record) and open(record).read().strip(), 15,
             "the browser to be started")
    wait_for(lambda: any(dark_rows(shots.path("mark.png"), mark)), 10,
             "the opened article to be marked read")
    with open(record) as f:
        opened = f.read().splitlines()
    if opened != [links[0]]:
        fail("the browser was started with %r, not [%r]" % (opened, links[0]))
    shots.take("feed-opened")
    print("feed panel: two articles arrived, the first opened the browser with its link")
    px, py, _, _ = window_geometry(panel)
    click(px + 320 + 40, py + 288 + 8)  # OK
    wait_closed(app, "RSS")


def alarm(app, shots, sound):
    open_menu(app, shots, "どうしたの？")
    click_choice(app, MENU_ALARM)
    panel = find_window(app, "アラーム")
    px, py, pw, ph = settled(panel)
    if (pw, ph) != (115, 161):
        fail("the alarm panel is %dx%d, not 115x161" % (pw, ph))
    # The next minute, or the one after when this one is nearly over: the
    # alarm does not ring while its panel is open.
    now = time.time()
    lead = 60 if 60 - time.localtime(now).tm_sec >= 15 else 120
    target = time.localtime(now + lead)
    hhnn = "%02d%02d" % (target.tm_hour, target.tm_min)
    type_into(px + 8 + 20, py + 48 + 19, hhnn[:2])
    type_into(px + 64 + 20, py + 48 + 19, hhnn[2:])
    click(px + 8 + 24, py + 112 + 8)  # ON
    shots.take("alarm-set")
    click(px + 8 + 48, py + 136 + 8)  # OK
    wait_closed(app, "アラーム")
    # The second line wraps after its time.
    shots.expect_text(*shots.take_window("alarm-acknowledged", balloon(app)),
                      "%s時%s分になったら" % (hhnn[:2], hhnn[2:]))
    print("alarm: set for %s:%s" % (hhnn[:2], hhnn[2:]))

    def rang():
        return ("sound %s stays silent" % sound) in app.output()
    wait_for(rang, lead + 30, "the alarm sound at %s" % hhnn)
    rang_at = time.strftime("%H%M")
    if rang_at != hhnn:
        fail("the alarm sounded at %s, not at %s" % (rang_at, hhnn))
    shot, geometry = shots.take_window("alarm-rang", balloon(app))
    shots.expect_text(shot, geometry, MASTER + "さん、")
    shots.expect_text(shot, geometry, "時間になりました。")
    print("alarm: rang at %s with its sound, calling %s by name" % (rang_at, MASTER))
    return hhnn


def quit_from_menu(app, shots):
    # The alarm's balloon closes after its seconds, then the menu opens.
    open_menu(app, shots, "どうしたの？")
    click_choice(app, MENU_QUIT)
    wait_for(lambda: window_geometry(balloon(app))[2:] == (200, 100), 5, "the quit question")
    shot, geometry = shots.take_window("quit-question", balloon(app))
    shots.expect_text(shot, geometry, "終了するよ？", lines=1)
    click_choice(app, CONFIRM_YES)
    code = app.wait_exit(15)
    if code != 0:
        fail("the program ended with %d: %s" % (code, app.output()))
    print("quit: はい ended the program")


def second_start(app, shots):
    win = app.window()
    greeting = balloon(app, timeout=10)
    start = window_geometry(win)[:2]
    shot, geometry = shots.take_window("greeting", greeting)
    # The pause lasts five changes of the clock's seconds after the greeting
    # appeared: well within it, the character stands where it appeared.
    deadline = time.monotonic() + 1.5
    while time.monotonic() < deadline:
        if window_geometry(win)[:2] != start:
            fail("the character walked during the greeting pause")
        time.sleep(0.1)
    wait_for(lambda: window_geometry(win)[:2] != start, 20, "the walk after the pause")
    shots.take("walking-again")
    if geometry[2] != 280:
        fail("the greeting balloon is %d wide, not 280" % geometry[2])
    shots.expect_text(shot, geometry, MASTER, lines=1)
    shots.expect_no_text(shot, geometry, "あなた", lines=1)
    print("second start: greeted %s, stood still for the pause, then walked" % MASTER)
    app.press_escape()
    code = app.wait_exit(15)
    if code != 0:
        fail("the second run ended with %d" % code)


def check_data_file(path, browser, alarm_time, feed_url, links):
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        fail("the data file does not end with CR LF")
    lines = data[:-2].decode("cp932").split("\r\n")
    if len(lines) != 838:
        fail("the data file has %d lines, not 838" % len(lines))

    def expect(number, value, what):
        if lines[number - 1] != value:
            fail("line %d (%s) holds %r, not %r" % (number, what, lines[number - 1], value))

    expect(1, "VER011", "format tag")
    expect(2, MASTER, "master name")
    for number, value, what in [(3, 1, "sound"), (4, 0, "time signal"), (5, 1, "chatter"),
                                (6, 1, "normal talk"), (7, 0, "feed talk"),
                                (8, 5, "talk interval"), (9, 0, "automatic fetch"),
                                (10, 0, "pinned"), (13, 100, "scale"),
                                (14, 31, "walk interval"), (17, CHARACTER_ENTRY, "character")]:
        expect(number, " %d " % value, what)
    for number, limit in [(11, SCREEN[0] - 80), (12, SCREEN[1] - 122)]:
        text = lines[number - 1]
        if not (text.startswith(" ") and text.endswith(" ") and text.strip().isdigit() and
                0 <= int(text) <= limit):
            fail("line %d (position) holds %r" % (number, text))
    expect(15, browser, "browser")
    expect(16, alarm_time, "alarm time")
    expect(18, FEED_NAME, "feed 1 name")
    expect(19, feed_url, "feed 1 address")
    for number in range(20, 38):
        expect(number, "", "free feed slot")
    if not any(c.isdigit() for c in lines[37]):
        fail("line 38 (last fetch) holds %r" % lines[37])
    for slot in range(1, 201):
        base = 39 + 4 * (slot - 1)
        got = lines[base - 1:base + 3]
        if slot <= len(TITLES):
            read = " 1 " if slot == 1 else " 0 "
            wanted = [TITLES[slot - 1], links[slot - 1], read, feed_url]
        else:
            wanted = ["", "", " 0 ", ""]
        if got != wanted:
            fail("article slot %d (lines %d-%d) holds %r, not %r" %
                 (slot, base, base + 3, got, wanted))
    print("data file: every one of the 838 lines holds what the journey set")


def main():
    binary = os.path.abspath(sys.argv[1])
    root = os.environ.get("SANPO_E2E_OUT") or tempfile.gettempdir()
    shots = Shots(root)
    workdir = tempfile.mkdtemp(prefix="sanpo-e2e-journey-work-")
    tools = tempfile.mkdtemp(prefix="sanpo-e2e-journey-tools-")
    record = os.path.join(tools, "opened.txt")
    browser = os.path.join(tools, "fake-browser")
    write_script(browser, 'printf "%%s\\n" "$@" >> "%s"\n' % record)
    # Should the program fall back to the desktop's opener, that is recorded
    # as well (and no real browser starts).
    write_script(os.path.join(tools, "xdg-open"),
                 'printf "xdg-open %%s\\n" "$@" >> "%s"\n' % record)
    # Without a sound device (the test gives it none) the program says on
    # stderr which sound it was asked to play and could not.
    sound = ":/sounds/alarm.wav"
    env = {"PATH": tools + os.pathsep + os.environ.get("PATH", ""),
           "PULSE_SERVER": "unix:" + os.path.join(tools, "no-sound-server")}

    server = FeedServer()
    feed_url = server.url(FEED_PATH)
    links = [server.url("/articles/%d?from=sanpo" % i) for i in range(len(TITLES))]
    server.documents[FEED_PATH] = rss("news", TITLES, links)
    ok = False
    app = None
    try:
        with PrivateDisplay(*SCREEN):
            try:
                app = Sanpo(binary, workdir=workdir, env=env).start()
                introduction(app, shots)
                walks(app, shots)
                settings(app, shots, feed_url, browser)
                feed_panel(app, shots, server, links, record)
                alarm_time = alarm(app, shots, sound)
                quit_from_menu(app, shots)
                app = Sanpo(binary, workdir=workdir, env=env).start()
                second_start(app, shots)
                check_data_file(os.path.join(workdir, DATA_FILE), browser, alarm_time, feed_url,
                                links)
                ok = True
            finally:
                if not ok:
                    shots.take("failure")
                if app:
                    app.stop()
    finally:
        server.close()
        if ok:
            shutil.rmtree(shots.folder, ignore_errors=True)
            shutil.rmtree(workdir, ignore_errors=True)
        else:
            if app:
                print("program output:\n" + app.output(), file=sys.stderr)
            print("screenshots of the failed journey: " + shots.folder, file=sys.stderr)
            print("its working folder: " + workdir, file=sys.stderr)
        shutil.rmtree(tools, ignore_errors=True)


if __name__ == "__main__":
    main()
