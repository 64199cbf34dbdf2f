# shellcheck shell=bash
# What the command-line test scripts share: a work folder (removed at exit), the count of
# failed checks, and the checks of --help and of an unknown argument.
#
#   fail MESSAGE                  counts a failed check and says so ("FAIL: MESSAGE")
#   check_help_and_usage PROGRAM MODE
#                                 --help exits 0 and shows MODE (the snapshot option) on
#                                 stdout; an unknown argument exits 2 with the usage on stderr
#                                 and nothing on stdout
#   command_line_verdict LABEL    "LABEL: every check holds" when no check failed; the script's
#                                 exit status follows

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

check_help_and_usage() {
  local program=$1 mode=$2 code
  "$program" --help >"$work/out" 2>"$work/err"
  code=$?
  [ $code -eq 0 ] || fail "--help exits $code"
  grep -q -- "$mode" "$work/out" || fail "--help does not show the snapshot mode"

  "$program" --bogus >"$work/out" 2>"$work/err"
  code=$?
  [ $code -eq 2 ] || fail "an unknown argument exits $code, not 2"
  grep -q "usage" "$work/err" || fail "an unknown argument does not print the usage on stderr"
  [ -s "$work/out" ] && fail "an unknown argument writes to stdout"
}

command_line_verdict() {
  if [ "$failures" -eq 0 ]; then echo "$1: every check holds"; fi
  [ "$failures" -eq 0 ]
}
