#!/bin/sh
# Fuzzes the per-face report with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer for a given number of seconds.
#
#   sh scripts/fuzz.sh [SECONDS [WORK-DIR [LIBFUZZER-ARGUMENT...]]]
#
# SECONDS defaults to 600 and WORK-DIR to /tmp/typeprobe-fuzz; further
# arguments go to libFuzzer as they are (flags such as -max_len=131072, or
# more seed directories).
# The growing corpus lives in WORK-DIR/corpus and anything that crashes,
# leaks or hangs in WORK-DIR/artifacts, both outside the repository; the run
# is seeded from fuzz/corpus and tests/fixtures and uses fuzz/fonts.dict.
# Running again with the same WORK-DIR carries on from the corpus so far.
# Installs clang and its sanitizer/libFuzzer runtime from Debian if missing.
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-600}
work=${2:-/tmp/typeprobe-fuzz}
[ $# -gt 2 ] && shift 2 || set --
build=build-fuzz

sh scripts/install-deps.sh fuzz

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTYPEPROBE_LIBFUZZER=ON -DTYPEPROBE_SANITIZE=ON -DTYPEPROBE_TESTS=OFF -DTYPEPROBE_WERROR=ON
cmake --build "$build" -j2 --target typeprobe_fuzz

mkdir -p "$work/corpus" "$work/artifacts"
seeds="fuzz/corpus"
[ -d tests/fixtures ] && seeds="$seeds tests/fixtures"

# One job: new inputs go to the first directory only (the work corpus; flags
# may come anywhere), the seeds stay as they are.  Seeds larger than max_len
# are only read in part.
# shellcheck disable=SC2086
exec "$build/fuzz/typeprobe_fuzz" \
    -max_total_time="$seconds" \
    -dict=fuzz/fonts.dict \
    -max_len=65536 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" \
    "$work/corpus" "$@" $seeds
