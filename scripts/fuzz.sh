#!/usr/bin/env bash
# Builds the libFuzzer programs with clang and runs each for a bounded time; any crash, leak, hang or
# out-of-memory fails the run, and its input is kept under tests/fuzz/regressions/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

JOBS=${JOBS:-$(nproc)}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELLOMAR_BUILD_GUI=OFF -DVELLOMAR_BUILD_BENCH=OFF -DVELLOMAR_FUZZ=ON >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target fuzzers

# Program name -> regression directory.
declare -A TARGETS=([fuzz_ParserFuzzer]=parser [fuzz_DecoderFuzzer]=decoder [fuzz_SplitFuzzer]=split)

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for program in fuzz_ParserFuzzer fuzz_DecoderFuzzer fuzz_SplitFuzzer; do
  [ -x "$BUILD/tests/fuzz/$program" ] || continue
  target=${TARGETS[$program]}
  corpus="$BUILD/fuzz-corpus/$target"      # what this run learns; the seeds stay where they are
  artifacts="$BUILD/fuzz-artifacts/$target"
  regressions="tests/fuzz/regressions/$target"
  scratch="$BUILD/fuzz-scratch/$target"
  rm -rf "$artifacts" "$scratch"
  mkdir -p "$corpus" "$artifacts" "$regressions" "$scratch"
  echo "--- $program for ${FUZZ_SECONDS}s"
  status=0
  # Inputs up to 16 KiB hold many frames of every fixture and keep each run quick.
  VELLOMAR_FUZZ_SCRATCH="$scratch" "$BUILD/tests/fuzz/$program" \
    -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" tests/data "$regressions" \
    >"$BUILD/fuzz-$target.log" 2>&1 || status=$?
  tail -n 15 "$BUILD/fuzz-$target.log"
  found=$(find "$artifacts" -type f | wc -l)
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    echo "FAILED: $program (exit $status); full log in $BUILD/fuzz-$target.log"
    for f in "$artifacts"/*; do
      [ -f "$f" ] || continue
      cp "$f" "$regressions/"
      echo "  kept $regressions/$(basename "$f") for the regression test"
    done
    failed=1
  fi
done
exit "$failed"
