#!/bin/sh
# The whole test suite: a plain build and a build under AddressSanitizer and
# UndefinedBehaviorSanitizer, both warning-free, each running every test.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh test

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DTYPEPROBE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DTYPEPROBE_WERROR=ON -DTYPEPROBE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
