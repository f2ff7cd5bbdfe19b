"""The installed program: `cmake --install` into a temporary prefix, the
desktop entry validated, and the installed binary started the way the entry
starts it, keeping its data in the user's data folder."""

import os
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import DATA_FILE, Sanpo, fail  # noqa: E402

ICON_SIZES = (48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        fail("%s is not a PNG picture" % path)
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    """The keys of the [Desktop Entry] group."""
    keys = {}
    group = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                keys[key.strip()] = value.strip()
    return keys


def install(cmake, build, prefix):
    result = subprocess.run([cmake, "--install", build, "--prefix", prefix], capture_output=True,
                            text=True, timeout=120)
    if result.returncode != 0:
        fail("cmake --install failed: %s%s" % (result.stdout, result.stderr))


def check_installed_files(prefix):
    binary = os.path.join(prefix, "bin", "sanpo")
    if not os.access(binary, os.X_OK):
        fail("no executable bin/sanpo in the prefix")
    entry = os.path.join(prefix, "share", "applications", "sanpo.desktop")
    if not os.path.isfile(entry):
        fail("no share/applications/sanpo.desktop in the prefix")
    result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True,
                            timeout=30)
    if result.returncode != 0 or result.stdout.strip() or result.stderr.strip():
        fail("desktop-file-validate: %s%s" % (result.stdout, result.stderr))
    for size in ICON_SIZES:
        icon = os.path.join(prefix, "share", "icons", "hicolor", "%dx%d" % (size, size), "apps",
                            "sanpo.png")
        if not os.path.isfile(icon):
            fail("no %dx%d icon in the prefix" % (size, size))
        if png_size(icon) != (size, size):
            fail("the %dx%d icon is %dx%d" % ((size, size) + png_size(icon)))
    print("installed: bin/sanpo, a valid desktop entry and %d icons" % len(ICON_SIZES))
    return binary, desktop_entry(entry)


def command_of(entry, prefix):
    """The command line of the entry's Exec key, its program found on a PATH
    that starts with the prefix's bin folder, as a desktop would find it."""
    if entry.get("Icon") != "sanpo":
        fail("the desktop entry's icon is %r, not the installed 'sanpo'" % entry.get("Icon"))
    words = shlex.split(entry.get("Exec", ""))
    if not words or any(w.startswith("%") for w in words):
        fail("unexpected Exec line %r" % entry.get("Exec"))
    path = os.path.join(prefix, "bin") + os.pathsep + os.environ.get("PATH", "")
    program = shutil.which(words[0], path=path)
    if program is None or os.path.realpath(program) != os.path.realpath(
            os.path.join(prefix, "bin", "sanpo")):
        fail("the Exec line's %r is not the installed binary" % words[0])
    return program, words[1:]


def run_from_entry(program, args, workdir, env, data_folder):
    """Starts the entry's command in `workdir` and quits it at once; the data
    file must then be in `data_folder` and nowhere else."""
    app = Sanpo(program, workdir=workdir, env=env, args=args).start()
    try:
        app.window(timeout=30)
        app.press_escape()
        code = app.wait_exit()
        if code != 0:
            fail("the installed program ended with %d: %s" % (code, app.output()))
    finally:
        app.stop()
    if not os.path.isfile(os.path.join(data_folder, DATA_FILE)):
        fail("no %s in %s after quitting" % (DATA_FILE, data_folder))


def data_files(top):
    """Every data file under `top`."""
    return sorted(os.path.join(d, f) for d, _, files in os.walk(top) for f in files
                  if f.startswith(DATA_FILE))


def main():
    cmake, build = sys.argv[1], sys.argv[2]
    top = tempfile.mkdtemp(prefix="sanpo-install-")
    try:
        prefix = os.path.join(top, "prefix")
        install(cmake, build, prefix)
        _, entry = check_installed_files(prefix)
        program, args = command_of(entry, prefix)

        # Started from a folder that is neither the home nor the data folder.
        elsewhere = os.path.join(top, "elsewhere")
        home = os.path.join(top, "home")
        os.makedirs(elsewhere)
        os.makedirs(home)

        default_folder = os.path.join(home, ".local", "share", "sanpo")
        run_from_entry(program, args, elsewhere, {"HOME": home, "XDG_DATA_HOME": None},
                       default_folder)
        expected = [os.path.join(default_folder, DATA_FILE)]
        if data_files(top) != expected:
            fail("data files written: %r, expected only %r" % (data_files(top), expected))
        print("no XDG_DATA_HOME: the data file is in ~/.local/share/sanpo and nowhere else")

        # A data home whose name needs quoting, two levels of it missing.
        data_home = os.path.join(top, "data home", "deeper")
        run_from_entry(program, args, elsewhere, {"HOME": home, "XDG_DATA_HOME": data_home},
                       os.path.join(data_home, "sanpo"))
        expected = sorted(expected + [os.path.join(data_home, "sanpo", DATA_FILE)])
        if data_files(top) != expected:
            fail("data files written: %r, expected only %r" % (data_files(top), expected))
        print("XDG_DATA_HOME set: the data file is in $XDG_DATA_HOME/sanpo and nowhere else")

        # A file where the data folder should be: one sentence, no mascot.
        blocked = os.path.join(top, "blocked")
        with open(blocked, "w") as f:
            f.write("not a folder\n")
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=blocked)
        result = subprocess.run([program, *args], cwd=elsewhere, env=env, capture_output=True,
                                text=True, timeout=60)
        # Qt may warn about the session before the program gets to say anything.
        ours = [line for line in result.stderr.splitlines() if line.startswith("sanpo")]
        message = ours[0] if len(ours) == 1 else ""
        if result.returncode == 0 or blocked not in message or not message.endswith("."):
            fail("a data folder that cannot be made gave exit %d and %r" %
                 (result.returncode, result.stderr))
        print("data folder blocked by a file: exit %d, %r" % (result.returncode, message))
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    main()
