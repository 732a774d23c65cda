// The value renderings at their boundaries, and the shape of a field line:
// label, ": ", value, newline, one flush, stream state left alone.
#include <climits>
#include <cstring>
#include <iostream>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "field.h"
#include "test_support.h"

namespace {

template <typename T>
std::string Field(const T& value)
{
    CoutCapture capture;
    DoPrintField("  x", value);
    EXPECT_EQ(capture.Flushes(), 1) << "a field line ends with exactly one flush";
    return capture.Text();
}

TEST(FieldLine, NumbersAtTheirBoundaries)
{
    EXPECT_EQ(Field(static_cast<short>(-1)), "  x: -1\n");
    EXPECT_EQ(Field(static_cast<short>(SHRT_MIN)), "  x: -32768\n");
    EXPECT_EQ(Field(static_cast<unsigned short>(0xFFFF)), "  x: 65535\n");
    EXPECT_EQ(Field(-200), "  x: -200\n");
    EXPECT_EQ(Field(UINT_MAX), "  x: 4294967295\n");
    EXPECT_EQ(Field(LONG_MIN), "  x: " + std::to_string(LONG_MIN) + "\n");
    EXPECT_EQ(Field(ULONG_MAX), "  x: " + std::to_string(ULONG_MAX) + "\n");
    if (sizeof(long) == 8) {
        EXPECT_EQ(Field(1L << 40), "  x: 1099511627776\n");
        EXPECT_EQ(Field(0xFFFFFFFFFFFFFFFFUL), "  x: 18446744073709551615\n");
    }
}

TEST(FieldLine, ByteIsWidenedWithoutSign)
{
    const unsigned char byte = 200;
    EXPECT_EQ(Field(static_cast<int>(byte)), "  x: 200\n");
}

TEST(FieldLine, Addresses)
{
    EXPECT_EQ(Field(static_cast<const void*>(nullptr)), "  x: 0\n");

    const int object = 0;
    const std::string line = Field(static_cast<const void*>(&object));
    EXPECT_TRUE(std::regex_match(line, std::regex("  x: 0x[1-9a-f][0-9a-f]*\n"))) << line;
    EXPECT_EQ(RenderAddress(reinterpret_cast<const void*>(0x1)), "0x1");
    EXPECT_EQ(RenderAddress(reinterpret_cast<const void*>(0xABCDEF00)), "0xabcdef00");
}

TEST(FieldLine, StreamStateStaysDefault)
{
    const std::ios::fmtflags before = std::cout.flags();
    const int object = 0;
    Field(static_cast<const void*>(&object));
    Field(255L);
    EXPECT_EQ(std::cout.flags(), before);
    EXPECT_EQ(std::cout.width(), 0);
    EXPECT_EQ(std::cout.fill(), ' ');
}

TEST(FieldLine, Text)
{
    EXPECT_EQ(Field("Caf\xc3\xa9 \"q\""), "  x: Caf\xc3\xa9 \"q\"\n");
    EXPECT_EQ(Field(std::string("PAN_ANY")), "  x: PAN_ANY\n");
    EXPECT_EQ(Field(static_cast<const char*>(nullptr)), std::string("  x: ") + kNullText + "\n");
    char writable[] = "mutable";
    EXPECT_EQ(Field(static_cast<char*>(writable)), "  x: mutable\n") << "char* is text, not an address";
}

// Byte text from a fixed field: up to the first zero byte, never past the
// field, bytes above 127 unchanged.
TEST(FieldLine, ByteTextStopsAtZeroAndAtTheFieldEnd)
{
    struct Case {
        const char* name;
        std::string bytes;  // the first N bytes of the field, rest zero
        std::string shown;
    };
    const Case cases[] = {
        {"short text", "Copyright", "Copyright"},
        {"first byte zero", std::string("\0abc", 4), ""},
        {"bytes after the zero", std::string("ab\0cd", 5), "ab"},
        {"bytes above 127", "\xa9 1991 \xe9\xff", "\xa9 1991 \xe9\xff"},
        {"fills the field", std::string(12, 'X'), std::string(12, 'X')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The field sits between guard bytes that must never show.
        struct {
            unsigned char field[12];
            unsigned char guard[4];
        } record;
        std::memset(record.field, 0, sizeof record.field);
        std::memset(record.guard, 'G', sizeof record.guard);
        ASSERT_LE(c.bytes.size(), sizeof record.field);
        std::memcpy(record.field, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(Field(record.field), "  x: " + c.shown + "\n");
    }
}

}  // namespace
