#!/usr/bin/env bash
# Builds the Qt-free calendar model and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the calendar tests there.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANE_GUI=OFF -DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF
cmake --build build-asan --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan -L calendar --output-on-failure --parallel "$(nproc)"
