#!/usr/bin/env bash
# Installs, on a fresh Debian 12 machine, every package that the build, the tests and the
# programs need. Idempotent: installs only what is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  # build
  cmake g++ ninja-build pkg-config clang-format
  # libraries
  libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev
  # the static archives the programs link (what fontconfig, FreeType and libpng use)
  zlib1g-dev libexpat1-dev libbrotli-dev
  # the Japanese serif face the text output finds through fontconfig
  fonts-ipafont-mincho fontconfig
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # window tests: Xvfb, xdotool, libX11 for the close request, ImageMagick for screenshots
  xvfb xauth xdotool x11-utils libx11-dev imagemagick
  # the gallery's index page is checked in headless Chromium
  chromium
  # the Shift-JIS rewrite of string literals for clang builds
  python3
  # fuzzing and memory checks
  clang libclang-rt-14-dev valgrind
  # the snapshot timing script
  time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

run_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

echo "install-deps: installing ${missing[*]}"
run_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive run_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
