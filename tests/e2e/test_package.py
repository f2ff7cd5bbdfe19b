"""The Debian package: built by cpack from the build folder, its files and
metadata checked (lintian, appstreamcli, desktop-file-validate where they are
installed), then unpacked into a throw-away root and started from there."""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
from sanpo_e2e import DATA_FILE, PrivateDisplay, Sanpo, fail  # noqa: E402

EXPECTED = [
    "usr/bin/sanpo",
    "usr/share/applications/sanpo.desktop",
    "usr/share/icons/hicolor/48x48/apps/sanpo.png",
    "usr/share/icons/hicolor/64x64/apps/sanpo.png",
    "usr/share/icons/hicolor/128x128/apps/sanpo.png",
    "usr/share/icons/hicolor/256x256/apps/sanpo.png",
    "usr/share/metainfo/org.sanpo.sanpo.metainfo.xml",
    "usr/share/man/man1/sanpo.1.gz",
    "usr/share/doc/sanpo/copyright",
    "usr/share/doc/sanpo/changelog.gz",
]


def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, timeout=kw.pop("timeout", 300),
                          **kw)


def build(cpack, build_dir, out):
    result = run([cpack, "-G", "DEB", "--config", os.path.join(build_dir, "CPackConfig.cmake"),
                  "-B", out])
    debs = [f for f in os.listdir(out) if f.endswith(".deb")]
    if result.returncode != 0 or len(debs) != 1:
        fail("cpack: %s%s" % (result.stdout, result.stderr))
    return os.path.join(out, debs[0])


def check_control(deb, version):
    fields = {}
    for key in ("Package", "Version", "Architecture", "Depends"):
        fields[key] = run(["dpkg-deb", "-f", deb, key]).stdout.strip()
    if fields["Package"] != "sanpo" or fields["Version"] != version:
        fail("control fields %r" % fields)
    if not os.path.basename(deb) == "sanpo_%s_%s.deb" % (version, fields["Architecture"]):
        fail("package file named %s" % os.path.basename(deb))
    depends = [d.strip().split()[0] for d in fields["Depends"].split(",")]
    # Computed from the binary's libraries, and what it loads at run time.
    for needed in ("libqt6widgets6", "libqt6multimedia6", "libxcb-shape0", "libc6",
                   "fonts-ipafont-mincho"):
        if needed not in depends:
            fail("Depends lacks %s: %s" % (needed, fields["Depends"]))
    print("control: sanpo %s, depends on %d packages" % (version, len(depends)))


def check_contents(deb, root):
    listed = run(["dpkg-deb", "-c", deb]).stdout
    for line in listed.splitlines():
        owner = line.split()[1]
        if owner != "root/root":
            fail("owned by %s: %s" % (owner, line))
    result = run(["dpkg-deb", "-x", deb, root])
    if result.returncode != 0:
        fail("dpkg -x: %s" % result.stderr)
    missing = [p for p in EXPECTED if not os.path.isfile(os.path.join(root, p))]
    if missing:
        fail("missing from the package: %s" % missing)
    with gzip.open(os.path.join(root, "usr/share/man/man1/sanpo.1.gz"), "rt") as f:
        page = f.read()
    for word in ("--data-folder", "Esc", "jouhou.mrdt", ".SH FILES"):
        if word.replace("-", "\\-") not in page and word not in page:
            fail("the manual page does not tell of %s" % word)
    print("contents: %d files in place, owned by root, the manual page complete" % len(EXPECTED))


def check_metadata(deb, root):
    tools = [
        ("desktop-file-validate", ["desktop-file-validate",
                                   os.path.join(root, "usr/share/applications/sanpo.desktop")]),
        ("appstreamcli", ["appstreamcli", "validate", "--no-net",
                          os.path.join(root, "usr/share/metainfo/org.sanpo.sanpo.metainfo.xml")]),
    ]
    for name, args in tools:
        if shutil.which(name):
            result = run(args)
            if result.returncode != 0:
                fail("%s: %s%s" % (name, result.stdout, result.stderr))
            print("%s: passes" % name)
    if shutil.which("lintian"):
        result = run(["lintian", deb])
        errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
        if errors:
            fail("lintian: %s" % "\n".join(errors))
        print("lintian: no errors")


def start_unpacked(root, top):
    home = os.path.join(top, "home")
    os.makedirs(home)
    with PrivateDisplay():
        app = Sanpo(os.path.join(root, "usr/bin/sanpo"), workdir=top,
                    env={"HOME": home, "XDG_DATA_HOME": None, "XDG_CONFIG_HOME": None},
                    args=["--data-folder"]).start()
        try:
            app.window(timeout=30)
            app.press_escape()
            code = app.wait_exit()
            if code != 0:
                fail("the unpacked program ended with %d: %s" % (code, app.output()))
        finally:
            app.stop()
    if not os.path.isfile(os.path.join(home, ".local/share/sanpo", DATA_FILE)):
        fail("the unpacked program kept no data in its data folder")
    print("the unpacked program started, showed the character and saved on Esc")


def main():
    cpack, build_dir, version = sys.argv[1], sys.argv[2], sys.argv[3]
    top = tempfile.mkdtemp(prefix="sanpo-package-")
    try:
        deb = build(cpack, build_dir, os.path.join(top, "out"))
        check_control(deb, version)
        root = os.path.join(top, "root")
        check_contents(deb, root)
        check_metadata(deb, root)
        start_unpacked(root, top)
    finally:
        shutil.rmtree(top, ignore_errors=True)


if __name__ == "__main__":
    main()
