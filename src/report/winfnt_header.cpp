#include <iostream>

#include <ft2build.h>
#include FT_WINFONTS_H

#include "field.h"
#include "report.h"

// The Windows FNT header as FreeType copies it out, member by member in the
// record's order.  One-byte members are widened to int so they print as
// numbers; reserved1 is not shown.
void DoPrintWinFNTHeader(FT_Face face)
{
    FT_WinFNT_HeaderRec fnt;
    if (FT_Get_WinFNT_Header(face, &fnt) != 0) {
        return;
    }
    std::cout << "WinFNT header:\n";
    DoPrintField("  fnt.version", fnt.version);
    DoPrintField("  fnt.file_size", fnt.file_size);
    // A fixed 60-byte field: up to the first zero byte, or all 60 bytes
    // when the copyright fills the field.
    DoPrintField("  fnt.copyright", fnt.copyright);
    DoPrintField("  fnt.file_type", fnt.file_type);
    DoPrintField("  fnt.nominal_point_size", fnt.nominal_point_size);
    DoPrintField("  fnt.vertical_resolution", fnt.vertical_resolution);
    DoPrintField("  fnt.horizontal_resolution", fnt.horizontal_resolution);
    DoPrintField("  fnt.ascent", fnt.ascent);
    DoPrintField("  fnt.internal_leading", fnt.internal_leading);
    DoPrintField("  fnt.external_leading", fnt.external_leading);
    DoPrintField("  (int)fnt.italic", static_cast<int>(fnt.italic));
    DoPrintField("  (int)fnt.underline", static_cast<int>(fnt.underline));
    DoPrintField("  (int)fnt.strike_out", static_cast<int>(fnt.strike_out));
    DoPrintField("  fnt.weight", fnt.weight);
    DoPrintField("  (int)fnt.charset", static_cast<int>(fnt.charset));
    DoPrintField("  fnt.pixel_width", fnt.pixel_width);
    DoPrintField("  fnt.pixel_height", fnt.pixel_height);
    DoPrintField("  (int)fnt.pitch_and_family", static_cast<int>(fnt.pitch_and_family));
    DoPrintField("  fnt.avg_width", fnt.avg_width);
    DoPrintField("  fnt.max_width", fnt.max_width);
    DoPrintField("  (int)fnt.first_char", static_cast<int>(fnt.first_char));
    DoPrintField("  (int)fnt.last_char", static_cast<int>(fnt.last_char));
    DoPrintField("  (int)fnt.default_char", static_cast<int>(fnt.default_char));
    DoPrintField("  (int)fnt.break_char", static_cast<int>(fnt.break_char));
    DoPrintField("  fnt.bytes_per_row", fnt.bytes_per_row);
    DoPrintField("  fnt.device_offset", fnt.device_offset);
    DoPrintField("  fnt.face_name_offset", fnt.face_name_offset);
    DoPrintField("  fnt.bits_pointer", fnt.bits_pointer);
    DoPrintField("  fnt.bits_offset", fnt.bits_offset);
    DoPrintField("  (int)fnt.reserved", static_cast<int>(fnt.reserved));
    DoPrintField("  fnt.flags", fnt.flags);
    DoPrintField("  fnt.A_space", fnt.A_space);
    DoPrintField("  fnt.B_space", fnt.B_space);
    DoPrintField("  fnt.C_space", fnt.C_space);
    DoPrintField("  fnt.color_table_offset", fnt.color_table_offset);
}
