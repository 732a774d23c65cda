#!/bin/sh
# Times typeprobe against a baseline that makes the same FreeType calls and
# prints nothing, on a spread of real font formats and on a generated
# collection of 64 faces, and measures peak memory for one face against 64.
#
#   sh scripts/bench.sh            # from anywhere; builds into build-bench/
#   BENCH_ROUNDS=5 BENCH_RUNS=50 BENCH_WARMUP=10 sh scripts/bench.sh
#
# Installs what it needs from Debian's packages, builds typeprobe (the
# default build, and once more with the shared C++ runtime for comparison),
# the baseline and the collection generator, then runs hyperfine over every
# font, BENCH_ROUNDS times.  Per font and round, in one hyperfine run each:
#   A  standard output to /dev/null: baseline, typeprobe, typeprobe with the
#      shared C++ runtime, and fc-query and ftdump (from fontconfig and
#      freetype2-demos, installed for the comparison only; either is left
#      out if its command is missing);
#   B  standard output into a pipe that hyperfine drains: baseline, typeprobe;
#   C  through "| cat >/dev/null": baseline and typeprobe.
# Ratios are taken within one hyperfine run, which cancels much of the noise
# of a busy machine.  Results (CSV per font) stay in build-bench/bench/.
set -eu
cd "$(dirname "$0")/.."

runs=${BENCH_RUNS:-30}
warmup=${BENCH_WARMUP:-5}
rounds=${BENCH_ROUNDS:-3}
jobs=${BENCH_JOBS:-2}

# --- what the benchmark needs ---
sh scripts/install-deps.sh bench

# --- builds ---
build=build-bench
work=$build/bench
mkdir -p "$work"
echo "Building typeprobe (default build) in $build/ ..."
# The build type is the project's default, named so that an older cache in
# build-bench/ cannot change what is measured.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTYPEPROBE_TESTS=OFF \
    -DTYPEPROBE_STATIC_RUNTIME=ON >"$work/cmake.log"
cmake --build "$build" -j"$jobs" --target typeprobe >>"$work/cmake.log"
echo "Building typeprobe with the shared C++ runtime in $build/shared-runtime/ ..."
cmake -S . -B "$build/shared-runtime" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTYPEPROBE_TESTS=OFF \
    -DTYPEPROBE_STATIC_RUNTIME=OFF >>"$work/cmake.log"
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
echo "FreeType $(dpkg-query -W -f='${Version}' libfreetype6 2>/dev/null || pkg-config --modversion freetype2), rounds=$rounds runs=$runs warmup=$warmup,"
echo "typeprobe: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt") build," \
    "static C++ runtime $(sed -n 's/^TYPEPROBE_STATIC_RUNTIME:BOOL=//p' "$build/CMakeCache.txt")."
echo

rm -f "$work"/*.csv "$work"/*.txt
# The fonts are gone through in several rounds, so that a change in the
# machine's load hits every command and font alike; each figure below is
# the median over the rounds.
round=1
while [ "$round" -le "$rounds" ]; do
    echo "Round $round of $rounds ..."
    printf '%s\n' "$fonts" | while IFS='|' read -r label path; do
        if [ ! -r "$path" ]; then
            [ "$round" -eq 1 ] && echo "skipping $label: $path is missing"
            continue
        fi
        out=$work/$label
        set -- -n baseline "$baseline $path" \
            -n typeprobe "$typeprobe $path" \
            -n typeprobe-shared-rt "$typeprobe_shared $path"
        [ -n "$have_fc_query" ] && set -- "$@" -n fc-query "fc-query $path"
        [ -n "$have_ftdump" ] && set -- "$@" -n ftdump "ftdump $path"
        hyperfine -N -i --style basic --warmup "$warmup" --runs "$runs" \
            --export-csv "$out.null.$round.csv" "$@" >>"$out.null.txt" 2>&1
        hyperfine -N --output=pipe --style basic --warmup "$warmup" --runs "$runs" \
            --export-csv "$out.pipe.$round.csv" \
            -n baseline "$baseline $path" -n typeprobe "$typeprobe $path" >>"$out.pipe.txt" 2>&1
        hyperfine --style basic --warmup "$warmup" --runs "$runs" \
            --export-csv "$out.cat.$round.csv" \
            -n baseline "$baseline $path | cat >/dev/null" \
            -n typeprobe "$typeprobe $path | cat >/dev/null" >>"$out.cat.txt" 2>&1
    done
    round=$((round + 1))
done

echo
echo "Wall-clock medians in milliseconds (median over $rounds rounds of hyperfine's median of"
echo "$runs runs); (x) is the ratio to the baseline measured alongside.  typeprobe and"
echo "shared-rt (shared libstdc++), fc-query, ftdump: output to /dev/null.  pipe: typeprobe"
echo "into a pipe that hyperfine drains.  |cat: 'typeprobe F | cat >/dev/null' against"
echo "'baseline F | cat >/dev/null'."
echo
printf '%s\n' "$fonts" | awk -F'|' -v work="$work" -v rounds="$rounds" '
# The median over the rounds of one statistic of one command: "wall" is
# hyperfine'"'"'s median wall time, "cpu" its mean user plus system time.
function stat(label, mode, name, what,    r, file, line, f, n, v, i, j, t) {
    n = 0
    for (r = 1; r <= rounds; r++) {
        file = work "/" label "." mode "." r ".csv"
        while ((getline line < file) > 0) {
            split(line, f, ",")
            if (f[1] == name) v[++n] = (what == "wall" ? f[4] : f[5] + f[6]) * 1000
        }
        close(file)
    }
    if (n == 0) return ""
    for (i = 2; i <= n; i++) {
        t = v[i]
        for (j = i - 1; j >= 1 && v[j] > t; j--) v[j + 1] = v[j]
        v[j + 1] = t
    }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
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
    base = stat(label, "null", "baseline", "wall")
    if (base == "") next
    tp = stat(label, "null", "typeprobe", "wall"); sh = stat(label, "null", "typeprobe-shared-rt", "wall")
    fq = stat(label, "null", "fc-query", "wall"); fd = stat(label, "null", "ftdump", "wall")
    pb = stat(label, "pipe", "baseline", "wall"); pt = stat(label, "pipe", "typeprobe", "wall")
    cb = stat(label, "cat", "baseline", "wall"); ct = stat(label, "cat", "typeprobe", "wall")
    printf "%-13s %6.2f %s %s %s %s %s %s\n", label, base, cell(tp, base), cell(sh, base), \
        cell(pt, pb), cell(ct, cb), cell(fq, base), cell(fd, base)
    sb += base; stp += tp; ssh += sh; spb += pb; spt += pt; scb += cb; sct += ct
    if (fq != "") { sfq += fq; fqn++ }
    if (fd != "") { sfd += fd; fdn++ }
    cbase += stat(label, "null", "baseline", "cpu"); ctp += stat(label, "null", "typeprobe", "cpu")
    csh += stat(label, "null", "typeprobe-shared-rt", "cpu")
    rows++
}
END {
    if (rows == 0) exit
    printf "%-13s %6.2f %s %s %s %s %s %s\n", "whole set", sb, cell(stp, sb), cell(ssh, sb), \
        cell(spt, spb), cell(sct, scb), fqn == rows ? cell(sfq, sb) : cell("", sb), \
        fdn == rows ? cell(sfd, sb) : cell("", sb)
    printf "\nCPU time (user + system) over the whole set, output to /dev/null: baseline %.2f ms,\n", cbase
    printf "typeprobe %.2f ms (%.2fx), shared-rt %.2f ms (%.2fx).\n", ctp, ctp / cbase, csh, csh / cbase
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
