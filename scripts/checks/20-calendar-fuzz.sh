#!/usr/bin/env bash
# Builds the libFuzzer target of the Chinese calendar engine with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for about 20 seconds. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I. fuzz/CnCalendarFuzz.cpp calendar/CnCalendar*.cpp -o "$out/cn_calendar_fuzz"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$out/cn_calendar_fuzz" -max_total_time="${FUZZ_SECONDS:-20}" -max_len=64 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus"
