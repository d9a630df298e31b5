#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test with CTest (the fuzzer and the installed programs
# included), then builds and runs the tests once more with GCC, the second
# compiler, and last builds the Qt-free part for Windows and runs its tests
# under Wine; ends with that summary.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset test -G Ninja >/dev/null
cmake --build --preset test -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --preset test -j"$(nproc)"

cmake --preset gcc -G Ninja >/dev/null
cmake --build --preset gcc -j"$(nproc)"
ctest --preset gcc -j"$(nproc)"

# The Qt-free part built for Windows, its tests run under Wine.
scripts/test-windows.sh
