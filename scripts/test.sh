#!/usr/bin/env bash
# Installs what is needed, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test (under Xvfb, since some of
# them open a window), then the fuzzers. A failing test does not stop the
# rest: the scripted player's summary and the fuzzers still run, and the
# script exits non-zero at the end if anything failed.
# `scripts/test.sh -LE e2e` leaves out the programs that drive the real game
# and editor (any arguments go to ctest).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh || exit 1
scripts/build.sh build-test -DKITE_SANITIZE=ON -DKITE_FUZZ=ON -DKITE_WERROR=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ || exit 1

# The ODR check stays on: the engine is one shared library and every program
# links it once (the game's code only into the game and its own tests).
# The sanitizer's tracking of dynamically loaded thread-local blocks stays
# off: the software GL driver's threads keep such blocks, and the leak check
# at exit crashed reading them ("Tracer caught signal 11") in a program that
# had passed. Our own code has no such blocks to scan.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_odr_violation=2:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1

failed=0
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build-test --output-on-failure -j "$(nproc)" --timeout 600 "$@" || failed=1

# What the scripted player printed: each level's game time.
echo "Scripted player:"
grep -h "^\[ player \]" build-test/Testing/Temporary/LastTest.log 2>/dev/null || echo "  (it did not play this run)"

if [ -x build-test/tests/fuzz/run-fuzzers.sh ]; then
  build-test/tests/fuzz/run-fuzzers.sh "${KITE_FUZZ_SECONDS:-60}" || failed=1
fi

if [ "$failed" -ne 0 ]; then
  echo "test.sh: FAILED (see the failing tests or fuzzers above)"
  exit 1
fi
echo "test.sh: every test and fuzzer passed"
