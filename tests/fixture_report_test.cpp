// Reports on real font files, read through FreeType: the fixtures of
// tests/fixtures (see its README for what each one carries) and, where
// installed, a multi-face Windows FON from Debian's fonts-wine.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report.h"
#include "test_support.h"
#include "typeprobe.h"

#include FT_WINFONTS_H

namespace {

using Lines = std::vector<std::string>;

// The report of one fixture, run from the fixtures directory.
Lines Report(const std::string& fixture)
{
    const ToolResult result = RunTool({fixture}, FixturePath(""));
    EXPECT_EQ(result.status, 0) << fixture;
    EXPECT_EQ(result.err, "") << fixture;
    return SplitLines(result.out);
}

// Field lines start with two blanks; everything else is a heading, a banner,
// a charmap or strike line, or the count line.
bool IsFieldLine(const std::string& line) { return line.rfind("  ", 0) == 0; }

// The value of the first field line with this label, or "<missing>".
std::string Value(const Lines& lines, const std::string& label)
{
    const std::string prefix = "  " + label + ": ";
    for (const std::string& line : lines) {
        if (line.rfind(prefix, 0) == 0) {
            return line.substr(prefix.size());
        }
    }
    return "<missing>";
}

// The field lines right after `heading`, up to the next line that is not a
// field line; empty when the heading is absent.
Lines Section(const Lines& lines, const std::string& heading)
{
    Lines section;
    auto it = std::find(lines.begin(), lines.end(), heading);
    if (it == lines.end()) {
        return section;
    }
    for (++it; it != lines.end() && IsFieldLine(*it); ++it) {
        section.push_back(*it);
    }
    return section;
}

bool Has(const Lines& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Each table row: fixture, field label (without indent), expected value.
struct FieldCase {
    const char* fixture;
    const char* label;
    std::string value;
};

void ExpectFields(const std::vector<FieldCase>& cases)
{
    for (const FieldCase& c : cases) {
        EXPECT_EQ(Value(Report(c.fixture), c.label), c.value) << c.fixture << " " << c.label;
    }
}

TEST(FixtureReport, FlagLinesFollowTheFontsContents)
{
    // Expected from what each font holds: sample has a kern table and post
    // format 3; flags adds vhea/vmtx, post format 2 and isFixedPitch; the
    // bitmap faces are neither scalable nor SFNT but have one strike.
    ExpectFields({
        {"sample.ttf", "FT_HAS_HORIZONTAL(face)", "16"},
        {"sample.ttf", "FT_HAS_VERTICAL(face)", "0"},
        {"sample.ttf", "FT_HAS_KERNING(face)", "64"},
        {"sample.ttf", "FT_IS_SCALABLE(face)", "1"},
        {"sample.ttf", "FT_IS_SFNT(face)", "8"},
        {"sample.ttf", "FT_IS_FIXED_WIDTH(face)", "0"},
        {"sample.ttf", "FT_HAS_FIXED_SIZES(face)", "0"},
        {"sample.ttf", "FT_HAS_GLYPH_NAMES(face)", "0"},
        {"flags.ttf", "FT_HAS_VERTICAL(face)", "32"},
        {"flags.ttf", "FT_HAS_KERNING(face)", "64"},
        {"flags.ttf", "FT_IS_FIXED_WIDTH(face)", "4"},
        {"flags.ttf", "FT_HAS_GLYPH_NAMES(face)", "512"},
        {"cmaps.ttf", "FT_HAS_KERNING(face)", "0"},
        {"cff.otf", "FT_IS_SCALABLE(face)", "1"},
        {"cff.otf", "FT_IS_SFNT(face)", "8"},
        {"cff.otf", "FT_HAS_GLYPH_NAMES(face)", "512"},
        {"bitmap.bdf", "FT_IS_SCALABLE(face)", "0"},
        {"bitmap.bdf", "FT_IS_SFNT(face)", "0"},
        {"bitmap.bdf", "FT_HAS_FIXED_SIZES(face)", "2"},
        {"bitmap.bdf", "FT_IS_FIXED_WIDTH(face)", "4"},
        {"fnt/v2.fnt", "FT_IS_SCALABLE(face)", "0"},
        {"fnt/v2.fnt", "FT_HAS_FIXED_SIZES(face)", "2"},
    });
}

TEST(FixtureReport, OS2AndHoriValues)
{
    ExpectFields({
        // Vendor tags as little-endian integers: "ABCD", four blanks, four
        // zero bytes, "TPRB".
        {"cff.otf", "(unsigned int&)pOS2->achVendID", "1145258561"},
        {"flags.ttf", "(unsigned int&)pOS2->achVendID", "538976288"},
        {"cmaps.ttf", "(unsigned int&)pOS2->achVendID", "0"},
        {"sample.ttf", "(unsigned int&)pOS2->achVendID", "1112690772"},
        // Range words with the top bit set stay positive.
        {"flags.ttf", "pOS2->ulUnicodeRange1", "2147483649"},
        {"flags.ttf", "pOS2->ulUnicodeRange2", "2147483648"},
        {"flags.ttf", "pOS2->ulUnicodeRange4", "4294967295"},
        {"flags.ttf", "pOS2->ulCodePageRange1", "2147483649"},
        {"flags.ttf", "pOS2->ulCodePageRange2", "4294967295"},
        {"flags.ttf", "pOS2->usWeightClass", "65535"},
        {"sample.ttf", "pOS2->version", "4"},
        {"cff.otf", "pOS2->version", "3"},
        {"cmaps.ttf", "pOS2->version", "0"},
        {"sample.ttf", "pOS2->sTypoDescender", "-200"},
        {"sample.ttf", "pHori->Version", "65536"},
        {"sample.ttf", "pHori->Descender", "-200"},
        {"no-os2.ttf", "pHori->Version", "65536"},
    });
}

TEST(FixtureReport, PanoseLineNamesEachByteOnce)
{
    const Lines sample = Report("sample.ttf");
    EXPECT_TRUE(Has(sample,
                    "  pOS2->panose: PAN_FAMILY_TEXT_DISPLAY, PAN_SERIF_NORMAL_SANS, PAN_WEIGHT_MEDIUM, "
                    "PAN_PROP_EVEN_WIDTH, PAN_CONTRAST_NONE, PAN_STROKE_GRADUAL_DIAG, PAN_STRAIGHT_ARMS_HORZ, "
                    "PAN_LETT_NORMAL_CONTACT, PAN_MIDLINE_STANDARD_TRIMMED, PAN_XHEIGHT_CONSTANT_LARGE"));
    // Bytes alternately at their table's highest value and one past it;
    // the last is 255.
    const Lines flags = Report("flags.ttf");
    EXPECT_TRUE(Has(flags,
                    "  pOS2->panose: PAN_FAMILY_PICTORIAL, (unknown), PAN_WEIGHT_NORD, (unknown), "
                    "PAN_CONTRAST_VERY_HIGH, (unknown), PAN_BENT_ARMS_DOUBLE_SERIF, (unknown), "
                    "PAN_MIDLINE_LOW_SERIFED, (unknown)"));
}

TEST(FixtureReport, SectionsPresentOnlyWhereFreeTypeHasTheirData)
{
    struct Case {
        const char* fixture;
        std::size_t winfnt, os2, hori;  // field lines under each heading
    };
    const std::vector<Case> cases = {
        {"sample.ttf", 0, 39, 15},  {"cmaps.ttf", 0, 39, 15},  // OS/2 version 0 too
        {"cff.otf", 0, 39, 15},     {"no-os2.ttf", 0, 0, 15},
        {"fnt/v2.fnt", 35, 0, 0},       {"fnt/v3-limits.fnt", 35, 0, 0},
        {"bitmap.bdf", 0, 0, 0},    {"bitmap.pcf", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Lines lines = Report(c.fixture);
        EXPECT_EQ(Has(lines, "WinFNT header:"), c.winfnt != 0) << c.fixture;
        EXPECT_EQ(Has(lines, "OS/2 header:"), c.os2 != 0) << c.fixture;
        EXPECT_EQ(Has(lines, "Hori header:"), c.hori != 0) << c.fixture;
        EXPECT_EQ(Section(lines, "WinFNT header:").size(), c.winfnt) << c.fixture;
        EXPECT_EQ(Section(lines, "OS/2 header:").size(), c.os2) << c.fixture;
        EXPECT_EQ(Section(lines, "Hori header:").size(), c.hori) << c.fixture;
        EXPECT_EQ(Section(lines, "FT_Face members:").size(), 22u) << c.fixture;
        // The last section runs to the end of the report.
        const Lines last = c.hori     ? Section(lines, "Hori header:")
                            : c.winfnt ? Section(lines, "WinFNT header:")
                                       : Lines{};
        if (!last.empty()) {
            EXPECT_EQ(lines.back(), last.back()) << c.fixture;
        }
    }
}

TEST(FixtureReport, CharmapsWithoutNamesAreNumberedFromZero)
{
    // FreeType keeps every subtable, in table order; those it does not
    // recognise get FT_ENCODING_NONE.
    const Lines lines = Report("cmaps.ttf");
    const Lines expected = {
        "  face->charmap: 0x",
        "CharMap #0: FT_ENCODING_UNICODE, TT_PLATFORM_APPLE_UNICODE, TT_APPLE_ID_UNICODE_2_0",
        "CharMap #1: FT_ENCODING_UNICODE, TT_PLATFORM_MICROSOFT, TT_MS_ID_UNICODE_CS",
        "CharMap #2: FT_ENCODING_NONE, TT_PLATFORM_MICROSOFT, (unknown)",
        "CharMap #3: FT_ENCODING_NONE, TT_PLATFORM_CUSTOM, TT_PLATFORM_CUSTOM",
        "CharMap #4: FT_ENCODING_NONE, (unknown), (unknown)",
        "OS/2 header:",
    };
    auto it = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("  face->charmap: ", 0) == 0; });
    ASSERT_GE(lines.end() - it, static_cast<long>(expected.size()));
    EXPECT_EQ(it->substr(0, expected[0].size()), expected[0]);
    EXPECT_EQ(Lines(it + 1, it + static_cast<long>(expected.size())), Lines(expected.begin() + 1, expected.end()));
    EXPECT_EQ(Value(lines, "face->num_charmaps"), "5");

    const Lines sample = Report("sample.ttf");
    EXPECT_TRUE(Has(sample, "CharMap #1: FT_ENCODING_APPLE_ROMAN, TT_PLATFORM_MACINTOSH, TT_MAC_ID_ROMAN"));
    EXPECT_TRUE(Has(sample, "CharMap #3: FT_ENCODING_UNICODE, TT_PLATFORM_MICROSOFT, TT_MS_ID_UCS_4"));
}

TEST(FixtureReport, StrikeLinesFollowCharmapLines)
{
    // An 8x13 BDF strike: x_ppem and y_ppem are 13 pixels in 26.6 units.
    for (const char* fixture : {"bitmap.bdf", "bitmap.pcf"}) {
        const Lines lines = Report(fixture);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "CharMap #0: FT_ENCODING_UNICODE, TT_PLATFORM_MICROSOFT, TT_MS_ID_UNICODE_CS")
            << fixture;
        EXPECT_EQ(lines.back(), "Size #0: (13, 8), 638, (832, 832)") << fixture;
        EXPECT_EQ(Value(lines, "face->num_fixed_sizes"), "1") << fixture;
    }
    // FNT: height is pixel_height plus external_leading, y_ppem the pixel
    // height in 26.6 units; the WinFNT heading comes straight after.
    const Lines fnt = Report("fnt/v2.fnt");
    auto it = std::find(fnt.begin(), fnt.end(), "Size #0: (9, 8), 384, (512, 512)");
    ASSERT_NE(it, fnt.end());
    ASSERT_NE(it + 1, fnt.end());
    EXPECT_EQ(*(it + 1), "WinFNT header:");
    // A scalable face has no strike line.
    const Lines sample = Report("sample.ttf");
    EXPECT_EQ(Value(sample, "face->num_fixed_sizes"), "0");
    EXPECT_EQ(std::count_if(sample.begin(), sample.end(),
                            [](const std::string& l) { return l.rfind("Size #", 0) == 0; }),
              0);
}

TEST(FixtureReport, WinFNTHeaderValues)
{
    ExpectFields({
        {"fnt/v2.fnt", "fnt.version", "512"},
        {"fnt/v2.fnt", "fnt.file_size", "156"},
        {"fnt/v3-limits.fnt", "fnt.version", "768"},
        {"fnt/v3-limits.fnt", "fnt.weight", "65535"},
        {"fnt/v3-limits.fnt", "fnt.vertical_resolution", "65535"},
        {"fnt/v3-limits.fnt", "fnt.device_offset", "4294967295"},
        {"fnt/v3-limits.fnt", "fnt.bits_pointer", "4294967295"},
        {"fnt/v3-limits.fnt", "fnt.flags", "4294967295"},
        {"fnt/v3-limits.fnt", "fnt.A_space", "65535"},
        {"fnt/v3-limits.fnt", "fnt.B_space", "65535"},
        {"fnt/v3-limits.fnt", "fnt.C_space", "65535"},
        {"fnt/v3-limits.fnt", "fnt.color_table_offset", "65535"},
        {"fnt/bytes-255.fnt", "(int)fnt.italic", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.underline", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.strike_out", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.charset", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.pitch_and_family", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.first_char", "32"},
        {"fnt/bytes-255.fnt", "(int)fnt.last_char", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.default_char", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.break_char", "255"},
        {"fnt/bytes-255.fnt", "(int)fnt.reserved", "255"},
    });
}

TEST(FixtureReport, WinFNTCopyrightIsTheBytesBeforeTheFirstZero)
{
    struct Case {
        const char* fixture;
        std::string line;
        const char* never;  // bytes after the first zero, or past the field
        std::string next;
    };
    const std::vector<Case> cases = {
        {"fnt/v2.fnt", "  fnt.copyright: Typeprobe 2.0", "HIDDEN", "  fnt.file_type: 0"},
        {"fnt/empty-copyright.fnt", "  fnt.copyright: ", "NOT SHOWN", "  fnt.file_type: 0"},
        {"fnt/high-bytes.fnt", "  fnt.copyright: \xa9 2024 Typeprobe caf\xe9 \xff", nullptr, "  fnt.file_type: 0"},
    };
    for (const Case& c : cases) {
        const ToolResult result = RunTool({c.fixture}, FixturePath(""));
        const Lines lines = SplitLines(result.out);
        auto it = std::find(lines.begin(), lines.end(), c.line);
        ASSERT_NE(it, lines.end()) << c.fixture;
        ASSERT_NE(it + 1, lines.end()) << c.fixture;
        EXPECT_EQ(*(it + 1), c.next) << c.fixture;
        if (c.never != nullptr) {
            EXPECT_EQ(result.out.find(c.never), std::string::npos) << c.fixture;
        }
    }

    // No zero byte in the 60: the line holds the whole field (how a cut text
    // is marked is the tool's choice) and nothing from the file_type word
    // ("BB") that follows the field in FreeType's record.
    const Lines lines = Report("fnt/v3-limits.fnt");
    const std::string full = "  fnt.copyright: Typeprobe 3.0 copyright that fills all sixty bytes of it....";
    auto it = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("  fnt.copyright: ", 0) == 0; });
    ASSERT_NE(it, lines.end());
    EXPECT_EQ(it->substr(0, full.size()), full);
    EXPECT_EQ(it->find("BB"), std::string::npos) << *it;
    ASSERT_NE(it + 1, lines.end());
    EXPECT_EQ(*(it + 1), "  fnt.file_type: 16962");
}

TEST(FixtureReport, EachFonFaceReportsItsOwnHeader)
{
    const std::string fon = "/usr/share/wine/fonts/sserife.fon";
    if (access(fon.c_str(), R_OK) != 0) {
        GTEST_SKIP() << fon << " is not installed (Debian package fonts-wine)";
    }
    const ToolResult result = RunTool({fon});
    const Lines lines = SplitLines(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Font file '" + fon + "' has 3 faces.");
    std::vector<std::string> heights;
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (*it == "WinFNT header:") {
            Lines section = Section(Lines(it, lines.end()), "WinFNT header:");
            EXPECT_EQ(section.size(), 35u);
            heights.push_back(Value(section, "fnt.pixel_height"));
        }
    }
    ASSERT_EQ(heights.size(), 3u);
    EXPECT_NE(heights[0], heights[1]);
    EXPECT_NE(heights[1], heights[2]);
    for (long face = 0; face < 3; ++face) {
        FixtureFace direct(fon, face);
        ASSERT_NE(direct.get(), nullptr);
        FT_WinFNT_HeaderRec header;
        ASSERT_EQ(FT_Get_WinFNT_Header(direct.get(), &header), 0);
        EXPECT_EQ(heights[static_cast<std::size_t>(face)], std::to_string(header.pixel_height));
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "OS/2 header:"), 0);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Hori header:"), 0);
}

TEST(FixtureReport, CollectionReportsTheFaceThatFailsInItsPlace)
{
    const Lines lines = Report("collection.ttc");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Font file 'collection.ttc' has 3 faces.");
    const auto banner0 = std::find(lines.begin(), lines.end(), "File 'collection.ttc', face #0: 'Typeprobe Sample'");
    const auto failure = std::find(lines.begin(), lines.end(), "Unable to load face #1.");
    const auto banner2 = std::find(lines.begin(), lines.end(), "File 'collection.ttc', face #2: 'Typeprobe Flags'");
    ASSERT_NE(banner0, lines.end());
    ASSERT_NE(failure, lines.end());
    ASSERT_NE(banner2, lines.end());
    EXPECT_LT(banner0, failure);
    // The failure line comes straight after face 0's last line and just
    // before face 2's banner (the dashed line above it).
    EXPECT_EQ((failure - 1)->rfind("  pHori->short_metrics: ", 0), 0u);
    EXPECT_EQ(failure + 2, banner2);
    EXPECT_EQ(Value(Lines(banner2, lines.end()), "face->face_index"), "2");
    EXPECT_EQ(Value(Lines(banner2, lines.end()), "face->num_faces"), "3");
}

TEST(FixtureReport, PathIsWrittenByteForByte)
{
    char dir_template[] = "/tmp/typeprobe-path-XXXXXX";
    ASSERT_NE(mkdtemp(dir_template), nullptr);
    const std::string dir = dir_template;
    const std::string name = "it's a \"font\" caf\xc3\xa9 \xff.ttf";
    const std::string path = dir + "/" + name;
    {
        std::ofstream out(path, std::ios::binary);
        out << ReadFile(FixturePath("sample.ttf"));
    }
    for (const std::string& arg : {path, name}) {
        const ToolResult result = RunTool({arg}, dir);
        const Lines lines = SplitLines(result.out);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "Font file '" + arg + "' has 1 faces.");
        EXPECT_EQ(lines[2], "File '" + arg + "', face #0: 'Typeprobe Sample'");
    }
    unlink(path.c_str());
    rmdir(dir.c_str());
}

TEST(FixtureReport, FaceWithoutFamilyNameStillGetsItsWholeBlock)
{
    // A name table without IDs 1, 2, 16 and 17: FreeType leaves both
    // family_name and style_name null.
    FixtureFace face(FixturePath("no-family.ttf"));
    ASSERT_NE(face.get(), nullptr);
    EXPECT_EQ(face.get()->family_name, nullptr);
    EXPECT_EQ(face.get()->style_name, nullptr);

    const Lines lines = Report("no-family.ttf");
    const std::string shown = Value(lines, "face->family_name");
    ASSERT_NE(shown, "<missing>");
    EXPECT_TRUE(Has(lines, "File 'no-family.ttf', face #0: '" + shown + "'"));
    EXPECT_EQ(Section(lines, "FT_Face members:").size(), 22u);
    EXPECT_EQ(Value(lines, "face->style_name"), shown);
    EXPECT_EQ(Section(lines, "Hori header:").size(), 15u);
}

TEST(FixtureReport, EveryFieldLineIsFlushedOnce)
{
    // One whole face in-process: the field lines are the only flushed ones.
    for (const char* fixture : {"sample.ttf", "fnt/v3-limits.fnt", "bitmap.bdf"}) {
        FixtureFace face(FixturePath(fixture));
        ASSERT_NE(face.get(), nullptr) << fixture;
        CoutCapture capture;
        DoPrintFace(face.get(), fixture, 0);
        const Lines lines = SplitLines(capture.Text());
        const long fields = std::count_if(lines.begin(), lines.end(), IsFieldLine);
        EXPECT_EQ(capture.Flushes(), fields) << fixture;
        EXPECT_GT(fields, 35) << fixture;
    }
}

}  // namespace
