#!/usr/bin/env bash
# Builds sanpo (Release, into build/) and starts it with the current
# directory as its working directory: the data file jouhou.mrdt and the
# optional SOUND folder live there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "sanpo needs a graphical session: run this from a desktop, where DISPLAY is set." >&2
  exit 2
fi

bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSANPO_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build" --target sanpo
cd "$work"
exec "$here/build/ui/sanpo"
