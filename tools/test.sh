#!/usr/bin/env bash
# Every test: installs what is missing, builds the normal and the sanitizer (ASan + UBSan)
# configurations and runs all their tests (soaks, memcheck and the window tests among them),
# then fuzzes the graphing layer for a minute.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"

echo "== build: normal"
"$top/tools/build.sh" "$top/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests: normal"
ctest --test-dir "$top/build-test" --output-on-failure -j 2

echo "== build: sanitizers (ASan + UBSan)"
"$top/tools/build.sh" "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DLUNKARO_SANITIZE=ON -DLUNKARO_BENCH=OFF
echo "== tests: sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure -j 2

echo "== fuzz: the graphing layer (clang, libFuzzer + ASan + UBSan), 60 s"
"$top/tools/fuzz.sh" 60
