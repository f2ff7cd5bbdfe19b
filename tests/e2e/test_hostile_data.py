"""Hand-made and hostile data files with the real program: absurd texts,
another encoding, a full disk and a folder that takes no new file."""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import DATA_FILE, PrivateDisplay, Sanpo, balloon, fail  # noqa: E402


def data_file(name, titles=(), talk_interval=b" 5 ", encoding="cp932"):
    lines = [b"VER011", name.encode(encoding)]
    lines += [b" 1 ", b" 1 ", b" 1 ", b" 1 ", b" 0 ", talk_interval, b" 0 ", b" 1 "]
    lines += [b" 600 ", b" 339 ", b" 100 ", b" 31 ", b"", b"", b" 4 "]
    lines += [b""] * 21
    for i in range(200):
        title = titles[i].encode(encoding) if i < len(titles) else b""
        lines += [title, b"", b" 0 ", b""]
    return b"".join(line + b"\r\n" for line in lines)


def lines_of(data):
    return data.split(b"\r\n")[:-1]


def run_and_quit(binary, workdir):
    """Starts, waits for the greeting, quits with Esc; returns the exit code."""
    app = Sanpo(binary, workdir=workdir).start()
    try:
        app.window(timeout=15)
        balloon(app, timeout=15)
        app.press_escape()
        return app.wait_exit(timeout=10)
    finally:
        app.stop()


def absurd_texts(binary):
    workdir = tempfile.mkdtemp(prefix="sanpo-e2e-")
    original = data_file("a" * 1_000_000, titles=["t" * 1_000_000] * 3)
    with open(os.path.join(workdir, DATA_FILE), "wb") as f:
        f.write(original)
    if run_and_quit(binary, workdir) != 0:
        fail("the program did not end cleanly with a 1,000,000-letter name")
    saved = lines_of(open(os.path.join(workdir, DATA_FILE), "rb").read())
    if len(saved) != 838 or saved[1] != b"a" * 32767 or saved[38] != b"t" * 2000:
        fail("the texts were not cut to what their fields take")
    if open(os.path.join(workdir, DATA_FILE + ".bak"), "rb").read() != original:
        fail("the original with its long texts was not kept")
    print("absurd texts: Esc answered, texts cut, original kept")
    shutil.rmtree(workdir)


def other_encoding(binary):
    workdir = tempfile.mkdtemp(prefix="sanpo-e2e-")
    original = data_file("太郎", titles=["Café – déjà vu"], encoding="utf-8")
    with open(os.path.join(workdir, DATA_FILE), "wb") as f:
        f.write(original)
    if run_and_quit(binary, workdir) != 0:
        fail("the program did not end cleanly with a UTF-8 data file")
    saved = lines_of(open(os.path.join(workdir, DATA_FILE), "rb").read())
    if saved[1] != "太郎".encode("cp932"):
        fail("the UTF-8 name was not read as UTF-8: %r" % saved[1])
    if open(os.path.join(workdir, DATA_FILE + ".bak"), "rb").read() != original:
        fail("the UTF-8 original was not kept before the rewrite")
    print("UTF-8 file: read as such, kept as .bak, rewritten in code page 932")
    shutil.rmtree(workdir)


def mounted(options):
    """A fresh tmpfs of its own, or None where mounting is not allowed."""
    where = tempfile.mkdtemp(prefix="sanpo-e2e-fs-")
    done = subprocess.run(["mount", "-t", "tmpfs", "-o", options, "tmpfs", where],
                          capture_output=True)
    return where if done.returncode == 0 else None


def small_folders(binary):
    # A hand-spaced number ("   7") makes a complete file that a save changes.
    edited = data_file("太郎", talk_interval=b"   7")
    for what, options, fill in (("a full disk", "size=1m", True),
                                ("a folder that takes no new file", "size=1m,nr_inodes=2", False)):
        where = mounted(options)
        if where is None:
            print("skipped %s: cannot mount a tmpfs here" % what)
            return
        try:
            with open(os.path.join(where, DATA_FILE), "wb") as f:
                f.write(edited)
            if fill:
                subprocess.run(["dd", "if=/dev/zero", "of=" + os.path.join(where, "filler"),
                                "bs=4k"], capture_output=True)
            if run_and_quit(binary, where) != 0:
                fail("the program did not end cleanly on %s" % what)
            saved = lines_of(open(os.path.join(where, DATA_FILE), "rb").read())
            if len(saved) != 838 or saved[7] != b" 7 " or saved[1] != "太郎".encode("cp932"):
                fail("%s: the data file was not saved in place: %r" % (what, saved[:9]))
            print("%s: saved in place" % what)

            # A damaged file there cannot be kept beside the new one: it
            # stays as it was, whole.
            damaged = edited[:2000]
            with open(os.path.join(where, DATA_FILE), "wb") as f:
                f.write(damaged)
            if fill:
                subprocess.run(["dd", "if=/dev/zero", "of=" + os.path.join(where, "filler2"),
                                "bs=4k"], capture_output=True)
            if run_and_quit(binary, where) != 0:
                fail("the program did not end cleanly on %s" % what)
            if open(os.path.join(where, DATA_FILE), "rb").read() != damaged:
                fail("%s: the damaged file was replaced without a copy" % what)
            print("%s: a damaged file stays whole" % what)
        finally:
            subprocess.run(["umount", where])
            os.rmdir(where)


def main():
    binary = sys.argv[1]
    with PrivateDisplay():
        absurd_texts(binary)
        other_encoding(binary)
        small_folders(binary)


if __name__ == "__main__":
    main()
