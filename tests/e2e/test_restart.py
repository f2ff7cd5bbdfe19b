"""What a restart keeps, with the real program under a window manager.

Ten feeds of 25 items on a local server list more articles than the store
holds. The first run fetches them at start-up; the user has then read every
stored article (the read marks are set in the data file); the second run
fetches the same feeds again and must bring nothing back as new. In the
second run the alarm panel, opened on a stored alarm, shows its time, and OK
alone keeps it."""

import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, FeedServer, PrivateDisplay, Sanpo, balloon,  # noqa: E402
                       character_spot, click_choice, fail, find_window, screenshot, text_match,
                       wait_closed, wait_for, window_geometry, xdotool)

FEEDS = 10
ITEMS = 25
ALARM = "0730"
MENU_ALARM = 4  # counted from the lowest choice


def feed_document(feed):
    items = "".join("<item><title>フィード%d の記事%d</title><link>http://127.0.0.1/%d/%d</link>"
                    "</item>" % (feed, n, feed, n) for n in range(ITEMS))
    return ('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel>'
            "<title>feed %d</title>%s</channel></rss>" % (feed, items)).encode("utf-8")


def data_file(server):
    lines = ["VER011", "テスター"]
    # sound, time signal, chatter, normal talk, feed talk, talk interval,
    # autoFetchMode (5 minutes: an update at start-up), pinned, posX, posY,
    # scale, walk interval
    lines += [" 0 ", " 0 ", " 0 ", " 1 ", " 0 ", " 10 ", " 1 ", " 1 ", " 600 ", " 300 ",
              " 100 ", " 31 "]
    lines += ["", ALARM, " 0 "]  # browser, alarm, character
    for slot in range(10):
        lines += ["フィード%d" % slot, server.url("/feed%d.xml" % slot)]
    lines.append("")  # lastFetchText
    for _ in range(200):
        lines += ["", "", " 0 ", ""]
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def read_lines(app):
    data = app.read_data_file()
    lines = data[:-2].decode("cp932").split("\r\n")
    if len(lines) != 838:
        fail("the data file has %d lines" % len(lines))
    return lines


def articles(lines):
    """(title, read mark) of the stored articles."""
    return [(lines[38 + 4 * i], lines[40 + 4 * i].strip()) for i in range(200)
            if lines[38 + 4 * i]]


def run_update(app, server, served_before, out):
    app.start()
    app.window(timeout=20)
    wait_for(lambda: len(server.served) >= served_before + FEEDS, 60, "the feeds to be fetched")
    # The start-up update says its end line when the documents are read.
    balloon(app, visible=False, timeout=40)
    screenshot(os.path.join(out, "restart-after-update.png"))


def alarm_ok(app, out):
    """Opens the alarm panel from the menu and presses OK alone."""
    x, y = character_spot(app.window(), os.path.join(out, "restart-character.png"))
    xdotool("mousemove", str(x), str(y))
    xdotool("click", "3")
    balloon(app)
    time.sleep(0.6)
    click_choice(app, MENU_ALARM)
    panel = find_window(app, "アラーム")
    time.sleep(0.6)
    px, py, _, _ = window_geometry(panel)
    screenshot(os.path.join(out, "restart-alarm-panel.png"))
    xdotool("mousemove", str(px + 8 + 48), str(py + 136 + 8))  # OK
    time.sleep(0.3)
    xdotool("click", "1")
    wait_closed(app, "アラーム")
    said = balloon(app)
    time.sleep(0.3)
    shot = os.path.join(out, "restart-alarm-said.png")
    screenshot(shot)
    bx, by, bw, _ = window_geometry(said)
    score = text_match(shot, (bx + 2, by + 4, bw - 4, 44), "07時30分になったら",
                       os.path.join(out, "restart-text.png"))
    if score < 0.95:
        fail("the character did not confirm 07:30 (best match %.2f)" % score)


def main():
    binary = os.path.abspath(sys.argv[1])
    out = tempfile.mkdtemp(prefix="sanpo-e2e-restart-")
    server = FeedServer({"/feed%d.xml" % f: feed_document(f) for f in range(FEEDS)})
    workdir = tempfile.mkdtemp(prefix="sanpo-e2e-restart-work-")
    app = None
    ok = False
    try:
        with PrivateDisplay():
            app = Sanpo(binary, workdir=workdir)  # on this display
            try:
                with open(app.path(DATA_FILE), "wb") as f:
                    f.write(data_file(server))
                run_update(app, server, 0, out)
                app.press_escape()
                app.wait_exit(15)
                lines = read_lines(app)
                stored = articles(lines)
                if len(stored) != 200 or any(read != "0" for _, read in stored):
                    fail("after the first update: %d articles, %d unread" %
                         (len(stored), sum(read == "0" for _, read in stored)))
                print("first run: 250 listed, the store holds 200 unread")

                # The user reads everything.
                for i in range(200):
                    lines[40 + 4 * i] = " 1 "
                with open(app.path(DATA_FILE), "wb") as f:
                    f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))

                run_update(app, server, FEEDS, out)
                alarm_ok(app, out)
                app.press_escape()
                app.wait_exit(15)
                lines = read_lines(app)
                again = articles(lines)
                unread = sum(read == "0" for _, read in again)
                if unread or [t for t, _ in again] != [t for t, _ in stored]:
                    fail("after the second update %d of %d articles are unread" %
                         (unread, len(again)))
                print("second run: the same feeds again, 0 of 200 unread")
                if lines[15] != ALARM:
                    fail("OK on the alarm panel stored %r over %s" % (lines[15], ALARM))
                print("alarm: the panel showed the stored time, OK kept %s" % ALARM)
                ok = True
            finally:
                app.stop()
    finally:
        server.close()
        if ok:
            shutil.rmtree(out, ignore_errors=True)
            shutil.rmtree(workdir, ignore_errors=True)
        else:
            print("screenshots: %s, working folder: %s" % (out, workdir), file=sys.stderr)
            if app:
                print("program output:\n" + app.output(), file=sys.stderr)


if __name__ == "__main__":
    main()
