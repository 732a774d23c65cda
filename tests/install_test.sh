#!/bin/sh
# Installs the built tool into a scratch prefix and checks what a user gets:
# the installed executable runs on its own (version line, a report on a
# fixture font) and the manual page renders without a warning.
#
#   install_test.sh BUILD_DIR SOURCE_DIR
set -eu

build_dir=$1
source_dir=$2
cmake=${CMAKE_COMMAND:-cmake}

stage=$(mktemp -d "${TMPDIR:-/tmp}/typeprobe-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT INT TERM

fail() {
    echo "install_test: $*" >&2
    exit 1
}

"$cmake" --install "$build_dir" --prefix "$stage/usr" >"$stage/install.log" 2>&1 ||
    { cat "$stage/install.log" >&2; fail "cmake --install failed"; }

tool=$stage/usr/bin/typeprobe
page=$stage/usr/share/man/man1/typeprobe.1
[ -x "$tool" ] || fail "no executable at bin/typeprobe"
[ -f "$page" ] || fail "no manual page at share/man/man1/typeprobe.1"

# The installed copy, run from elsewhere, answers like the built one.
version=$(cd "$stage" && "$tool" --version)
[ "$version" = "Typeprobe ver.0.5 by orlenwick" ] || fail "unexpected version line: $version"

fixture=$source_dir/tests/fixtures/sample.ttf
report=$(cd "$stage" && "$tool" "$fixture")
first=$(printf '%s\n' "$report" | sed -n 1p)
[ "$first" = "Font file '$fixture' has 1 faces." ] || fail "unexpected count line: $first"
printf '%s\n' "$report" | grep -q '^OS/2 header:$' || fail "report of $fixture has no OS/2 section"
printf '%s\n' "$report" | grep -q '^Hori header:$' || fail "report of $fixture has no Hori header section"

# The page renders, with its name and its sections, and groff has nothing
# to complain about.
rendered=$(MANWIDTH=80 man -l -P cat "$page" 2>/dev/null)
for heading in NAME SYNOPSIS DESCRIPTION OUTPUT "EXIT STATUS" EXAMPLES; do
    printf '%s\n' "$rendered" | grep -q "^$heading\$" || fail "manual page lacks the $heading section"
done
printf '%s\n' "$rendered" | grep -q 'typeprobe - print what FreeType knows' || fail "manual page lacks its NAME line"
warnings=$(MANWIDTH=80 MANPAGER=cat man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"

echo "install_test: ok"
