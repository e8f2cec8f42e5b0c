#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-$(nproc)}

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"

# The GUI tests need a display; every test runs under one virtual X server.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 600
