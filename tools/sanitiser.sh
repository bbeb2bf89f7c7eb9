#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs it; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
[ -f build-asan/CMakeCache.txt ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DARMORIANE_BENCH=OFF "-DCMAKE_CXX_FLAGS=$san -O1" "-DCMAKE_EXE_LINKER_FLAGS=$san" >/dev/null
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$(pwd)/tools/asan.supp
export LSAN_OPTIONS=suppressions=$(pwd)/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure --no-tests=error -j2
