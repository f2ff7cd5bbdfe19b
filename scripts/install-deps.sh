#!/usr/bin/env bash
# Installs every Debian package sanpo needs to build, run, test and benchmark.
# Idempotent: when everything is present it does nothing; otherwise it runs
# apt-get update once and installs what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6
  qt6-l10n-tools libgl-dev libxcb1-dev libxcb-shape0-dev
  # Qt's sound effects need a backend plugin at run time
  qml6-module-qtmultimedia libqt6multimediawidgets6
  # the balloon's Japanese Mincho face
  fonts-ipafont-mincho
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils openbox oneko python3
  # screens resized and split into monitors under the running program
  x11-xserver-utils
  # a window manager's close, asked for from outside; a session manager's logout
  wmctrl x11-session-utils
  # the window managers the mascot is tried under, and a terminal to type into
  xfwm4 fluxbox icewm i3-wm metacity kwin-x11 xterm dbus-bin
  # a compositor, under which the windows are see-through by alpha
  picom
  # fuzzing: clang with its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # the installed desktop entry is checked with desktop-file-validate
  desktop-file-utils
  # the tray icon is tried under a real tray, made way for by a fullscreen terminal
  tint2
  # the Debian package: built by cpack, its libraries found, its metadata checked
  dpkg-dev lintian appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
