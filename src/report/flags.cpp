#include <iostream>

#include "field.h"
#include "report.h"

namespace {

// Each line shows the flag word ANDed with its mask: the mask's own value
// when set, 0 when clear.  FreeType's FT_HAS_* / FT_IS_* macros name the
// lines but are not used for the values, since some of them yield 0 or 1.
struct FlagLine {
    const char* label;
    bool from_face_index;  // the named-instance bits live in face_index
    long mask;
};

const FlagLine kFlagLines[] = {
    {"  FT_HAS_HORIZONTAL(face)", false, FT_FACE_FLAG_HORIZONTAL},
    {"  FT_HAS_VERTICAL(face)", false, FT_FACE_FLAG_VERTICAL},
    {"  FT_HAS_KERNING(face)", false, FT_FACE_FLAG_KERNING},
    {"  FT_IS_SCALABLE(face)", false, FT_FACE_FLAG_SCALABLE},
    {"  FT_IS_SFNT(face)", false, FT_FACE_FLAG_SFNT},
    {"  FT_IS_FIXED_WIDTH(face)", false, FT_FACE_FLAG_FIXED_WIDTH},
    {"  FT_HAS_FIXED_SIZES(face)", false, FT_FACE_FLAG_FIXED_SIZES},
    {"  FT_HAS_GLYPH_NAMES(face)", false, FT_FACE_FLAG_GLYPH_NAMES},
    {"  FT_HAS_MULTIPLE_MASTERS(face)", false, FT_FACE_FLAG_MULTIPLE_MASTERS},
    // Bits 16 to 30 of the face index: the named-instance number, kept in
    // place.  Bit 31 is left out, so the value is never negative.
    {"  FT_IS_NAMED_INSTANCE(face)", true, 0x7FFF0000L},
    {"  FT_IS_VARIATION(face)", false, FT_FACE_FLAG_VARIATION},
    {"  FT_IS_CID_KEYED(face)", false, FT_FACE_FLAG_CID_KEYED},
    {"  FT_IS_TRICKY(face)", false, FT_FACE_FLAG_TRICKY},
    {"  FT_HAS_COLOR(face)", false, FT_FACE_FLAG_COLOR},
};

}  // namespace

void DoPrintFlags(FT_Face face)
{
    std::cout << "Flags:\n";
    for (const FlagLine& line : kFlagLines) {
        const long word = line.from_face_index ? face->face_index : face->face_flags;
        DoPrintField(line.label, static_cast<long>(word & line.mask));
    }
}
