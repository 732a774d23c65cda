#!/bin/sh
# Times typeprobe against a baseline that makes the same FreeType calls and
# prints nothing, on a spread of real font formats and on a generated
# collection of 64 faces, and measures peak memory for one face against 64.
#
#   sh scripts/bench.sh            # from anywhere; builds into build-bench/
#   BENCH_RUNS=100 BENCH_WARMUP=10 sh scripts/bench.sh
#
# Installs what it needs from Debian's packages, builds typeprobe (the
# default build, and once more with the shared C++ runtime for comparison),
# the baseline and the collection generator, then runs hyperfine once per
# font.  Per font, in one hyperfine run each:
#   A  standard output to /dev/null: baseline, typeprobe, typeprobe with the
#      shared C++ runtime, and fc-query and ftdump where they are installed;
#   B  standard output into a pipe that hyperfine drains: baseline, typeprobe;
#   C  through "| cat >/dev/null": baseline and typeprobe.
# Ratios are taken within one hyperfine run, which cancels much of the noise
# of a busy machine.  Results (CSV per font) stay in build-bench/bench/.
set -eu
cd "$(dirname "$0")/.."

runs=${BENCH_RUNS:-40}
warmup=${BENCH_WARMUP:-5}
jobs=${BENCH_JOBS:-2}

# --- what the benchmark needs ---
sh scripts/install-deps.sh build
bench_packages="hyperfine time fonts-dejavu-core fonts-freefont-otf fonts-wqy-microhei
 fonts-noto-color-emoji gsfonts xfonts-base fonts-wine fontconfig freetype2-demos"
missing=""
for package in $bench_packages; do
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

# --- builds ---
build=build-bench
work=$build/bench
mkdir -p "$work"
echo "Building typeprobe (default build) in $build/ ..."
cmake -S . -B "$build" -DTYPEPROBE_TESTS=OFF >"$work/cmake.log"
cmake --build "$build" -j"$jobs" --target typeprobe >>"$work/cmake.log"
echo "Building typeprobe with the shared C++ runtime in $build/shared-runtime/ ..."
cmake -S . -B "$build/shared-runtime" -DTYPEPROBE_TESTS=OFF -DTYPEPROBE_STATIC_RUNTIME=OFF >>"$work/cmake.log"
cmake --build "$build/shared-runtime" -j"$jobs" --target typeprobe >>"$work/cmake.log"

# The baseline gets the optimisation level of the default build (-O2).
# shellcheck disable=SC2046
${CC:-cc} -O2 -std=c99 -Wall -Wextra -Wpedantic bench/baseline.c \
    $(pkg-config --cflags --libs freetype2) -o "$work/baseline"
${CXX:-c++} -O2 -std=c++17 -Wall -Wextra -Wpedantic bench/make_collection.cpp -o "$work/make_collection"

typeprobe=$(pwd)/$build/typeprobe
typeprobe_shared=$(pwd)/$build/shared-runtime/typeprobe
baseline=$(pwd)/$work/baseline

one_face=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
collection=$(pwd)/$work/collection-64.ttc
# Drops a file's pages from the page cache (see the memory figures below).
evict() { sync "$1" 2>/dev/null || sync; dd if="$1" iflag=nocache count=0 status=none 2>/dev/null || true; }
"$work/make_collection" "$one_face" "$collection" 64
evict "$collection"

# label|path: one of each format, then the generated collection.
fonts="TrueType|$one_face
CFF-OpenType|/usr/share/fonts/opentype/freefont/FreeSerif.otf
TTC-2|/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
colour-CBDT|/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf
Type1-pfb|/usr/share/fonts/X11/Type1/NimbusRoman-Regular.pfb
PCF-gz|/usr/share/fonts/X11/misc/10x20-ISO8859-1.pcf.gz
FON-3|/usr/share/wine/fonts/sserife.fon
TTC-64|$collection"

have_fc_query=$(command -v fc-query || true)
have_ftdump=$(command -v ftdump || true)

load() { cut -d' ' -f1-3 /proc/loadavg; }

echo
echo "Conditions: $(nproc) CPUs, load average $(load) at start, hyperfine $(hyperfine --version | cut -d' ' -f2),"
echo "FreeType $(pkg-config --modversion freetype2) (libtool version), runs=$runs warmup=$warmup,"
echo "typeprobe: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt") build," \
    "static C++ runtime $(sed -n 's/^TYPEPROBE_STATIC_RUNTIME:BOOL=//p' "$build/CMakeCache.txt")."
echo

rm -f "$work"/*.csv
printf '%s\n' "$fonts" | while IFS='|' read -r label path; do
    if [ ! -r "$path" ]; then
        echo "skipping $label: $path is missing"
        continue
    fi
    echo "== $label: $path"
    set -- -n baseline "$baseline $path" \
        -n typeprobe "$typeprobe $path" \
        -n typeprobe-shared-rt "$typeprobe_shared $path"
    [ -n "$have_fc_query" ] && set -- "$@" -n fc-query "fc-query $path"
    [ -n "$have_ftdump" ] && set -- "$@" -n ftdump "ftdump $path"
    hyperfine -N -i --style basic --warmup "$warmup" --runs "$runs" \
        --export-csv "$work/$label.null.csv" "$@" >"$work/$label.null.txt" 2>&1
    hyperfine -N --output=pipe --style basic --warmup "$warmup" --runs "$runs" \
        --export-csv "$work/$label.pipe.csv" \
        -n baseline "$baseline $path" -n typeprobe "$typeprobe $path" >"$work/$label.pipe.txt" 2>&1
    hyperfine --style basic --warmup "$warmup" --runs "$runs" \
        --export-csv "$work/$label.cat.csv" \
        -n baseline "$baseline $path | cat >/dev/null" \
        -n typeprobe "$typeprobe $path | cat >/dev/null" >"$work/$label.cat.txt" 2>&1
done

echo
echo "Medians in milliseconds; (x) is the ratio to the baseline of the same hyperfine run."
echo "pipe: typeprobe into a pipe hyperfine drains; |cat: 'typeprobe F | cat >/dev/null'"
echo "against 'baseline F | cat >/dev/null'."
echo
printf '%s\n' "$fonts" | awk -F'|' -v work="$work" '
function median(file, name,    line, n, f, value) {
    value = ""
    while ((getline line < file) > 0) {
        n = split(line, f, ",")
        if (f[1] == name) value = f[4] * 1000
    }
    close(file)
    return value
}
function cell(value, base) {
    if (value == "") return sprintf("%16s", "-")
    return sprintf("%8.2f (%4.2fx)", value, value / base)
}
BEGIN {
    printf "%-13s %6s %16s %16s %16s %16s %16s %16s\n", "font", "base", "typeprobe", "shared-rt", \
        "pipe", "|cat", "fc-query", "ftdump"
}
{
    label = $1
    null = work "/" label ".null.csv"; pipe = work "/" label ".pipe.csv"; cat = work "/" label ".cat.csv"
    base = median(null, "baseline")
    if (base == "") next
    tp = median(null, "typeprobe"); sh = median(null, "typeprobe-shared-rt")
    fq = median(null, "fc-query"); fd = median(null, "ftdump")
    pb = median(pipe, "baseline"); pt = median(pipe, "typeprobe")
    cb = median(cat, "baseline"); ct = median(cat, "typeprobe")
    printf "%-13s %6.2f %s %s %s %s %s %s\n", label, base, cell(tp, base), cell(sh, base), \
        cell(pt, pb), cell(ct, cb), cell(fq, base), cell(fd, base)
    sb += base; stp += tp; ssh += sh; spb += pb; spt += pt; scb += cb; sct += ct
    if (fq != "") { sfq += fq; fqn++ }
    if (fd != "") { sfd += fd; fdn++ }
    rows++
}
END {
    if (rows == 0) exit
    printf "%-13s %6.2f %s %s %s %s %s %s\n", "whole set", sb, cell(stp, sb), cell(ssh, sb), \
        cell(spt, spb), cell(sct, scb), fqn == rows ? cell(sfq, sb) : cell("", sb), \
        fdn == rows ? cell(sfd, sb) : cell("", sb)
    printf "\ntypeprobe to /dev/null over the whole set: %.2fx the baseline (target 1.30x): %s\n", \
        stp / sb, stp / sb <= 1.3 ? "met" : "NOT met"
}'

# --- peak memory: one face open at a time, so 64 faces cost what one does ---
# FreeType maps the font file, so the peak counts the file pages mapped in,
# and how many the kernel maps around each fault depends on what of the file
# sits in the page cache: a file just written (the generated collections) is
# cached whole and shows several hundred kbytes more than one read from disk.
# Every file is therefore dropped from the cache and read once before it is
# measured.
max_rss() {
    # Median of nine "Maximum resident set size" figures of /usr/bin/time -v.
    for i in 1 2 3 4 5 6 7 8 9; do
        /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
    done | sort -n | sed -n 5p
}
one_face_ttc=$(pwd)/$work/collection-1.ttc
"$work/make_collection" "$one_face" "$one_face_ttc" 1
for file in "$one_face" "$one_face_ttc" "$collection"; do
    evict "$file"
    "$baseline" "$file"
done
echo
echo "Peak resident memory (/usr/bin/time -v, median of 9 runs, kbytes):"
tp_ttf=$(max_rss "$typeprobe" "$one_face")
tp_one=$(max_rss "$typeprobe" "$one_face_ttc")
tp_many=$(max_rss "$typeprobe" "$collection")
bl_ttf=$(max_rss "$baseline" "$one_face")
bl_one=$(max_rss "$baseline" "$one_face_ttc")
bl_many=$(max_rss "$baseline" "$collection")
awk -v a="$tp_ttf" -v b="$tp_one" -v c="$tp_many" -v d="$bl_ttf" -v e="$bl_one" -v f="$bl_many" 'BEGIN {
    printf "  %-10s %12s %12s %12s %10s %10s\n", "", "source TTF", "1-face TTC", "64-face TTC", \
        "64/TTF", "64/1-TTC"
    printf "  %-10s %12d %12d %12d %10.3f %10.3f\n", "typeprobe", a, b, c, c / a, c / b
    printf "  %-10s %12d %12d %12d %10.3f %10.3f\n", "baseline", d, e, f, f / d, f / e
    worst = c / a > c / b ? c / a : c / b
    printf "typeprobe, 64 faces against one: %+.1f%% (target within 10%%): %s\n", \
        (worst - 1) * 100, worst <= 1.1 ? "met" : "NOT met"
}'
echo
echo "Load average at the end: $(load).  Raw hyperfine output: $work/*.txt"
