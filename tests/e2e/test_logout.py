"""A logout through a real X session manager (xsm, driven through its own
buttons): the program saves when the session asks and ends when it is told
to, keeping the articles fetched since it started."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import (DATA_FILE, FeedServer, PrivateDisplay, Sanpo, data_file_lines,  # noqa: E402
                       fail, rss, wait_for, window_geometry, write_data_file, xdotool)


def main():
    binary = sys.argv[1]
    home = tempfile.mkdtemp(prefix="sanpo-xsm-")
    told = os.path.join(home, "session-manager")
    # xsm starts these commands with the session's address in the environment.
    with open(os.path.join(home, ".xsmstartup"), "w") as f:
        f.write("sh -c 'echo \"$SESSION_MANAGER\" > %s'\n" % told)
    server = FeedServer({"/f": rss("f", ["logout-article"])})
    app = None
    try:
        with PrivateDisplay():
            xsm = subprocess.Popen(["xsm"], env=dict(os.environ, HOME=home),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                address = wait_for(lambda: os.path.exists(told) and open(told).read().strip(),
                                   20, "the session manager")
                app = Sanpo(binary, env={"SESSION_MANAGER": address,
                                         "ICEAUTHORITY": os.path.join(home, ".ICEauthority")})
                write_data_file(app.path(DATA_FILE),
                                data_file_lines([("f", server.url("/f"))], auto_fetch=1))
                app.start()
                app.window()
                wait_for(lambda: "/f" in server.served, 15, "the start-up update")
                time.sleep(1)

                # Shutdown > With Checkpoint, a session name, Shutdown.
                main_window = xdotool("search", "--name", "^xsm: ").split()[0]
                xdotool("windowmove", main_window, "50", "50")
                time.sleep(0.5)
                x, y, _, _ = window_geometry(main_window)
                xdotool("mousemove", str(x + 140), str(y + 48))
                xdotool("mousedown", "1")
                time.sleep(0.5)
                xdotool("mousemove", str(x + 150), str(y + 70))
                time.sleep(0.3)
                xdotool("mouseup", "1")
                dialog = wait_for(lambda: xdotool("search", "--name", "^Shutdown$",
                                                  check=False).split(), 10, "xsm's dialog")[0]
                dx, dy, _, _ = window_geometry(dialog)
                xdotool("mousemove", str(dx + 170), str(dy + 18))
                xdotool("click", "1")
                xdotool("type", "s1")
                xdotool("mousemove", str(dx + 48), str(dy + 136))
                xdotool("click", "1")

                code = app.wait_exit(20)
                if code != 0:
                    fail("the logout ended the program with %d:\n%s" % (code, app.output()))
                if b"logout-article" not in app.read_data_file():
                    fail("after the logout the data file lacks the fetched article")
                print("logout: the program saved and ended with 0")
            finally:
                xsm.terminate()
                xsm.wait()
        app.cleanup(keep=False)
        app = None
    finally:
        if app:
            app.cleanup(keep=True)
        server.close()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
