# Sourced by the scripts that need an X server of their own.
# start_private_x FIRST LAST: starts Xvfb (1280x800) on the first free display
# number in FIRST..LAST, exports DISPLAY and sets XVFB_PID; returns 1 when no
# server would start.
start_private_x() {
  local n
  XVFB_PID=""
  for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: the server would otherwise reset whenever its last client goes,
    # refusing the connection of a program started right then.
    Xvfb ":$n" -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  return 1
}
