"""Start-up and quitting of the real program: the data file from outside."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import Sanpo, fail, wait_for  # noqa: E402


def expected_first_run(width, height):
    lines = [b"VER011", "あなた".encode("cp932")]
    lines += [b" 1 ", b" 1 ", b" 1 ", b" 1 ", b" 0 ", b" 5 ", b" 0 ", b" 0 "]
    lines += [(" %d " % (width // 2 - 40)).encode(), (" %d " % (height // 2 - 61)).encode()]
    lines += [b" 100 ", b" 31 ", b"", b"", b" 11 "]
    lines += [b""] * 21
    lines += [b"", b"", b" 0 ", b""] * 200
    return b"".join(line + b"\r\n" for line in lines)


def main():
    binary = sys.argv[1]
    first = Sanpo(binary).start()
    try:
        first.window()
        first.press_escape()
        code = first.wait_exit()
        if code != 0:
            fail("the program ended with %d: %s" % (code, first.output()))
        data = first.read_data_file()
        if data != expected_first_run(1280, 800):
            fail("the first run wrote an unexpected data file:\n%r" % data[:400])
        print("first run: data file holds the first-run values")

        # A second start with the character pinned: it does not move, so
        # quitting writes back exactly what was read.
        lines = data.split(b"\r\n")
        lines[9] = b" 1 "
        pinned = b"\r\n".join(lines)
        with open(first.path("jouhou.mrdt"), "wb") as f:
            f.write(pinned)
        second = Sanpo(binary, workdir=first.workdir).start()
        second.window()
        time.sleep(2)
        second.press_escape()
        code = second.wait_exit()
        if code != 0:
            fail("the second run ended with %d" % code)
        if second.read_data_file() != pinned:
            fail("quitting a pinned mascot changed the data file")
        print("second run: the data file is byte-identical")
    finally:
        first.cleanup(keep=False)


if __name__ == "__main__":
    main()
