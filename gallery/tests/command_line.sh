#!/usr/bin/env bash
# The gallery's command line and snapshot mode: usage, exit codes, messages, the files written.
# usage: command_line.sh GRAPH_GALLERY
set -u
# shellcheck source=SCRIPTDIR/../../tests/support/command_line_test.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/command_line_test.sh" || exit 1
program=$1
check_help_and_usage "$program" "--out DIR"

# One picture per example, a bell per paint, nothing on stdout; the folder is made.
"$program" --out "$work/pictures/new" >"$work/out" 2>"$work/err"; code=$?
[ $code -eq 0 ] || fail "--out exits $code"
[ -s "$work/out" ] && fail "--out writes to stdout: $(head -c 200 "$work/out")"
pictures=$(find "$work/pictures/new" -name '*.png' | wc -l)
shown=$(grep -c '<img ' "$work/pictures/new/index.html" 2>/dev/null)
if ! [ "$pictures" -gt 0 ] || ! [ "$pictures" -eq "${shown:-0}" ]; then
  fail "$pictures pictures written, ${shown:-no} shown on the index page"
fi
bells=$(od -An -tx1 "$work/err" | tr -s ' \n' '\n' | grep -c '^07$')
others=$(od -An -tx1 "$work/err" | tr -s ' \n' '\n' | grep -v '^$' | grep -vc '^07$')
[ "$bells" -eq "$pictures" ] || fail "$bells bells for $pictures pictures"
[ "$others" -eq 0 ] || fail "stderr holds more than bells"
for png in "$work"/pictures/new/*.png; do
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
    fail "$(basename "$png") is not a PNG"
  grep -q "src=\"$(basename "$png")\"" "$work/pictures/new/index.html" ||
    fail "the index page does not show $(basename "$png")"
done

# A folder that cannot be made: a message, exit 1, no index page.
touch "$work/file"
"$program" --out "$work/file/sub" >"$work/out" 2>"$work/err"; code=$?
[ $code -eq 1 ] || fail "an unmakeable folder exits $code"
grep -q "cannot make the folder" "$work/err" || fail "no message for an unmakeable folder"
[ -e "$work/file/sub/index.html" ] && fail "an index page was written"

# Without a display: a message that names the snapshot mode, exit 1.
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$program" >"$work/out" 2>"$work/err"
code=$?
[ $code -eq 1 ] || fail "no display exits $code"
grep -q -- "--out DIR" "$work/err" || fail "no display: the message does not name --out"

command_line_verdict "graph_gallery command line"
