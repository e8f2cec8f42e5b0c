#!/usr/bin/env bash
# Installs what is missing, builds the program (Release, in build-release/) and starts it with the
# MP3 files given on the command line, in that order.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

"$ROOT/scripts/install-deps.sh"

BUILD_DIR=${BUILD_DIR:-"$ROOT/build-release"}
JOBS=${JOBS:-$(nproc)}

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DVELLOMAR_BUILD_TESTS=OFF \
  -DVELLOMAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS" --target vellomar

# Relative file names stay valid: the program starts in the caller's directory.
exec "$BUILD_DIR/src/ui/vellomar" "$@"
