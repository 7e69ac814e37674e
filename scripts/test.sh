#!/usr/bin/env bash
# Sets everything up and runs the whole test suite twice: in a normal build,
# then in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== normal build"
scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build"
scripts/build.sh build-asan -DSANITIZE=ON -DBUILD_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j "$jobs"
