# Sourced by the scripts that need an X server of their own.
# start_private_x: starts Xvfb (1280x800) on a display number the server picks
# itself (so that several runs side by side never race for one), exports
# DISPLAY and sets XVFB_PID; returns 1 when no server would start.
start_private_x() {
  local number_file
  number_file=$(mktemp)
  XVFB_PID=""
  # -noreset: the server would otherwise reset whenever its last client goes,
  # refusing the connection of a program started right then.
  Xvfb -displayfd 1 -noreset -screen 0 1280x800x24 -nolisten tcp >"$number_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 1 100); do
    if [ -s "$number_file" ] && xdpyinfo -display ":$(head -n1 "$number_file")" >/dev/null 2>&1; then
      export DISPLAY=":$(head -n1 "$number_file")"
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  rm -f "$number_file"
  return 1
}
