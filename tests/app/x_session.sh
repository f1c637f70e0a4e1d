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

# Whether file $1 holds the line $2 whole (CR LF or LF line ends).
holds_line() {
  [ -f "$1" ] && grep -qxF -- "$2" <(tr -d '\r' <"$1")
}
# Fails unless file $1 holds the line $2.
expect_line() {
  holds_line "$1" "$2" || { echo "FAIL: $1 lacks the line '$2'"; cat "$1"; exit 1; }
}
# Fails unless file $1 holds the line $2 within 20 s. The conversation log gets an answer once
# it has played, so this is how a script knows the character is ready for the next line.
wait_for_line() {
  for _ in $(seq 200); do holds_line "$1" "$2" && return; sleep 0.1; done
  expect_line "$1" "$2"
}

# In window $1, whose answer has played, opens the balloon for typing, enters the line $2 and
# fails unless the conversation log $3 then holds the line $4. Keys that reach a window just
# mapped, before it is ready, are lost: the line is typed again, five times at most, each
# given 4 s for its answer.
say_line() {
  for _ in 1 2 3 4 5; do
    # Without a window manager the focus request can race the window's mapping; a lost focus
    # is one more lost attempt, not an X error that ends the script.
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true
    xdotool key --window "$1" Return
    xdotool type --window "$1" --delay 20 "$2"
    xdotool key --window "$1" Return
    for _ in $(seq 40); do holds_line "$3" "$4" && return; sleep 0.1; done
  done
  expect_line "$3" "$4"
}

# Ctrl+Q in window $1; fails unless the program (kiova_pid) then ends within 10 s, status 0.
quit_with_ctrl_q() {
  # The window may be gone before the keys are released: that X error is the quit working.
  xdotool key --window "$1" ctrl+q 2>/dev/null || true
  local status=0
  wait_for_exit "$kiova_pid" 10 || status=$?
  kiova_pid=
  [ "$status" -eq 0 ] || fail "exit status $status after Ctrl+Q"
}

# Ends process $1 if it runs: SIGTERM, SIGKILL after 5 s, then reaps it. For exit traps, which
# must not wait for a process that hangs.
end_process() {
  [ -n "$1" ] && kill "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
