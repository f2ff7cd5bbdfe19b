"""End to end: a normal start with two feeds on a local server and the
automatic update on runs the update after the greeting; after Esc the data
file holds the fetched articles in the order of the slots."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import FeedServer, fail, rss, wait_for  # noqa: E402

DATA_FILE = "jouhou.mrdt"
DATA_LINES = 838

FEEDS = {
    "/one.xml": rss("one", ["一番目の記事A", "一番目の記事B"]),
    "/two.xml": rss("two", ["二番目の記事A", "二番目の記事B"]),
}


def data_file(port):
    lines = ["VER011", "テスター"]
    # sound, time signal, chatter, normal talk, feed talk, talk interval,
    # autoFetchMode, pinned, posX, posY, scale, walk interval
    lines += [" 0 ", " 0 ", " 0 ", " 1 ", " 0 ", " 60 ", " 1 ", " 1 ", " 300 ", " 200 ",
              " 100 ", " 31 "]
    lines += ["", "", " 0 "]  # browser, alarm, character
    feeds = [("一番", "http://127.0.0.1:%d/one.xml" % port),
             ("二番", "http://127.0.0.1:%d/two.xml" % port)]
    for slot in range(10):
        name, url = feeds[slot] if slot < len(feeds) else ("", "")
        lines += [name, url]
    lines.append("")  # lastFetchText
    for _ in range(200):
        lines += ["", "", " 0 ", ""]
    assert len(lines) == DATA_LINES
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def main():
    binary = sys.argv[1]
    if not os.environ.get("DISPLAY"):
        fail("DISPLAY is not set")
    server = FeedServer(FEEDS)
    workdir = tempfile.mkdtemp(prefix="sanpo-e2e-feeds-")
    proc = None
    try:
        with open(os.path.join(workdir, DATA_FILE), "wb") as f:
            f.write(data_file(server.port))
        proc = subprocess.Popen([binary], cwd=workdir, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True)
        wait_for(lambda: len(server.served) >= 2, 30, "both feeds to be downloaded")
        # The documents are read as soon as the last answer is in; give the
        # program a moment to get there before asking it to quit.
        time.sleep(1.5)
        win = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(proc.pid), "--name", "^sanpo$"],
            capture_output=True, text=True, timeout=20).stdout.split(), 10, "the window")[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", win], timeout=20)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Escape"], timeout=20)
        try:
            proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("the program did not end after Esc")

        with open(os.path.join(workdir, DATA_FILE), "rb") as f:
            lines = f.read().decode("cp932").split("\r\n")
        if lines[37] == "":
            fail("the last-fetch time was not recorded")

        def article(i):
            base = 38 + 4 * (i - 1)
            return lines[base], lines[base + 1], lines[base + 2].strip(), lines[base + 3]

        port = server.port
        expected = [
            ("二番目の記事A", "http://127.0.0.1/two/0", "0", "http://127.0.0.1:%d/two.xml" % port),
            ("二番目の記事B", "http://127.0.0.1/two/1", "0", "http://127.0.0.1:%d/two.xml" % port),
            ("一番目の記事A", "http://127.0.0.1/one/0", "0", "http://127.0.0.1:%d/one.xml" % port),
            ("一番目の記事B", "http://127.0.0.1/one/1", "0", "http://127.0.0.1:%d/one.xml" % port),
        ]
        got = [article(i) for i in range(1, 6)]
        if got[:4] != expected or got[4][0] != "":
            fail("articles in the data file: %r" % (got,))
        print("ok: the update ran at start-up and its articles were saved in slot order")
    finally:
        if proc and proc.poll() is None:
            proc.kill()
            proc.wait()
        server.close()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
