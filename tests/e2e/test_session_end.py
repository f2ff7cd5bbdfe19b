"""The real program when the desktop session ends it, not the user: signals,
the X server going away, a window closed by the window manager, a second
start on the same folder, a run that crashed. The data file must keep what
the program had (here: the articles fetched since it started)."""

import os
import signal
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, FeedServer, PrivateDisplay, Sanpo, balloon,  # noqa: E402
                       data_file_lines, fail, rss, wait_for, write_data_file)


def started_with_articles(binary, server, name, held=None):
    """The program running with feed `name` fetched at start-up, its article
    in memory and not yet saved; with `held`, a second feed whose answer
    never comes before the end."""
    server.documents["/" + name] = rss(name, [name + "-article"])
    feeds = [(name, server.url("/" + name))]
    if held:
        feeds.append((held, server.url("/" + held)))
    app = Sanpo(binary)
    write_data_file(app.path(DATA_FILE), data_file_lines(feeds, auto_fetch=1))
    app.start()
    app.window()
    wait_for(lambda: "/" + name in server.served and (not held or "/" + held in server.asked), 15,
             "the start-up update of " + name)
    time.sleep(1)  # the answer crosses the loopback and is read
    return app


def expect_saved(app, name, code, why):
    got = app.wait_exit(15)
    if got != code:
        fail("%s: the program ended with %d, not %d:\n%s" % (why, got, code, app.output()))
    if (name + "-article").encode() not in app.read_data_file():
        fail("%s: the data file lacks the article fetched since start-up" % why)
    print("%s: ended with %d, the data file holds the fetched article" % (why, code))


def main():
    binary = sys.argv[1]
    gate = threading.Event()  # never set: held answers never come (the thread dies with us)
    server = FeedServer({}, gate=None)
    held = FeedServer({"/held": rss("held", ["never"])}, gate=gate)
    apps = []
    try:
        with PrivateDisplay():
            for number, name in ((signal.SIGTERM, "term"), (signal.SIGHUP, "hup"),
                                 (signal.SIGINT, "int")):
                app = started_with_articles(binary, server, name)
                apps.append(app)
                app.proc.send_signal(number)
                expect_saved(app, name, 0, signal.Signals(number).name)

            # One feed still hanging at the end: the other's articles are kept.
            app = Sanpo(binary)
            apps.append(app)
            write_data_file(app.path(DATA_FILE), data_file_lines(
                [("late", held.url("/held")), ("early", server.url("/early"))], auto_fetch=1))
            server.documents["/early"] = rss("early", ["early-article"])
            app.start()
            app.window()
            wait_for(lambda: "/early" in server.served and "/held" in held.asked, 15,
                     "both feeds asked, one answered")
            time.sleep(1)
            app.press_escape()
            expect_saved(app, "early", 0, "Esc while a feed hangs")

            # The window manager's close (what Alt+F4 does).
            app = started_with_articles(binary, server, "wmclose")
            apps.append(app)
            subprocess.run(["wmctrl", "-i", "-c", app.window()], check=True, timeout=20)
            expect_saved(app, "wmclose", 0, "window manager close")

            # A second start on the same folder hands over and leaves.
            first = started_with_articles(binary, server, "first")
            apps.append(first)
            balloon(first, visible=False, timeout=30)  # greeting and update said
            second = Sanpo(binary, workdir=first.workdir).start()
            apps.append(second)
            code = second.wait_exit(15)
            if code != 0:
                fail("the second start ended with %d:\n%s" % (code, second.output()))
            if first.proc.poll() is not None:
                fail("the running mascot ended when started again")
            balloon(first)  # it greets: the user sees where it is
            print("second start: handed over with 0; the running one speaks up")

            # A crash leaves the lock behind; the next start is not blocked.
            first.proc.kill()
            first.proc.wait()
            third = Sanpo(binary, workdir=first.workdir).start()
            apps.append(third)
            third.window()
            third.press_escape()
            if third.wait_exit(15) != 0:
                fail("the start after a crash did not run normally:\n%s" % third.output())
            print("after a crash: the next start runs")

        # The X server goes away under the program.
        display = PrivateDisplay()
        display.__enter__()
        try:
            app = started_with_articles(binary, server, "xgone")
            apps.append(app)
            display.xvfb.kill()
            got = app.wait_exit(15)
            if (b"xgone-article") not in app.read_data_file():
                fail("X server gone: the data file lacks the fetched article (exit %d)\n%s" %
                     (got, app.output()))
            print("X server gone: ended with %d, the data file holds the fetched article" % got)
        finally:
            display.__exit__(None, None, None)
        for app in apps:
            app.cleanup(keep=False)
        apps = []
    finally:
        for app in apps:
            app.cleanup(keep=True)
            print("kept " + app.workdir)
        server.close()
        held.close()


if __name__ == "__main__":
    main()
