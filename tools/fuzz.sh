#!/usr/bin/env bash
# Builds the graphing fuzz target with clang (ASan + UBSan + libFuzzer) in build-fuzz, checks
# that the committed seeds are what the seed writers give, runs every input of fuzz/corpus once
# and then fuzzes for SECONDS (default 60) over the corpus. Fails on any crash, sanitizer
# report, failed check, or input slower than one second.
#
# usage: tools/fuzz.sh [SECONDS [WORK_DIR]]   fuzz; new inputs go to WORK_DIR (default: a
#                                             temporary directory), never into fuzz/corpus
#        tools/fuzz.sh --write-seeds          rewrite the seeds in fuzz/corpus (after a change
#                                             of the input format)
# A failing input is written to WORK_DIR/artifacts; once its fault is fixed it belongs in
# fuzz/corpus as regress-WHAT, where every later run replays it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-fuzz
corpus=$top/fuzz/corpus

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUNKARO_FUZZ=ON -DLUNKARO_WINDOW=OFF -DBUILD_TESTING=OFF -DLUNKARO_BENCH=OFF >/dev/null
cmake --build "$build" -j 2 --target fuzz_graphing write_seeds_lunkaro4 write_seeds_lunkaro5 \
  >/dev/null

if [ "${1:-}" = "--write-seeds" ]; then
  "$build/fuzz/write_seeds_lunkaro4" "$corpus"
  "$build/fuzz/write_seeds_lunkaro5" "$corpus"
  exit 0
fi

seconds=${1:-60}
work=${2:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
[ -n "$work" ] || work=$scratch/work
mkdir -p "$work/corpus" "$work/artifacts" "$scratch/seeds"

# The seeds hold the programs' settings as the runs write them: they must still be what the
# seed writers give, or the input format has changed under them.
"$build/fuzz/write_seeds_lunkaro4" "$scratch/seeds" >/dev/null
"$build/fuzz/write_seeds_lunkaro5" "$scratch/seeds" >/dev/null
for seed in "$scratch"/seeds/*; do
  name=$(basename "$seed")
  if ! cmp -s "$seed" "$corpus/$name"; then
    echo "FAIL: fuzz/corpus/$name is not what the seed writer gives; run tools/fuzz.sh --write-seeds"
    exit 1
  fi
done

fuzzer=("$build/fuzz/fuzz_graphing" -timeout=1 -rss_limit_mb=2048 -max_len=8192
  -artifact_prefix="$work/artifacts/")

echo "fuzz: replaying $(ls "$corpus" | wc -l) inputs of fuzz/corpus"
if ! "${fuzzer[@]}" "$corpus"/* >"$scratch/replay.log" 2>&1; then
  tail -n 60 "$scratch/replay.log"
  echo "FAIL: an input of fuzz/corpus fails (log above)"
  exit 1
fi

echo "fuzz: fuzzing for $seconds s"
status=0
"${fuzzer[@]}" -max_total_time="$seconds" -print_final_stats=1 "$work/corpus" "$corpus" \
  >"$scratch/fuzz.log" 2>&1 || status=$?
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$scratch/fuzz.log" || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|slowest_unit_time_sec|peak_rss_mb)' \
  "$scratch/fuzz.log" || true
if [ $status -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|libFuzzer)|runtime error|check failed' \
  "$scratch/fuzz.log"; then
  grep -E -A 30 'ERROR:|runtime error|check failed' "$scratch/fuzz.log" | head -n 60
  cp "$scratch/fuzz.log" "$work/fuzz.log"
  echo "FAIL: the fuzzer found a failing input: $(ls "$work/artifacts")"
  echo "      (kept in $work/artifacts; the log is $work/fuzz.log)"
  [ -z "${2:-}" ] && trap - EXIT && echo "      (the temporary directory $scratch is kept)"
  exit 1
fi
echo "fuzz: no failure in $seconds s"
