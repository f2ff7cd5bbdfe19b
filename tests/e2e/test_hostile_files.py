"""The real program in a hostile working folder and against hostile feed
servers: a pipe or a link named tempnews.txt, a feed that never ends, a
sound file of a gigabyte. It must stay responsive, keep memory bounded,
write nothing through the link, and still read the feeds."""

import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, EndlessFeedServer, FeedServer, PrivateDisplay,  # noqa: E402
                       Sanpo, balloon, character_spot, data_file_lines, fail, peak_memory_mb,
                       rss, wait_for, write_data_file, xdotool)

MEMORY_BOUND_MB = 300  # the benchmark reports the figure; this only catches runaways


def run_until_read(app, server, path, endless=None):
    """Starts `app` with the feed at `path` (and the endless ones of
    `endless`) fetched at start-up, waits until they are read or given up,
    quits with Esc and returns the data file and the peak memory."""
    feeds = [(kind, endless.url(kind)) for kind in EndlessFeedServer.KINDS] if endless else []
    feeds.append(("news", server.url(path)))
    write_data_file(app.path(DATA_FILE), data_file_lines(feeds, auto_fetch=1))
    app.start()
    app.window()
    wait_for(lambda: path in server.served, 30, "the feed to be fetched")
    time.sleep(1)
    if endless:
        # Until every endless body has been given up on, the server sends.
        last = -1
        while endless.sent != last:
            last = endless.sent
            time.sleep(2)
    peak = peak_memory_mb(app.proc.pid)
    app.press_escape()
    code = app.wait_exit(15)
    if code != 0:
        fail("the program ended with %d:\n%s" % (code, app.output()))
    return app.read_data_file(), peak


def main():
    binary = sys.argv[1]
    server = FeedServer({"/feed": rss("feed", ["fresh-article"])})
    endless = EndlessFeedServer()
    apps = []
    try:
        with PrivateDisplay():
            # A pipe nobody reads: opening it for writing would wait for ever.
            app = Sanpo(binary)
            apps.append(app)
            os.mkfifo(app.path("tempnews.txt"))
            data, _ = run_until_read(app, server, "/feed")
            if b"fresh-article" not in data:
                fail("with a pipe named tempnews.txt the feed was not read")
            print("pipe named tempnews.txt: the feed was read, Esc answered")

            # A link to a file of the user's.
            app = Sanpo(binary)
            apps.append(app)
            precious = tempfile.NamedTemporaryFile(delete=False)
            precious.write(b"mine")
            precious.close()
            os.symlink(precious.name, app.path("tempnews.txt"))
            data, _ = run_until_read(app, server, "/feed")
            with open(precious.name, "rb") as f:
                kept = f.read()
            os.unlink(precious.name)
            if kept != b"mine":
                fail("the update wrote through the link named tempnews.txt")
            if b"fresh-article" not in data:
                fail("with a link named tempnews.txt the feed was not read")
            print("link named tempnews.txt: nothing written through it, the feed was read")

            # Feeds that never end, beside a good one: memory stays bounded
            # and the good one is read.
            app = Sanpo(binary)
            apps.append(app)
            data, peak = run_until_read(app, server, "/feed", endless)
            if b"fresh-article" not in data:
                fail("beside endless feeds the good feed was not read")
            if peak > MEMORY_BOUND_MB:
                fail("endless feeds drove memory to %.0f MB" % peak)
            print("endless feeds: %.0f MB sent, peak memory %.0f MB, the good feed read" %
                  (endless.sent / 1e6, peak))

            # A gigabyte "sound" (sparse: it costs no disk) stays silent.
            app = Sanpo(binary)
            apps.append(app)
            os.mkdir(app.path("SOUND"))
            with open(app.path("SOUND/poyo.wav"), "wb") as f:
                f.truncate(1 << 30)
            write_data_file(app.path(DATA_FILE), data_file_lines(pinned=1))
            app.start()
            win = app.window()
            balloon(app, visible=False, timeout=30)
            x, y = character_spot(win, os.path.join(app.workdir, "spot.png"))
            xdotool("mousemove", str(x), str(y))
            xdotool("click", "3")  # the menu, with its sound
            balloon(app)
            wait_for(lambda: "poyo.wav stays silent: larger" in app.output(), 10,
                     "the line about the sound")
            peak = peak_memory_mb(app.proc.pid)
            if peak > MEMORY_BOUND_MB:
                fail("a gigabyte sound file drove memory to %.0f MB" % peak)
            print("gigabyte sound: silent, one line said so (%s), peak memory %.0f MB" %
                  (app.output().strip().splitlines()[-1], peak))
        for app in apps:
            app.cleanup(keep=False)
        apps = []
    finally:
        for app in apps:
            app.cleanup(keep=True)
            print("kept " + app.workdir)
        server.close()
        endless.close()


if __name__ == "__main__":
    main()
