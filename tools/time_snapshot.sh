#!/usr/bin/env bash
# Times the whole process of "Lunkaro4 --snapshot FILE.png", from its start until it has
# written the picture and ended, and its peak memory (maximum resident set size), each as the
# median of several runs. Builds a Release tree first.
#
#   tools/time_snapshot.sh                 # Lunkaro4, 21 runs, tree build-bench/
#   tools/time_snapshot.sh DIR RUNS PROGRAM
#
# Wall time is taken by the shell itself ($EPOCHREALTIME) around the bare program, so no
# other process is inside the timing; the peak memory comes from GNU time in separate runs.
# For comparison it also times /bin/true the same way: the cost of starting any process here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$top/build-bench}
runs=${2:-21}
program=${3:-Lunkaro4}

"$top/tools/install-deps.sh" >/dev/null
if [ ! -x /usr/bin/time ]; then
  echo "time_snapshot: installing GNU time"
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq time; else sudo apt-get install -y -qq time; fi
fi
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target "$program" >/dev/null
binary="$dir/shell/$program"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
picture="$work/snapshot.png"

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Milliseconds of one run of the command, from the shell's clock.
wall_ms() {
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}

"$binary" --snapshot "$picture" 2>/dev/null  # warms the file cache; checks that it works
[ -s "$picture" ] || { echo "time_snapshot: $program wrote no picture" >&2; exit 1; }

for ((i = 0; i < runs; i++)); do
  rm -f "$picture"
  wall_ms "$binary" --snapshot "$picture"
  [ -s "$picture" ] || { echo "time_snapshot: run $i wrote no picture" >&2; exit 1; }
done >"$work/wall"
for ((i = 0; i < runs; i++)); do wall_ms /bin/true; done >"$work/true"
for ((i = 0; i < runs; i++)); do
  /usr/bin/time -f '%M' -o "$work/kb" "$binary" --snapshot "$picture" >/dev/null 2>&1
  cat "$work/kb"
done >"$work/memory"

printf '%s --snapshot, %d runs:\n' "$program" "$runs"
printf '  wall time, median: %s ms (min %s ms)\n' "$(median <"$work/wall")" "$(sort -n "$work/wall" | head -1)"
printf '  peak memory, median: %s kB\n' "$(median <"$work/memory")"
printf '  /bin/true for comparison, median: %s ms\n' "$(median <"$work/true")"
