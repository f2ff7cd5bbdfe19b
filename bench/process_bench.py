"""Whole-process figures under Xvfb, side by side with oneko in the same run.

For each program: a fresh Xvfb, the program started, a settling time, then a
measured window of N seconds in which the CPU time of the program and of the
X server are read from /proc (schedstat, nanoseconds). Also the resident
memory after start-up and, for sanpo, the time from start to its first drawn
frame (its window mapped at the character's size).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))


def cpu_ns(pid):
    with open("/proc/%d/schedstat" % pid) as f:
        return int(f.read().split()[0])


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


class Xvfb:
    def __init__(self):
        for n in range(150, 200):
            if not os.path.exists("/tmp/.X%d-lock" % n):
                break
        self.display = ":%d" % n
        self.proc = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x800x24",
                                      "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        for _ in range(100):
            if subprocess.run(["xdpyinfo", "-display", self.display], capture_output=True).returncode == 0:
                return
            time.sleep(0.05)
        raise SystemExit("Xvfb did not start")

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def data_file(path, talk_interval):
    lines = [b"VER011", "あなた".encode("cp932"), b" 1 ", b" 1 ", b" 1 ", b" 1 ", b" 0 ",
             (" %d " % talk_interval).encode(), b" 0 ", b" 0 ", b" 600 ", b" 339 ", b" 100 ",
             b" 11 ", b"", b"", b" 11 "] + [b""] * 21 + [b"", b"", b" 0 ", b""] * 200
    with open(path, "wb") as f:
        f.write(b"".join(l + b"\r\n" for l in lines))


def first_frame_ms(env, pid, started):
    while time.monotonic() - started < 10:
        out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                              "^sanpo$"], capture_output=True, text=True, env=env).stdout.split()
        if out:
            geo = subprocess.run(["xdotool", "getwindowgeometry", out[0]], capture_output=True,
                                 text=True, env=env).stdout
            if "80x12" in geo:
                return (time.monotonic() - started) * 1000
        time.sleep(0.005)
    return float("nan")


def measure(name, argv, seconds, settle, workdir=None, setup=None):
    x = Xvfb()
    env = dict(os.environ, DISPLAY=x.display)
    try:
        started = time.monotonic()
        proc = subprocess.Popen(argv, cwd=workdir, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        frame = first_frame_ms(env, proc.pid, started) if name.startswith("sanpo") else None
        if setup:
            setup(env, proc)
        time.sleep(settle)
        rss = rss_kb(proc.pid)
        p0, x0, t0 = cpu_ns(proc.pid), cpu_ns(x.proc.pid), time.monotonic()
        time.sleep(seconds)
        p1, x1, t1 = cpu_ns(proc.pid), cpu_ns(x.proc.pid), time.monotonic()
        proc.terminate()
        proc.wait()
        wall = t1 - t0
        return {"name": name, "cpu": (p1 - p0) / 1e9 / wall * 100, "x": (x1 - x0) / 1e9 / wall * 100,
                "rss": rss / 1024, "frame": frame}
    finally:
        x.stop()


def main():
    sanpo = os.path.abspath(sys.argv[1])
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60
    results = []
    work = tempfile.mkdtemp(prefix="sanpo-bench-")
    try:
        # Walking and talking: a normal start (greeting with a balloon), then a
        # line every minute.
        data_file(os.path.join(work, "jouhou.mrdt"), 1)
        results.append(measure("sanpo walking", [sanpo], seconds, 2, work))
        results.append(measure("oneko", [shutil.which("oneko") or "/usr/games/oneko"], seconds, 2))
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("\n%-16s %12s %14s %10s %14s" % ("program", "CPU %", "X server CPU %", "RSS MB",
                                          "first frame ms"))
    for r in results:
        frame = "%.0f" % r["frame"] if r["frame"] is not None else "-"
        print("%-16s %12.3f %14.3f %10.1f %14s" % (r["name"], r["cpu"], r["x"], r["rss"], frame))
    s, o = results[0], results[1]
    print("\nratios (sanpo / oneko): CPU %.2f, X server CPU %.2f" %
          (s["cpu"] / o["cpu"] if o["cpu"] else float("inf"),
           s["x"] / o["x"] if o["x"] else float("inf")))


if __name__ == "__main__":
    main()
