"""Memory and wake-up lateness of the whole program while feed servers send
bodies that never end, at loopback speed.

The program starts on a fresh Xvfb with three feeds registered: an endless
chunked body, an endless body without a length, and an endless gzip stream
(three runs, the worst reported).
The update at start-up fetches all three together; each download must give up
at the size cap. Reported: the peak resident memory (VmHWM) of the process
once all three have given up, next to a run without feeds, and the worst
lateness of the tick timer while the bodies were streaming.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from sanpo_e2e import (EndlessFeedServer, data_file_lines, peak_memory_mb,  # noqa: E402
                       start_xvfb, write_data_file)


RUNS = 3


def run(sanpo, server, settle):
    """Peak memory (MB) and worst lateness (ms, 0 when none noted) of one run."""
    work = tempfile.mkdtemp(prefix="sanpo-bench-")
    xvfb, display = start_xvfb()
    if not display:
        raise SystemExit("Xvfb did not start")
    try:
        feeds = [(kind, server.url(kind)) for kind in EndlessFeedServer.KINDS] if server else []
        write_data_file(os.path.join(work, "jouhou.mrdt"),
                        data_file_lines(feeds, auto_fetch=1 if server else 0))
        lateness = os.path.join(work, "lateness.log")
        env = dict(os.environ, DISPLAY=display, SANPO_LATENESS_FILE=lateness)
        proc = subprocess.Popen([sanpo], cwd=work, env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        started = time.monotonic()
        time.sleep(settle)
        if server:
            # Until the three bodies have been given up on, the server keeps
            # sending; once they have, it sends nothing more.
            last = -1
            while time.monotonic() - started < 60 and server.sent != last:
                last = server.sent
                time.sleep(2)
        peak = peak_memory_mb(proc.pid)
        proc.terminate()
        proc.wait()
        worst = 0
        if os.path.exists(lateness):
            with open(lateness) as f:
                worst = max((int(line.split()[1]) for line in f if line.strip()), default=0)
        return peak, worst, (dict(server.sent_by_kind) if server else {})
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


def main():
    sanpo = os.path.abspath(sys.argv[1])
    quiet, quiet_late, _ = run(sanpo, None, 4)
    runs = []
    for _ in range(RUNS):
        server = EndlessFeedServer()
        try:
            runs.append(run(sanpo, server, 4))
        finally:
            server.close()
    peak = max(r[0] for r in runs)
    late = max(r[1] for r in runs)
    sent = runs[0][2]
    print("\n%-34s %12s %12s" % ("run", "peak RSS MB", "late ms"))
    print("%-34s %12.1f %12s" % ("no feeds", quiet, quiet_late or "< 6"))
    print("%-34s %12.1f %12s" % ("3 endless feeds, worst of %d" % RUNS, peak, late or "< 6"))
    print("endless feeds: peak memory per run %s MB (target < 100); sent before the first "
          "run gave up: %s" % (", ".join("%.1f" % r[0] for r in runs),
                               ", ".join("%s %.1f MB" % (k, v / 1e6)
                                         for k, v in sorted(sent.items()))))


if __name__ == "__main__":
    main()
