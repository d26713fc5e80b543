#!/usr/bin/env bash
# Installs what is needed, builds the engine, the editor and the game's
# assets (no tests, no benchmarks), and starts the level editor from the
# game's folder, so that it opens and saves the game's own scenes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -- KiteEditor assets
cd KiteGame
exec ../build/bin/KiteEditor
