#!/usr/bin/env bash
# The program's command line and snapshot mode: usage, exit codes, messages, no partial files.
# usage: command_line.sh PROGRAM
set -u
# shellcheck source=SCRIPTDIR/../support/command_line_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/command_line_test.sh" || exit 1
program=$1
name=$(basename "$program")
check_help_and_usage "$program" --snapshot

# One paint: one bell on stderr and nothing on stdout.
"$program" --snapshot "$work/shot.png" >"$work/out" 2>"$work/err"; code=$?
[ $code -eq 0 ] || fail "--snapshot exits $code"
[ "$(head -c 8 "$work/shot.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
  fail "the snapshot is not a PNG"
[ "$(od -An -tx1 "$work/err" | tr -d ' \n')" = "07" ] || fail "stderr of a paint is not one bell"
[ -s "$work/out" ] && fail "a paint writes to stdout"

# Paths that cannot be written: a message, exit 1, no file left behind.
long=$(printf 'x%.0s' $(seq 1 5000))
mkdir -p "$work/readonly" && chmod 555 "$work/readonly"
for path in "$work/missing/dir/shot.png" "$work" "$work/$long.png" "/proc/version/shot.png"; do
  "$program" --snapshot "$path" >"$work/out" 2>"$work/err"; code=$?
  [ $code -eq 1 ] || fail "unwritable path ${path:0:60} exits $code"
  grep -q "cannot write" "$work/err" || fail "no message for ${path:0:60}"
done
if [ "$(id -u)" -ne 0 ]; then
  "$program" --snapshot "$work/readonly/shot.png" >/dev/null 2>&1 && fail "read-only folder accepted"
fi
leftovers=$(find "$work" -mindepth 1 -not -name shot.png -not -name out -not -name err -not -path "$work/readonly" | head -5)
[ -z "$leftovers" ] || fail "files left behind: $leftovers"

# Without a display: a message that names the snapshot mode, exit 1.
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$program" >"$work/out" 2>"$work/err"; code=$?
[ $code -eq 1 ] || fail "no display exits $code"
grep -q -- "--snapshot" "$work/err" || fail "no display: the message does not name --snapshot"

command_line_verdict "$name command line"
