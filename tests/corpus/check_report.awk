# Checks the structure of one typeprobe report, line by line.
#
#   awk -f check_report.awk REPORT     (the font's path in ENVIRON["FONT"])
#
# The report must be the count line, then for every face index from 0 up
# to the count either the failure line or a face block:
#
#   the dashed banner naming the file, the index and the family
#   "Flags:" and 14 flag lines
#   an empty line, "FT_Face members:" and 22 member lines
#   one "CharMap #i:" line per charmap, one "Size #i:" line per strike
#   optionally "WinFNT header:" and 35 lines
#   optionally "OS/2 header:" and 39 lines
#   optionally "Hori header:" and 15 lines
#
# and nothing after the last face.  Prints the first fault and exits 1.

{ line[NR] = $0 }

function fail(what) {
    printf "%s: line %d: %s\n", ENVIRON["FONT"], at, what
    if (at in line) printf "  got: %s\n", line[at]
    exit_status = 1
    exit 1
}

function expect(text) {
    if (!(at in line) || line[at] != text) fail("expected '" text "'")
    at++
}

# `count` lines in a row that match `pattern`.
function expect_fields(count, pattern, section,    n) {
    for (n = 1; n <= count; n++) {
        if (!(at in line) || line[at] !~ pattern)
            fail(section " line " n " of " count " malformed or missing")
        at++
    }
}

# The value of the member line `label`, or fail.
function member(label,    n) {
    for (n = member_start; n < member_start + 22; n++) {
        if (index(line[n], "  " label ": ") == 1) return substr(line[n], length(label) + 5)
    }
    fail("no member line " label)
}

# Lines "PREFIX #0: ...", "PREFIX #1: ..." and so on: exactly `count` of them.
function expect_numbered(prefix, count,    n) {
    for (n = 0; n < count; n++) {
        if (!(at in line) || index(line[at], prefix " #" n ": ") != 1)
            fail("expected " prefix " line #" n " of " count)
        at++
    }
    if ((at in line) && index(line[at], prefix " #") == 1) fail("more " prefix " lines than the count")
}

function optional_section(heading, count, pattern) {
    if ((at in line) && line[at] == heading) {
        at++
        expect_fields(count, pattern, heading)
    }
}

END {
    if (exit_status) exit exit_status
    font = ENVIRON["FONT"]
    dashes = "-----------------------------------"
    at = 1

    head = "Font file '" font "' has "
    if (!(1 in line) || index(line[1], head) != 1) fail("no count line")
    faces = substr(line[1], length(head) + 1)
    if (faces !~ /^-?[0-9]+ faces\.$/) fail("malformed count line")
    faces += 0
    at = 2

    for (face = 0; face < faces; face++) {
        if ((at in line) && line[at] == "Unable to load face #" face ".") {
            at++
            continue
        }
        expect(dashes)
        banner = "File '" font "', face #" face ": '"
        if (!(at in line) || index(line[at], banner) != 1 || line[at] !~ /'$/)
            fail("expected the banner of face #" face)
        at++
        expect(dashes)

        expect("Flags:")
        expect_fields(14, "^  FT_[A-Z_]+\\(face\\): [0-9]+$", "Flags:")

        expect("")
        expect("FT_Face members:")
        member_start = at
        expect_fields(22, "^  face->[a-zA-Z_]+: ", "FT_Face members:")

        # "+ 0": compared as text, "13" would sort before "2".
        charmaps = member("face->num_charmaps") + 0
        if (member("face->charmaps") == "0" || charmaps < 0) charmaps = 0
        expect_numbered("CharMap", charmaps)
        sizes = member("face->num_fixed_sizes") + 0
        if (member("face->available_sizes") == "0" || sizes < 0) sizes = 0
        expect_numbered("Size", sizes)

        optional_section("WinFNT header:", 35, "^  (\\(int\\))?fnt\\.[a-zA-Z_]+: ")
        optional_section("OS/2 header:", 39, "^  (\\(unsigned int&\\))?pOS2->[a-zA-Z0-9_]+: ")
        optional_section("Hori header:", 15, "^  pHori->[a-zA-Z_]+: ")
    }
    if (at in line) fail("unexpected text after the last face")
}
