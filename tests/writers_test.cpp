// The section writers that only read FT_FaceRec's public members, run on
// face records built in memory: flag words, counts and arrays that no real
// font gives FreeType reason to produce.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "field.h"
#include "report.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kFlagLabels = {
    "  FT_HAS_HORIZONTAL(face)", "  FT_HAS_VERTICAL(face)",        "  FT_HAS_KERNING(face)",
    "  FT_IS_SCALABLE(face)",    "  FT_IS_SFNT(face)",             "  FT_IS_FIXED_WIDTH(face)",
    "  FT_HAS_FIXED_SIZES(face)", "  FT_HAS_GLYPH_NAMES(face)",    "  FT_HAS_MULTIPLE_MASTERS(face)",
    "  FT_IS_NAMED_INSTANCE(face)", "  FT_IS_VARIATION(face)",     "  FT_IS_CID_KEYED(face)",
    "  FT_IS_TRICKY(face)",      "  FT_HAS_COLOR(face)",
};

std::string FlagsSection(std::vector<long> values)
{
    std::string text = "Flags:\n";
    for (std::size_t i = 0; i < kFlagLabels.size(); ++i) {
        text += kFlagLabels[i] + ": " + std::to_string(values[i]) + "\n";
    }
    return text;
}

std::string Flags(long face_flags, long face_index)
{
    FT_FaceRec record{};
    record.face_flags = face_flags;
    record.face_index = face_index;
    CoutCapture capture;
    DoPrintFlags(&record);
    EXPECT_EQ(capture.Flushes(), 14);
    return capture.Text();
}

TEST(Flags, MaskedValuesInTableOrder)
{
    const std::vector<long> clear(14, 0);
    EXPECT_EQ(Flags(0, 0), FlagsSection(clear));

    // Every bit set: each line shows its own mask, bits 16 to 30 of the
    // face index on the named-instance line.
    EXPECT_EQ(Flags(~0L, 0x7FFFFFFFL),
              FlagsSection({16, 32, 64, 1, 8, 4, 2, 512, 256, 2147418112, 32768, 4096, 8192, 16384}));

    // Fast-glyphs, external-stream and hinter bits have no line of their own.
    EXPECT_EQ(Flags((1L << 7) | (1L << 10) | (1L << 11), 0), FlagsSection(clear));
}

TEST(Flags, NamedInstanceKeepsBits16To30InPlace)
{
    auto named_instance_line = [](long face_index) {
        return SplitLines(Flags(0, face_index))[10];
    };
    EXPECT_EQ(named_instance_line(0x0000FFFFL), "  FT_IS_NAMED_INSTANCE(face): 0");
    EXPECT_EQ(named_instance_line(0x00030002L), "  FT_IS_NAMED_INSTANCE(face): 196608");
    // Bit 31 never reaches the line, so the value is never negative.
    EXPECT_EQ(named_instance_line(static_cast<long>(0x80000000UL)), "  FT_IS_NAMED_INSTANCE(face): 0");
    EXPECT_EQ(named_instance_line(-1L), "  FT_IS_NAMED_INSTANCE(face): 2147418112");
}

TEST(Banner, NamesFileIndexAndFamily)
{
    FT_FaceRec record{};
    char family[] = "Caf\xc3\xa9 Sans";
    record.family_name = family;
    record.face_index = 99;  // the banner shows the loop index, not this
    const std::string dashes(35, '-');
    {
        CoutCapture capture;
        DoPrintFaceBanner(&record, "dir/it's a \"font\".ttf", 2);
        EXPECT_EQ(capture.Text(), dashes + "\nFile 'dir/it's a \"font\".ttf', face #2: 'Caf\xc3\xa9 Sans'\n" + dashes + "\n");
        EXPECT_EQ(capture.Flushes(), 0) << "banner lines are not flushed";
    }
    record.family_name = nullptr;
    CoutCapture capture;
    DoPrintFaceBanner(&record, "a.ttf", 0);
    EXPECT_EQ(capture.Text(), dashes + "\nFile 'a.ttf', face #0: '" + kNullText + "'\n" + dashes + "\n");
}

TEST(FaceMembers, RawMembersInOrder)
{
    FT_FaceRec record{};
    record.num_faces = 3;
    record.face_index = 0x10002;
    record.face_flags = 0x8A59;
    record.style_flags = 0x30003;
    record.num_glyphs = 1L << 20;
    record.family_name = nullptr;  // FreeType may leave names null
    char style[] = "Bold";
    record.style_name = style;
    record.num_fixed_sizes = 2;
    record.num_charmaps = 4;
    FT_CharMap charmaps[1] = {};
    record.charmaps = charmaps;
    record.units_per_EM = 65535;
    record.ascender = 1901;
    record.descender = -483;
    record.height = -1;
    record.max_advance_width = 32767;
    record.max_advance_height = -32768;
    record.underline_position = -85;
    record.underline_thickness = 90;

    CoutCapture capture;
    DoPrintFaceMembers(&record);
    EXPECT_EQ(capture.Text(), std::string("\nFT_Face members:\n") +
                                  "  face->num_faces: 3\n"
                                  "  face->face_index: 65538\n"
                                  "  face->face_flags: 35417\n"
                                  "  face->style_flags: 196611\n"
                                  "  face->num_glyphs: 1048576\n"
                                  "  face->family_name: " + kNullText + "\n"
                                  "  face->style_name: Bold\n"
                                  "  face->num_fixed_sizes: 2\n"
                                  "  face->available_sizes: 0\n"
                                  "  face->num_charmaps: 4\n"
                                  "  face->charmaps: " + RenderAddress(charmaps) + "\n"
                                  "  face->units_per_EM: 65535\n"
                                  "  face->ascender: 1901\n"
                                  "  face->descender: -483\n"
                                  "  face->height: -1\n"
                                  "  face->max_advance_width: 32767\n"
                                  "  face->max_advance_height: -32768\n"
                                  "  face->underline_position: -85\n"
                                  "  face->underline_thickness: 90\n"
                                  "  face->glyph: 0\n"
                                  "  face->size: 0\n"
                                  "  face->charmap: 0\n");
    EXPECT_EQ(capture.Flushes(), 22);
}

std::string CharMaps(FT_FaceRec& record)
{
    CoutCapture capture;
    DoPrintCharMaps(&record);
    EXPECT_EQ(capture.Flushes(), 0) << "charmap lines are not flushed";
    return capture.Text();
}

TEST(CharMaps, OneLinePerCharmapWithItsNames)
{
    FT_CharMapRec records[] = {
        {nullptr, FT_ENCODING_UNICODE, 0, 3},
        {nullptr, FT_ENCODING_APPLE_ROMAN, 1, 0},
        {nullptr, FT_ENCODING_UNICODE, 3, 1},
        {nullptr, FT_ENCODING_NONE, 4, 77},
        {nullptr, static_cast<FT_Encoding>(0x63696E75), 3, 7},  // 'cinu'
        {nullptr, FT_ENCODING_NONE, 65535, 65535},
    };
    FT_CharMap charmaps[] = {&records[0], &records[1], &records[2], &records[3], &records[4], &records[5]};
    FT_FaceRec record{};
    record.num_charmaps = 6;
    record.charmaps = charmaps;
    EXPECT_EQ(CharMaps(record),
              "CharMap #0: FT_ENCODING_UNICODE, TT_PLATFORM_APPLE_UNICODE, TT_APPLE_ID_UNICODE_2_0\n"
              "CharMap #1: FT_ENCODING_APPLE_ROMAN, TT_PLATFORM_MACINTOSH, TT_MAC_ID_ROMAN\n"
              "CharMap #2: FT_ENCODING_UNICODE, TT_PLATFORM_MICROSOFT, TT_MS_ID_UNICODE_CS\n"
              "CharMap #3: FT_ENCODING_NONE, TT_PLATFORM_CUSTOM, TT_PLATFORM_CUSTOM\n"
              "CharMap #4: (unknown), TT_PLATFORM_MICROSOFT, (unknown)\n"
              "CharMap #5: FT_ENCODING_NONE, (unknown), (unknown)\n");
}

TEST(CharMaps, NothingWithoutUsableArray)
{
    FT_CharMapRec unicode = {nullptr, FT_ENCODING_UNICODE, 3, 1};
    FT_CharMap with_hole[] = {&unicode, nullptr, &unicode};
    struct Case {
        const char* name;
        int count;
        FT_CharMap* array;
        std::string text;
    };
    const std::string line = "FT_ENCODING_UNICODE, TT_PLATFORM_MICROSOFT, TT_MS_ID_UNICODE_CS\n";
    const Case cases[] = {
        {"count without array", 2, nullptr, ""},
        {"array without count", 0, with_hole, ""},
        {"negative count", -1, with_hole, ""},
        // A null entry is never followed; the others keep their indices.
        {"null entry", 3, with_hole, "CharMap #0: " + line + "CharMap #2: " + line},
    };
    for (const Case& c : cases) {
        FT_FaceRec record{};
        record.num_charmaps = c.count;
        record.charmaps = c.array;
        EXPECT_EQ(CharMaps(record), c.text) << c.name;
    }
}

TEST(FixedSizes, RawValuesOneLinePerStrike)
{
    FT_Bitmap_Size strikes[] = {
        {13, 7, 640, 832, 832},
        {-2, -3, -64, -832, 0},
    };
    struct Case {
        const char* name;
        int count;
        FT_Bitmap_Size* array;
        std::string text;
    };
    const Case cases[] = {
        {"two strikes", 2, strikes, "Size #0: (13, 7), 640, (832, 832)\nSize #1: (-2, -3), -64, (-832, 0)\n"},
        {"count without array", 2, nullptr, ""},
        {"zero count", 0, strikes, ""},
        {"negative count", -5, strikes, ""},
    };
    for (const Case& c : cases) {
        FT_FaceRec record{};
        record.num_fixed_sizes = c.count;
        record.available_sizes = c.array;
        CoutCapture capture;
        DoPrintFixedSizes(&record);
        EXPECT_EQ(capture.Text(), c.text) << c.name;
        EXPECT_EQ(capture.Flushes(), 0) << c.name;
    }
}

}  // namespace
