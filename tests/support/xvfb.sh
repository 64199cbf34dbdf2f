# shellcheck shell=bash
# A display of the window tests' own: a private Xvfb server, started on the first free display
# number of a range, and everything the tests started stopped when the script ends.
# Sourced by the window test scripts (bash); it sets the script's EXIT trap, so a script adds
# its own clean-up with xvfb_at_exit instead of setting a trap itself.
#
#   xvfb_at_exit FUNCTION   runs FUNCTION when the script ends, before the server is stopped
#   xvfb_require_tools VERDICT CODE
#                           ends the script with CODE after "VERDICT: TOOL is not installed" when
#                           a tool the tests need is missing (FAIL 1, or SKIP 77 for a skip)
#   xvfb_start FIRST LAST   starts Xvfb on the first free display from FIRST to LAST and exports
#                           DISPLAY; ends the script with 1 after "FAIL: cannot start Xvfb"
#
# Sets xvfb_pid: the server's process, empty while none runs.

xvfb_pid=""
xvfb_cleanups=()

xvfb_at_exit() {
  xvfb_cleanups+=("$1")
}

# The script's own clean-ups in the order they were added, then the server: a program that
# draws on the display is stopped before its display goes away.
xvfb_cleanup() {
  local cleanup
  for cleanup in "${xvfb_cleanups[@]}"; do
    "$cleanup"
  done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap xvfb_cleanup EXIT

xvfb_require_tools() {
  local verdict=$1 code=$2 tool
  for tool in Xvfb xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "$verdict: $tool is not installed"; exit "$code"; }
  done
}

# A number is taken while its socket or its lock file exists. A server that ends before its
# socket appears (another one took the number first, or it cannot start at all) is given up at
# once and the next number is tried; one still running after the wait for its socket (up to
# 5 seconds) is kept.
xvfb_start() {
  local first=$1 last=$2 display
  for display in $(seq "$first" "$last"); do
    if [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; then
      continue
    fi
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$xvfb_pid" 2>/dev/null && break
    xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || { echo "FAIL: cannot start Xvfb"; exit 1; }
  export DISPLAY=":$display"
}
