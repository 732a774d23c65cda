#!/bin/sh
# Runs a program under valgrind's memcheck: no invalid access, no use of
# uninitialised memory and nothing definitely or indirectly lost.
#
#   sh tests/corpus/memcheck_test.sh PROGRAM ARGUMENT...
#
# Any argument that looks like an absolute path to a system font must
# exist; when one does not (its package is not installed) or valgrind is
# missing, the test is skipped with status 77.  Not for sanitizer builds:
# memcheck and AddressSanitizer cannot share a process.
set -eu

if ! command -v valgrind >/dev/null 2>&1; then
    echo "valgrind is not installed (sh scripts/install-deps.sh test installs it): skipped"
    exit 77
fi
for argument in "$@"; do
    case "$argument" in
    /usr/share/*)
        if [ ! -e "$argument" ]; then
            echo "$argument is not installed (sh scripts/install-deps.sh test installs it): skipped"
            exit 77
        fi ;;
    esac
done

out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
valgrind -q --error-exitcode=1 --errors-for-leak-kinds=definite,indirect --leak-check=full \
    "$@" >"$out" || status=$?
# The report's count line and banners, so the log shows what was covered.
grep -E "^(Font file '|File '|Unable to load)" "$out" || true
exit "$status"
