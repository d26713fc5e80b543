#!/usr/bin/env bash
# Installs what is needed, builds the engine, the game and its assets (no
# tests, no benchmarks), and starts the game from its own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -- KiteGame
cd KiteGame
exec ../build/bin/KiteGame
