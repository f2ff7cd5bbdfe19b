"""Helpers for driving the real sanpo under an X server from outside."""

import http.server
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

DATA_FILE = "jouhou.mrdt"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(predicate, timeout, what):
    """The first true value of predicate(); when timeout seconds pass without
    one, fails naming `what`, or returns None when `what` is None."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    if what is None:
        return None
    fail("timed out waiting for " + what)


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        fail("xdotool %s: %s" % (" ".join(args), result.stderr.strip()))
    return result.stdout.strip()


def window_geometry(window_id):
    """Returns (x, y, width, height) of a window in screen pixels."""
    out = subprocess.run(["xwininfo", "-id", window_id], capture_output=True, text=True,
                         timeout=20).stdout
    values = {}
    for line in out.splitlines():
        line = line.strip()
        for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
            if line.startswith(key + ":"):
                values[key] = int(line.split(":")[1])
    return (values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"],
            values["Height"])


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], check=True, timeout=30)


class Sanpo:
    """The program running in its own temporary working directory."""

    def __init__(self, binary, workdir=None, env=None, args=()):
        """`env` adds to this process's environment; a value of None removes
        that variable."""
        self.binary = binary
        self.args = list(args)
        self.owndir = workdir is None
        self.workdir = workdir or tempfile.mkdtemp(prefix="sanpo-e2e-")
        self.env = dict(os.environ)
        for key, value in (env or {}).items():
            if value is None:
                self.env.pop(key, None)
            else:
                self.env[key] = value
        self.proc = None
        self.lines = []
        self.reader = None

    def path(self, name):
        return os.path.join(self.workdir, name)

    def start(self):
        self.proc = subprocess.Popen([self.binary, *self.args], cwd=self.workdir, env=self.env,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        # Read as it comes, so a full pipe never stalls the program and a test
        # can wait for a line while it runs.
        self.lines = []
        self.reader = threading.Thread(target=self._read, args=(self.proc.stdout, self.lines),
                                       daemon=True)
        self.reader.start()
        return self

    @staticmethod
    def _read(stream, lines):
        for line in stream:
            lines.append(line)

    def window(self, timeout=10):
        """The character's window, once it is mapped."""
        def find():
            if self.proc.poll() is not None:
                fail("the program ended with %d before its window showed:\n%s" %
                     (self.proc.returncode, self.output()))
            out = xdotool("search", "--all", "--onlyvisible", "--pid", str(self.proc.pid), "--name",
                          "^sanpo$", check=False)
            return out.split()[0] if out else None
        return wait_for(find, timeout, "the character's window")

    def press_escape(self):
        win = self.window()
        xdotool("windowfocus", "--sync", win, check=False)
        xdotool("key", "--clearmodifiers", "Escape")

    def wait_exit(self, timeout=10):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            fail("the program did not end")

    def output(self):
        """What the program printed so far (all of it once it has ended)."""
        if self.reader and self.proc.poll() is not None:
            self.reader.join(timeout=5)
        return "".join(self.lines)

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def cleanup(self, keep):
        self.stop()
        if self.owndir and not keep:
            shutil.rmtree(self.workdir, ignore_errors=True)

    def read_data_file(self):
        with open(self.path(DATA_FILE), "rb") as f:
            return f.read()


def find_window(app, title, timeout=5):
    """The visible window of the program with exactly this title."""
    def find():
        out = xdotool("search", "--all", "--onlyvisible", "--pid", str(app.proc.pid), "--name",
                      "^%s$" % title, check=False).split()
        return out[0] if out else None
    return wait_for(find, timeout, "the window " + title)


def wait_closed(app, title, timeout=5):
    """Returns once no window of the program with this title is visible."""
    def closed():
        return not xdotool("search", "--all", "--onlyvisible", "--pid", str(app.proc.pid),
                           "--name", "^%s$" % title, check=False).split()
    wait_for(closed, timeout, "the window %s to close" % title)


def balloon(app, visible=True, timeout=5):
    """The balloon's window once it shows, or None once it has closed."""
    if visible:
        return find_window(app, "sanpo balloon", timeout)
    wait_closed(app, "sanpo balloon", timeout)
    return None


def click_choice(app, index_from_bottom):
    """Clicks the choice `index_from_bottom` (0 = the lowest) of the balloon."""
    win = balloon(app)
    x, y, w, h = window_geometry(win)
    # Choices are 17 px high, 21 px apart, the lowest 6 px above the bottom
    # plus its own height (twips 90 + 255 + i * 315, over 15).
    cy = y + h - 6 - 17 - index_from_bottom * 21 + 8
    xdotool("mousemove", str(x + 20), str(cy))
    # As a person clicks: after the choice was seen. A press sooner after new
    # choices appear than the double-click interval is taken as part of the
    # click before and runs nothing.
    time.sleep(0.5)
    xdotool("click", "1")


def grab(path, geometry):
    """A screenshot of one screen rectangle, saved at path; returns its bytes."""
    x, y, w, h = geometry
    screenshot(path)
    subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path],
                   check=True, timeout=30)
    with open(path, "rb") as f:
        return f.read()


def gray_pixels(path, geometry=None):
    """(width, height, bytes) of an image file or a rectangle of it, one
    grey byte per pixel."""
    args = ["convert", path]
    if geometry:
        x, y, w, h = geometry
        args += ["-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage"]
    size = subprocess.run(["convert", path] + args[2:] + ["-format", "%w %h", "info:"],
                          check=True, capture_output=True, text=True, timeout=30).stdout.split()
    raw = subprocess.run(args + ["-colorspace", "gray", "-depth", "8", "gray:-"], check=True,
                         capture_output=True, timeout=30).stdout
    return int(size[0]), int(size[1]), raw


def rendered_text(text, path, pixels=16):
    """text as the balloon draws it (black Mincho on white, cut to its ink),
    rendered by ImageMagick into path; returns gray_pixels of it."""
    font = subprocess.run(["fc-match", "-f", "%{file}", "IPAMincho"], check=True,
                          capture_output=True, text=True, timeout=30).stdout
    subprocess.run(["convert", "-background", "white", "-fill", "black", "-font", font,
                    "-pointsize", str(pixels), "-density", "72", "label:" + text, "-trim",
                    "+repage", path], check=True, timeout=30)
    return gray_pixels(path)


def character_spot(window, scratch):
    """A screen point on the character that a click can hit: the drawn pixel
    farthest from any pixel that lets clicks through (the sprite's
    transparent pixels show the black root window), so that a step of the
    walking character between looking and clicking still lands on it."""
    for _ in range(10):
        x, y, w, h = window_geometry(window)
        screenshot(scratch)
        if window_geometry(window) == (x, y, w, h):
            break
    else:
        fail("the character never stood still for a screenshot")
    _, _, pix = gray_pixels(scratch, (x, y, w, h))
    # Chessboard distance to the nearest clear pixel, in two passes.
    far = w + h
    depth = [0 if pix[i] < 24 else far for i in range(w * h)]
    for row in range(h):
        for col in range(w):
            i = row * w + col
            if depth[i]:
                up = depth[i - w] if row else 0
                left = depth[i - 1] if col else 0
                up_left = depth[i - w - 1] if row and col else 0
                up_right = depth[i - w + 1] if row and col < w - 1 else 0
                depth[i] = min(depth[i], 1 + min(up, left, up_left, up_right))
    for row in range(h - 1, -1, -1):
        for col in range(w - 1, -1, -1):
            i = row * w + col
            if depth[i]:
                down = depth[i + w] if row < h - 1 else 0
                right = depth[i + 1] if col < w - 1 else 0
                down_right = depth[i + w + 1] if row < h - 1 and col < w - 1 else 0
                down_left = depth[i + w - 1] if row < h - 1 and col else 0
                depth[i] = min(depth[i], 1 + min(down, right, down_right, down_left))
    best = max(range(w * h), key=lambda i: depth[i])
    if depth[best] == 0:
        fail("the character's window shows nothing")
    return x + best % w, y + best // w


def text_match(screen, area, text, scratch):
    """How well text, rendered apart, matches the best place inside a screen
    rectangle: the normalised cross-correlation, 1.0 for the same picture.
    screen is a screenshot file, scratch a file name to render into."""
    tw, th, tpix = rendered_text(text, scratch)
    aw, ah, apix = gray_pixels(screen, area)
    n = tw * th
    mean = sum(tpix) / n
    template = [v - mean for v in tpix]
    tnorm = math.sqrt(sum(v * v for v in template))
    best = 0.0
    for y in range(ah - th + 1):
        for x in range(aw - tw + 1):
            window = []
            for row in range(th):
                start = (y + row) * aw + x
                window.extend(apix[start:start + tw])
            wsum = sum(window)
            wnorm = math.sqrt(max(sum(v * v for v in window) - wsum * wsum / n, 0.0))
            if wnorm == 0 or tnorm == 0:
                continue
            score = sum(a * b for a, b in zip(window, template)) / (wnorm * tnorm)
            best = max(best, score)
    return best


def dark_rows(path, geometry, threshold=100):
    """Which pixel rows of a screen rectangle hold ink (a pixel darker than
    threshold in every channel): a list of booleans, top row first. The
    screen is read into path."""
    x, y, w, h = geometry
    screenshot(path)
    raw = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True,
                         timeout=30).stdout
    rows = []
    for row in range(h):
        line = raw[row * w * 3:(row + 1) * w * 3]
        rows.append(any(max(line[i:i + 3]) < threshold for i in range(0, len(line), 3)))
    return rows


def bands(rows):
    """The runs of consecutive True entries: a list of (first, length)."""
    runs = []
    start = None
    for i, ink in enumerate(rows + [False]):
        if ink and start is None:
            start = i
        elif not ink and start is not None:
            runs.append((start, i - start))
            start = None
    return runs


def start_xvfb(width=1280, height=800):
    """Starts an Xvfb on a display number it picks itself and writes to a
    pipe, so that servers starting in parallel never race for one. Returns
    the process and ":N", or "" for the display when none would start."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0",
         "%dx%dx24" % (width, height), "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    return xvfb, (":" + number if number else "")


class PrivateDisplay:
    """An X server of the test's own, with a window manager on it (openbox
    unless `wm` names another command line), so that a window manager's
    placement and focus rules apply and nothing else running on the machine
    is disturbed. Sets DISPLAY for this process and everything it starts
    afterwards."""

    def __init__(self, width=1280, height=800, wm=("openbox", "--sm-disable")):
        self.size = (width, height)
        self.wm_command = list(wm)
        self.xvfb = None
        self.wm = None
        self.previous = os.environ.get("DISPLAY")

    def __enter__(self):
        self.xvfb, display = start_xvfb(*self.size)
        if not display:
            self.__exit__(None, None, None)
            fail("Xvfb did not start")
        os.environ["DISPLAY"] = display
        # A session of its own, so that the window manager goes with everything
        # it started (a D-Bus session, helpers).
        self.wm = subprocess.Popen(self.wm_command, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)

        def managed():
            if self.wm.poll() is not None:
                fail("%s ended at start" % self.wm_command[0])
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                 capture_output=True, text=True, timeout=20).stdout
            return "window id" in out
        wait_for(managed, 20, self.wm_command[0] + " to manage the display")
        return self

    def __exit__(self, *exc):
        if self.wm:
            try:
                os.killpg(self.wm.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for proc in (self.wm, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        if self.previous is None:
            os.environ.pop("DISPLAY", None)
        else:
            os.environ["DISPLAY"] = self.previous
        return False


def rss(prefix, titles, links=None):
    """An RSS 2.0 document with one item per title."""
    links = links or ["http://127.0.0.1/%s/%d" % (prefix, i) for i in range(len(titles))]
    items = "".join("<item><title>%s</title><link>%s</link></item>" % (t, link)
                    for t, link in zip(titles, links))
    return ('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel>'
            "<title>%s</title>%s</channel></rss>" % (prefix, items)).encode("utf-8")


class FeedServer:
    """Serves documents (path -> bytes, may be added to while it runs) on
    127.0.0.1 at a free port and records the paths it answered. With a
    `gate` (threading.Event) every answer waits until the gate is set;
    `asked` lists the paths asked for so far."""

    def __init__(self, documents=None, gate=None):
        documents = dict(documents or {})
        served = []
        asked = []
        self.documents = documents
        self.served = served
        self.asked = asked
        self.gate = gate

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                asked.append(self.path)
                if gate is not None:
                    gate.wait(120)  # answers held back until the test opens the gate
                body = documents.get(self.path)
                if body is None:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Type", "application/rss+xml")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
                served.append(self.path)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def url(self, path):
        return "http://127.0.0.1:%d%s" % (self.port, path)

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class EndlessFeedServer:
    """A hostile feed server on 127.0.0.1: every answer is a body that never
    ends, sent as fast as the connection takes it. The path names the kind:
    /chunked (chunked transfer coding), /close (no length: the body would end
    with the connection) or /gzip (an endless gzip stream, chunked). `sent`
    counts the body bytes written, over all answers, `sent_by_kind` per kind."""

    KINDS = ("chunked", "close", "gzip")

    def __init__(self):
        import socketserver
        import zlib
        self.sent = 0
        self.sent_by_kind = {kind: 0 for kind in self.KINDS}
        server = self
        piece = b"<item><title>endless</title><link>http://127.0.0.1/x</link></item>" * 1000

        class Handler(socketserver.BaseRequestHandler):
            def handle(self):
                try:
                    data = b""
                    while b"\r\n\r\n" not in data:
                        more = self.request.recv(4096)
                        if not more:
                            return
                        data += more
                    kind = data.split(b" ")[1].decode().strip("/")
                    head = b"HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\n"
                    if kind == "close":
                        head += b"Connection: close\r\n\r\n"
                    else:
                        head += b"Transfer-Encoding: chunked\r\n"
                        if kind == "gzip":
                            head += b"Content-Encoding: gzip\r\n"
                        head += b"\r\n"
                    packer = zlib.compressobj(6, zlib.DEFLATED, 31)
                    body = (b'<?xml version="1.0"?><rss version="2.0"><channel>'
                            b"<title>endless</title>")
                    while True:
                        if kind == "gzip":
                            body = packer.compress(body) + packer.flush(zlib.Z_SYNC_FLUSH)
                        if kind != "close":
                            body = b"%x\r\n%s\r\n" % (len(body), body)
                        self.request.sendall(head + body)
                        head = b""
                        server.sent += len(body)
                        server.sent_by_kind[kind] = server.sent_by_kind.get(kind, 0) + len(body)
                        body = piece * 10 if kind == "gzip" else piece
                except OSError:
                    return

        self.httpd = socketserver.ThreadingTCPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def url(self, kind):
        return "http://127.0.0.1:%d/%s" % (self.port, kind)

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def data_file_lines(feeds=(), auto_fetch=0, pos=(600, 339), pinned=0):
    """The lines of a data file for a normal start (no introduction): the
    given feeds (name, address) registered, nothing stored yet."""
    lines = [b"VER011", "あなた".encode("cp932"), b" 1 ", b" 1 ", b" 1 ", b" 1 ", b" 0 ",
             b" 5 ", (" %d " % auto_fetch).encode(), (" %d " % pinned).encode(),
             (" %d " % pos[0]).encode(), (" %d " % pos[1]).encode(), b" 100 ", b" 31 ", b"",
             b"", b" 11 "]
    for slot in range(10):
        name, url = feeds[slot] if slot < len(feeds) else ("", "")
        lines += [name.encode("cp932"), url.encode()]
    lines += [b""] + [b"", b"", b" 0 ", b""] * 200
    return lines


def write_data_file(path, lines):
    with open(path, "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in lines))


def peak_memory_mb(pid):
    """The process's peak resident memory so far (VmHWM), in MB."""
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0
