// The name renderers: tables of cases at the first and last rows, the gaps
// and one past the end, and a sweep over every 16-bit key that pins how
// many values each table names and that no name serves two values.
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "names.h"

namespace {

const std::string kUnknown = "(unknown)";

FT_Encoding Tag(char a, char b, char c, char d)
{
    return static_cast<FT_Encoding>((static_cast<unsigned long>(a) << 24) | (static_cast<unsigned long>(b) << 16) |
                                    (static_cast<unsigned long>(c) << 8) | static_cast<unsigned long>(d));
}

TEST(EncodingNames, PackedTags)
{
    const std::pair<unsigned long, const char*> cases[] = {
        {0x00000000, "FT_ENCODING_NONE"},
        {0x73796D62, "FT_ENCODING_MS_SYMBOL"},
        {0x756E6963, "FT_ENCODING_UNICODE"},
        {0x67622020, "FT_ENCODING_PRC"},  // 'gb  ', not its older alias
        {0x6C617431, "FT_ENCODING_ADOBE_LATIN_1"},
        {0x6C617432, "FT_ENCODING_OLD_LATIN_2"},
        {0x61726D6E, "FT_ENCODING_APPLE_ROMAN"},
    };
    for (const auto& [value, name] : cases) {
        EXPECT_EQ(DoGetEncodingString(static_cast<FT_Encoding>(value)), name) << std::hex << value;
    }
    EXPECT_EQ(DoGetEncodingString(Tag('u', 'n', 'i', 'c')), "FT_ENCODING_UNICODE");
    EXPECT_EQ(DoGetEncodingString(Tag('A', 'D', 'B', 'C')), "FT_ENCODING_ADOBE_CUSTOM");
    // The key is the packed value, not the set of letters.
    EXPECT_EQ(DoGetEncodingString(Tag('c', 'i', 'n', 'u')), kUnknown);
    EXPECT_EQ(DoGetEncodingString(Tag('a', 'd', 'o', 'b')), kUnknown);
    EXPECT_EQ(DoGetEncodingString(static_cast<FT_Encoding>(1)), kUnknown);
}

TEST(PlatformNames, RowsGapsAndEnd)
{
    const std::pair<unsigned short, std::string> cases[] = {
        {0, "TT_PLATFORM_APPLE_UNICODE"}, {3, "TT_PLATFORM_MICROSOFT"}, {4, "TT_PLATFORM_CUSTOM"},
        {5, kUnknown}, {6, kUnknown}, {7, "TT_PLATFORM_ADOBE"}, {8, kUnknown}, {65535, kUnknown},
    };
    for (const auto& [id, name] : cases) {
        EXPECT_EQ(DoGetPlatformIDString(id), name) << id;
    }
}

struct EncodingIdCase {
    unsigned short platform;
    unsigned short encoding;
    std::string name;
};

TEST(EncodingIdNames, DependOnThePlatform)
{
    const EncodingIdCase cases[] = {
        // The same encoding ID under each platform.
        {0, 0, "TT_APPLE_ID_DEFAULT"}, {1, 0, "TT_MAC_ID_ROMAN"}, {2, 0, "TT_ISO_ID_7BIT_ASCII"},
        {3, 0, "TT_MS_ID_SYMBOL_CS"}, {4, 0, "TT_PLATFORM_CUSTOM"}, {7, 0, "TT_ADOBE_ID_STANDARD"},
        {5, 0, kUnknown}, {6, 0, kUnknown}, {8, 0, kUnknown}, {65535, 0, kUnknown},
        // Last rows and one past them.
        {0, 6, "TT_APPLE_ID_FULL_UNICODE"}, {0, 7, kUnknown},
        {1, 25, "TT_MAC_ID_SIMPLIFIED_CHINESE"}, {1, 32, "TT_MAC_ID_UNINTERP"}, {1, 33, kUnknown},
        {2, 2, "TT_ISO_ID_8859_1"}, {2, 3, kUnknown},
        {3, 1, "TT_MS_ID_UNICODE_CS"}, {3, 3, "TT_MS_ID_PRC"}, {3, 6, "TT_MS_ID_JOHAB"},
        {3, 7, kUnknown}, {3, 8, kUnknown}, {3, 9, kUnknown}, {3, 10, "TT_MS_ID_UCS_4"}, {3, 11, kUnknown},
        {7, 3, "TT_ADOBE_ID_LATIN_1"}, {7, 4, kUnknown},
        // The custom platform names itself whatever the encoding ID.
        {4, 1, "TT_PLATFORM_CUSTOM"}, {4, 65535, "TT_PLATFORM_CUSTOM"},
        {3, 65535, kUnknown},
    };
    for (const EncodingIdCase& c : cases) {
        EXPECT_EQ(DoGetEncodingIDString(c.platform, c.encoding), c.name) << c.platform << "/" << c.encoding;
    }
}

// Every key of the 16-bit range: the number of named values per table, and
// that each name stands for one value only.
TEST(IdNames, SweepOfEveryKey)
{
    auto count_named = [](auto render) {
        std::set<std::string> names;
        int named = 0;
        for (unsigned key = 0; key <= 0xFFFF; ++key) {
            const std::string name = render(static_cast<unsigned short>(key));
            if (name != kUnknown) {
                ++named;
                EXPECT_TRUE(names.insert(name).second) << name << " names two values";
            }
        }
        return named;
    };
    EXPECT_EQ(count_named([](unsigned short id) { return DoGetPlatformIDString(id); }), 6);
    const std::map<unsigned short, int> rows = {{0, 7}, {1, 33}, {2, 3}, {3, 8}, {5, 0}, {6, 0}, {7, 4}, {8, 0}};
    for (const auto& [platform, expected] : rows) {
        const unsigned short p = platform;
        EXPECT_EQ(count_named([p](unsigned short id) { return DoGetEncodingIDString(p, id); }), expected)
            << "platform " << platform;
    }
}

PANOSE Panose(std::initializer_list<unsigned char> bytes)
{
    PANOSE record{};
    unsigned char* field = &record.bFamilyType;
    for (unsigned char byte : bytes) {
        *field++ = byte;
    }
    return record;
}

std::string Repeat(const std::string& name, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += (i > 0 ? ", " : "") + name;
    }
    return out;
}

TEST(PanoseNames, Records)
{
    struct Case {
        const char* name;
        PANOSE record;
        std::string text;
    };
    const Case cases[] = {
        {"worked example", Panose({2, 11, 6, 3, 2, 2, 2, 2, 2, 4}),
         "PAN_FAMILY_TEXT_DISPLAY, PAN_SERIF_NORMAL_SANS, PAN_WEIGHT_MEDIUM, PAN_PROP_MODERN, "
         "PAN_CONTRAST_NONE, PAN_STROKE_GRADUAL_DIAG, PAN_STRAIGHT_ARMS_HORZ, PAN_LETT_NORMAL_CONTACT, "
         "PAN_MIDLINE_STANDARD_TRIMMED, PAN_XHEIGHT_CONSTANT_LARGE"},
        {"all zero", Panose({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), Repeat("PAN_ANY", 10)},
        {"all one", Panose({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}),
         Repeat("PAN_NO_FIT", 2) + ", No fit, " + Repeat("PAN_NO_FIT", 7)},
        {"all at their maximum", Panose({5, 15, 11, 9, 9, 8, 11, 15, 13, 7}),
         "PAN_FAMILY_PICTORIAL, PAN_SERIF_ROUNDED, PAN_WEIGHT_NORD, PAN_PROP_MONOSPACED, "
         "PAN_CONTRAST_VERY_HIGH, PAN_STROKE_INSTANT_VERT, PAN_BENT_ARMS_DOUBLE_SERIF, "
         "PAN_LETT_OBLIQUE_SQUARE, PAN_MIDLINE_LOW_SERIFED, PAN_XHEIGHT_DUCKING_LARGE"},
        {"all one past their maximum", Panose({6, 16, 12, 10, 10, 9, 12, 16, 14, 8}), Repeat(kUnknown, 10)},
        {"only the weight unknown", Panose({0, 0, 12, 0, 0, 0, 0, 0, 0, 0}),
         "PAN_ANY, PAN_ANY, (unknown), " + Repeat("PAN_ANY", 7)},
        {"255 is large, not negative", Panose({255, 0, 0, 0, 0, 0, 0, 0, 0, 255}),
         "(unknown), " + Repeat("PAN_ANY", 8) + ", (unknown)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DoGetPanoseString(&c.record), c.text) << c.name;
    }
}

}  // namespace
