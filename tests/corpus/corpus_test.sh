#!/bin/sh
# Runs typeprobe on every font file that a set of Debian font packages
# installs and checks each run: exit status 0, nothing on standard error, and
# a report whose structure is intact (check_report.awk).
#
#   sh tests/corpus/corpus_test.sh TYPEPROBE [DIRECTORY...]
#
# Every file below each DIRECTORY is checked the same way (the damaged fonts
# of fuzz/corpus, say: a broken font must still give a well-formed report).
# The packages are installed by `sh scripts/install-deps.sh test`.  Exits 77
# (skipped) when none of them is installed, 1 on the first report that fails
# a check (xargs stops at the first failing font).  Two files run at a time.
set -eu

here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --one ]; then
    # One font: called by xargs below.
    tool=$2
    font=$3
    out=$(mktemp)
    err=$(mktemp)
    trap 'rm -f "$out" "$err"' EXIT
    status=0
    "$tool" "$font" >"$out" 2>"$err" || status=$?
    # Status 255 makes xargs stop starting new fonts.
    if [ "$status" -ne 0 ]; then
        echo "$font: exit status $status"
        sed 's/^/  stderr: /' "$err" | head -40
        exit 255
    fi
    if [ -s "$err" ]; then
        echo "$font: wrote to standard error:"
        sed 's/^/  stderr: /' "$err" | head -40
        exit 255
    fi
    FONT=$font awk -f "$here/check_report.awk" "$out" || exit 255
    exit 0
fi

tool=${1:?usage: corpus_test.sh TYPEPROBE [DIRECTORY...]}
shift

# TrueType, CFF OpenType, Type 1, a TrueType collection, colour bitmaps
# (CBDT), PCF (gzipped), OpenType bitmap and Windows FON/FNT.
packages="fonts-dejavu-core fonts-liberation2 fonts-freefont-otf fonts-noto-color-emoji
fonts-cantarell fonts-wqy-microhei fonts-urw-base35 xfonts-base fonts-terminus
fonts-terminus-otb fonts-wine"

list=$(mktemp)
trap 'rm -f "$list"' EXIT
installed=""
for package in $packages; do
    if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        installed="$installed $package"
    else
        echo "not installed: $package (sh scripts/install-deps.sh test installs it)"
    fi
done
if [ -z "$installed" ]; then
    echo "no font package installed: skipped"
    exit 77
fi

# shellcheck disable=SC2086
dpkg -L $installed |
    grep -iE '\.(ttf|otf|ttc|otc|otb|t1|pfb|pfa|pcf|pcf\.gz|bdf|bdf\.gz|fon|fnt|woff|woff2)$' |
    while IFS= read -r file; do [ -f "$file" ] && printf '%s\n' "$file"; done |
    sort -u >"$list"
for directory in "$@"; do
    find "$directory" -type f | sort >>"$list"
done

files=$(wc -l <"$list")
echo "checking $files font files from:$installed $*"
if [ "$files" -eq 0 ]; then
    echo "the packages installed no font file"
    exit 1
fi

start=$(date +%s)
if ! tr '\n' '\0' <"$list" | xargs -0 -n1 -P2 sh "$0" --one "$tool"; then
    echo "FAILED: see the lines above"
    exit 1
fi
echo "all $files reports intact in $(( $(date +%s) - start )) s"
