// The GDI constant names of the ten PANOSE bytes.  Each table names the
// values 0 up to its last row, one name a value; anything above is unknown.
#include <cstddef>
#include <cstring>

#include "names.h"

namespace {

struct PanoseTable {
    const char* const* names;
    std::size_t count;
};

template <std::size_t N>
constexpr PanoseTable Table(const char* const (&names)[N])
{
    return {names, N};
}

const char* const kFamilyType[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_FAMILY_TEXT_DISPLAY",
    "PAN_FAMILY_SCRIPT",
    "PAN_FAMILY_DECORATIVE",
    "PAN_FAMILY_PICTORIAL",
};

const char* const kSerifStyle[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_SERIF_COVE",
    "PAN_SERIF_OBTUSE_COVE",
    "PAN_SERIF_SQUARE_COVE",
    "PAN_SERIF_OBTUSE_SQUARE_COVE",
    "PAN_SERIF_SQUARE",
    "PAN_SERIF_THIN",
    "PAN_SERIF_BONE",
    "PAN_SERIF_EXAGGERATED",
    "PAN_SERIF_TRIANGLE",
    "PAN_SERIF_NORMAL_SANS",
    "PAN_SERIF_OBTUSE_SANS",
    "PAN_SERIF_PERP_SANS",
    "PAN_SERIF_FLARED",
    "PAN_SERIF_ROUNDED",
};

// Value 1 of the weight byte reads "No fit", unlike every other table.
const char* const kWeight[] = {
    "PAN_ANY",
    "No fit",
    "PAN_WEIGHT_VERY_LIGHT",
    "PAN_WEIGHT_LIGHT",
    "PAN_WEIGHT_THIN",
    "PAN_WEIGHT_BOOK",
    "PAN_WEIGHT_MEDIUM",
    "PAN_WEIGHT_DEMI",
    "PAN_WEIGHT_BOLD",
    "PAN_WEIGHT_HEAVY",
    "PAN_WEIGHT_BLACK",
    "PAN_WEIGHT_NORD",
};

const char* const kProportion[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_PROP_OLD_STYLE",
    "PAN_PROP_MODERN",
    "PAN_PROP_EVEN_WIDTH",
    "PAN_PROP_EXPANDED",
    "PAN_PROP_CONDENSED",
    "PAN_PROP_VERY_EXPANDED",
    "PAN_PROP_VERY_CONDENSED",
    "PAN_PROP_MONOSPACED",
};

const char* const kContrast[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_CONTRAST_NONE",
    "PAN_CONTRAST_VERY_LOW",
    "PAN_CONTRAST_LOW",
    "PAN_CONTRAST_MEDIUM_LOW",
    "PAN_CONTRAST_MEDIUM",
    "PAN_CONTRAST_MEDIUM_HIGH",
    "PAN_CONTRAST_HIGH",
    "PAN_CONTRAST_VERY_HIGH",
};

const char* const kStrokeVariation[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_STROKE_GRADUAL_DIAG",
    "PAN_STROKE_GRADUAL_TRAN",
    "PAN_STROKE_GRADUAL_VERT",
    "PAN_STROKE_GRADUAL_HORZ",
    "PAN_STROKE_RAPID_VERT",
    "PAN_STROKE_RAPID_HORZ",
    "PAN_STROKE_INSTANT_VERT",
};

const char* const kArmStyle[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_STRAIGHT_ARMS_HORZ",
    "PAN_STRAIGHT_ARMS_WEDGE",
    "PAN_STRAIGHT_ARMS_VERT",
    "PAN_STRAIGHT_ARMS_SINGLE_SERIF",
    "PAN_STRAIGHT_ARMS_DOUBLE_SERIF",
    "PAN_BENT_ARMS_HORZ",
    "PAN_BENT_ARMS_WEDGE",
    "PAN_BENT_ARMS_VERT",
    "PAN_BENT_ARMS_SINGLE_SERIF",
    "PAN_BENT_ARMS_DOUBLE_SERIF",
};

const char* const kLetterform[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_LETT_NORMAL_CONTACT",
    "PAN_LETT_NORMAL_WEIGHTED",
    "PAN_LETT_NORMAL_BOXED",
    "PAN_LETT_NORMAL_FLATTENED",
    "PAN_LETT_NORMAL_ROUNDED",
    "PAN_LETT_NORMAL_OFF_CENTER",
    "PAN_LETT_NORMAL_SQUARE",
    "PAN_LETT_OBLIQUE_CONTACT",
    "PAN_LETT_OBLIQUE_WEIGHTED",
    "PAN_LETT_OBLIQUE_BOXED",
    "PAN_LETT_OBLIQUE_FLATTENED",
    "PAN_LETT_OBLIQUE_ROUNDED",
    "PAN_LETT_OBLIQUE_OFF_CENTER",
    "PAN_LETT_OBLIQUE_SQUARE",
};

const char* const kMidline[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_MIDLINE_STANDARD_TRIMMED",
    "PAN_MIDLINE_STANDARD_POINTED",
    "PAN_MIDLINE_STANDARD_SERIFED",
    "PAN_MIDLINE_HIGH_TRIMMED",
    "PAN_MIDLINE_HIGH_POINTED",
    "PAN_MIDLINE_HIGH_SERIFED",
    "PAN_MIDLINE_CONSTANT_TRIMMED",
    "PAN_MIDLINE_CONSTANT_POINTED",
    "PAN_MIDLINE_CONSTANT_SERIFED",
    "PAN_MIDLINE_LOW_TRIMMED",
    "PAN_MIDLINE_LOW_POINTED",
    "PAN_MIDLINE_LOW_SERIFED",
};

const char* const kXHeight[] = {
    "PAN_ANY",
    "PAN_NO_FIT",
    "PAN_XHEIGHT_CONSTANT_SMALL",
    "PAN_XHEIGHT_CONSTANT_STD",
    "PAN_XHEIGHT_CONSTANT_LARGE",
    "PAN_XHEIGHT_DUCKING_SMALL",
    "PAN_XHEIGHT_DUCKING_STD",
    "PAN_XHEIGHT_DUCKING_LARGE",
};

// One table per byte, in record order.
const PanoseTable kTables[] = {
    Table(kFamilyType),
    Table(kSerifStyle),
    Table(kWeight),
    Table(kProportion),
    Table(kContrast),
    Table(kStrokeVariation),
    Table(kArmStyle),
    Table(kLetterform),
    Table(kMidline),
    Table(kXHeight),
};
static_assert(sizeof kTables / sizeof kTables[0] == sizeof(PANOSE), "one table per PANOSE byte");

}  // namespace

std::string DoGetPanoseString(const PANOSE* panose)
{
    // The record is ten bytes with nothing between them; its object
    // representation is the bytes in field order, bFamilyType first.
    unsigned char bytes[sizeof(PANOSE)];
    std::memcpy(bytes, panose, sizeof bytes);

    std::string out;
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        if (i > 0) {
            out += ", ";
        }
        const PanoseTable& table = kTables[i];
        out += bytes[i] < table.count ? table.names[bytes[i]] : kUnknownName;
    }
    return out;
}
