#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (GUI tests under Xvfb), then the
# engine again under AddressSanitizer/UndefinedBehaviorSanitizer and ThreadSanitizer, then fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-$(nproc)}
SECONDS=0

stage() { echo "=== [$((SECONDS / 60))m$((SECONDS % 60))s] $*"; }

stage "normal build"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"

# The GUI tests need a display; every test runs under one virtual X server.
CTEST_LOG="$BUILD_DIR/ctest-summary.log"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 600 | tee "$CTEST_LOG"

# Sanitizer trees build only the test programs they run. Any report fails the run.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1
SANITIZER_CONFIG=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLOMAR_BUILD_GUI=OFF -DVELLOMAR_BUILD_BENCH=OFF)

stage "AddressSanitizer + UndefinedBehaviorSanitizer: engine and catalogue tests"
cmake -S . -B build-asan "${SANITIZER_CONFIG[@]}" -DVELLOMAR_SANITIZE=address >/dev/null
cmake --build build-asan -j "$JOBS" --target tests_engine tests_catalogue
ctest --test-dir build-asan --output-on-failure -j "$JOBS" --timeout 900 -L '^(engine|catalogue)$'

# The code that runs on more than one thread: the log store, the thread pool and split tasks on it.
stage "ThreadSanitizer: log store, thread pool and split task tests"
TSAN_PROGRAMS=()
for name in LogTest ThreadPoolTest SplitTaskTest SplitFaultTest; do
  if [ -f "tests/engine/$name.cpp" ]; then TSAN_PROGRAMS+=("engine_$name"); fi
done
cmake -S . -B build-tsan "${SANITIZER_CONFIG[@]}" -DVELLOMAR_SANITIZE=thread >/dev/null
cmake --build build-tsan -j "$JOBS" --target "${TSAN_PROGRAMS[@]}"
# The programs run directly (ctest would want every program of the tree built). ThreadSanitizer
# cannot map its shadow memory under full address-space randomisation on newer kernels; setarch -R
# turns randomisation off for the tests alone.
for program in "${TSAN_PROGRAMS[@]}"; do
  echo "--- $program"
  (cd build-tsan/tests && VELLOMAR_TEST_DATA_DIR="$PWD/../../tests/data" \
    setarch "$(uname -m)" -R "./$program" --gtest_brief=1)
done

stage "fuzzing"
JOBS="$JOBS" scripts/fuzz.sh

stage "all passed"
# One closing line for the whole run: the main suite's count (the sanitizer and fuzz stages rerun
# its engine tests and would have stopped the script on any failure).
total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$CTEST_LOG" | tail -n 1)
skipped=$(grep -c '(Skipped)' "$CTEST_LOG" || true)
echo "summary: $((total - skipped)) passed, 0 failed, $skipped skipped"
