#!/usr/bin/env bash
# Configures and builds into a build folder: everything, or only the targets
# named after "--" (with what they need).
# Usage: scripts/build.sh [build-dir] [extra cmake options...] [-- target...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
options=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then
    shift
    targets=("$@")
    break
  fi
  options+=("$1")
  shift
done
# A compiler cache, where the machine has one, makes rebuilds in other
# checkouts of the same sources cheap; the build never needs it.
if command -v ccache >/dev/null 2>&1; then
  options=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${options[@]}")
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}"
if [ ${#targets[@]} -eq 0 ]; then
  cmake --build "$dir" -j "${KITE_JOBS:-$(nproc)}"
else
  cmake --build "$dir" -j "${KITE_JOBS:-$(nproc)}" --target "${targets[@]}"
fi
