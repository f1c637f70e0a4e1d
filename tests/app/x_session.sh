# Sourced by the end-to-end scripts that run the real program under a real X server (Xvfb).
# Every wait has a deadline; the caller's exit trap ends what it started.

fail() { echo "FAIL: $*"; exit 1; }

# Skips the test (exit status 77) unless every tool named is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

# Starts Xvfb with the options given on a display it picks, which it writes to a pipe; exports
# DISPLAY and sets xvfb_pid. The program under test reaches it as a desktop would, not through
# Wayland or the offscreen platform of the other tests.
start_xvfb() {
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 20 display <&3 || fail "Xvfb did not start"
  export DISPLAY=":$display"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# The id of the visible window whose name matches $1, waiting up to 20 s for it.
window_named() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
  [ -n "$id" ] || { echo "FAIL: no window $1" >&2; exit 1; }
  echo "$id"
}

# Waits up to $2 seconds for process $1 to end; fails when it is still running. The process's
# exit status.
wait_for_exit() {
  for _ in $(seq $(($2 * 10))); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && { echo "FAIL: kiova still runs $2 s after the signal"; exit 1; }
  wait "$1"
}
