#!/bin/sh
# Installs, from Debian's packages, whatever this machine lacks to build
# typeprobe ("build", the default), to run its whole test suite ("test"), to
# fuzz it ("fuzz") or to benchmark it ("bench").
# Packages already present are left alone; apt is only asked when something
# is missing.
set -eu

group=${1:-build}

build_packages="g++ make cmake pkg-config libfreetype-dev libgtest-dev dpkg-dev"
# Fonts and tools the test suite reads or runs.
test_packages="valgrind fonts-dejavu-core fonts-wine man-db"
# Real fonts for the corpus test: TrueType, CFF, Type 1, collections, colour
# bitmaps, PCF, OpenType bitmap and Windows FON.
test_packages="$test_packages fonts-liberation2 fonts-freefont-otf fonts-noto-color-emoji fonts-cantarell fonts-wqy-microhei fonts-urw-base35 xfonts-base fonts-terminus fonts-terminus-otb"

# clang and its sanitizer and libFuzzer runtimes.
fuzz_packages="clang-14 libclang-rt-14-dev"
# The timer, the fonts timed, and fc-query and ftdump (fontconfig,
# freetype2-demos), timed beside typeprobe for comparison only.
bench_packages="hyperfine time fonts-dejavu-core fonts-freefont-otf fonts-wqy-microhei
 fonts-noto-color-emoji gsfonts xfonts-base fonts-wine fontconfig freetype2-demos"

case "$group" in
build) wanted=$build_packages ;;
test) wanted="$build_packages $test_packages" ;;
fuzz) wanted="$build_packages $fuzz_packages" ;;
bench) wanted="$build_packages $bench_packages" ;;
*) echo "usage: $0 [build|test|fuzz|bench]" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
    esac
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
