#!/usr/bin/env bash
# The main job: installs what is missing, builds, and opens Lunkaro4's window where a display
# is present; without a display it writes both programs' snapshots and says where they are.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh" "$top/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DLUNKARO_BENCH=OFF

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$top/build/shell/Lunkaro4"
fi

mkdir -p "$top/out"
for program in Lunkaro4 Lunkaro5; do
  "$top/build/shell/$program" --snapshot "$top/out/$program.png" 2>/dev/null
  echo "$program: no display here; its picture is in $top/out/$program.png"
done
