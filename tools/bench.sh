#!/usr/bin/env bash
# The benchmarks: installs what is missing, builds a Release tree and runs the paint
# benchmarks of both programs (Google Benchmark). Not part of tools/test.sh: timings are not
# tests.
#
#   tools/bench.sh                      # build-bench/, 5 repetitions, runs interleaved
#   tools/bench.sh DIR                  # another build tree
#   tools/bench.sh DIR --benchmark_filter=BM_Paint   # any Google Benchmark options after DIR
#
# Each program's run ends with the ratios its goals are stated in (paint / floor, far-out
# paint / paint, sweep time per sample 1e3 / 1e7), computed from the medians of that run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$top/build-bench}
shift || true
if [ $# -eq 0 ]; then
  set -- --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true
fi

"$top/tools/install-deps.sh"
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUNKARO_BENCH=ON >/dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target bench_lunkaro4 bench_lunkaro5

for program in lunkaro4 lunkaro5; do
  echo "== bench_$program"
  "$dir/bench/bench_$program" "$@"
done
