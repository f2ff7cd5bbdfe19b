"""Helpers for driving the real sanpo under an X server from outside."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

DATA_FILE = "jouhou.mrdt"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
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

    def path(self, name):
        return os.path.join(self.workdir, name)

    def start(self):
        self.proc = subprocess.Popen([self.binary, *self.args], cwd=self.workdir, env=self.env,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return self

    def window(self, timeout=10):
        """The character's window, once it is mapped."""
        def find():
            if self.proc.poll() is not None:
                fail("the program ended with %d before showing its window: %s" %
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
        return self.proc.stdout.read() if self.proc and self.proc.stdout else ""

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
