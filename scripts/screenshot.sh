#!/usr/bin/env bash
# Makes docs/screenshot.png again: the real program on its first run, under a
# private X server (1280x800) with openbox and a plain gradient desktop, the
# introduction's first line in the balloon, cropped to the character and its
# balloon.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (SANPO_BINARY picks a built binary)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-"$here/docs/screenshot.png"}

bash "$here/scripts/install-deps.sh"
binary=${SANPO_BINARY:-}
if [ -z "$binary" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSANPO_BUILD_TESTS=OFF >/dev/null
  cmake --build "$here/build" --target sanpo
  binary="$here/build/ui/sanpo"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

source "$here/scripts/private-x.sh"
start_private_x && xvfb=$XVFB_PID
if [ -z "${xvfb:-}" ]; then
  echo "screenshot.sh: could not start an X server" >&2
  exit 1
fi
pids+=("$xvfb")
unset WAYLAND_DISPLAY

# A calm blue desktop, lighter at the top, as a plain wallpaper would be.
convert -size 1280x800 gradient:'#5b8fc7-#1f3f66' "$work/desktop.png"
# display sets the root window's background and then reports failure all the same.
display -window root "$work/desktop.png" || true
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The first run: the character introduces itself in a balloon at once.
(cd "$work" && exec "$binary") >/dev/null 2>&1 &
sanpo=$!
pids+=("$sanpo")
balloon=""
for _ in $(seq 1 100); do
  balloon=$(xdotool search --all --onlyvisible --pid "$sanpo" --name '^sanpo balloon$' 2>/dev/null | head -1 || true)
  [ -n "$balloon" ] && break
  sleep 0.1
done
character=$(xdotool search --all --onlyvisible --pid "$sanpo" --name '^sanpo$' 2>/dev/null | head -1 || true)
if [ -z "$balloon" ] || [ -z "$character" ]; then
  echo "screenshot.sh: the character or its balloon did not show" >&2
  exit 1
fi
sleep 1 # the balloon's text is drawn and the sound has started

# The region around both windows, with some desktop around them.
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
  /Width:/{w=$2} /Height:/{h=$2} END{print x, y, x + w, y + h}'; }
read -r ax ay ar ab < <(geometry "$character")
read -r bx by br bb < <(geometry "$balloon")
margin=48
left=$(( (ax < bx ? ax : bx) - margin )); top=$(( (ay < by ? ay : by) - margin ))
right=$(( (ar > br ? ar : br) + margin )); bottom=$(( (ab > bb ? ab : bb) + margin ))
(( left < 0 )) && left=0; (( top < 0 )) && top=0
(( right > 1280 )) && right=1280; (( bottom > 800 )) && bottom=800
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out"
echo "screenshot.sh: wrote $out"
