#include <iostream>

#include "field.h"
#include "report.h"

// The public members of FT_FaceRec, raw, each in the rendering its declared
// type selects.  generic and bbox are not shown, nor the private members
// after charmap.
void DoPrintFaceMembers(FT_Face face)
{
    std::cout << "\nFT_Face members:\n";
    DoPrintField("  face->num_faces", face->num_faces);
    DoPrintField("  face->face_index", face->face_index);
    DoPrintField("  face->face_flags", face->face_flags);
    DoPrintField("  face->style_flags", face->style_flags);
    DoPrintField("  face->num_glyphs", face->num_glyphs);
    DoPrintField("  face->family_name", face->family_name);
    DoPrintField("  face->style_name", face->style_name);
    DoPrintField("  face->num_fixed_sizes", face->num_fixed_sizes);
    DoPrintField("  face->available_sizes", static_cast<const void*>(face->available_sizes));
    DoPrintField("  face->num_charmaps", face->num_charmaps);
    DoPrintField("  face->charmaps", static_cast<const void*>(face->charmaps));
    DoPrintField("  face->units_per_EM", face->units_per_EM);
    DoPrintField("  face->ascender", face->ascender);
    DoPrintField("  face->descender", face->descender);
    DoPrintField("  face->height", face->height);
    DoPrintField("  face->max_advance_width", face->max_advance_width);
    DoPrintField("  face->max_advance_height", face->max_advance_height);
    DoPrintField("  face->underline_position", face->underline_position);
    DoPrintField("  face->underline_thickness", face->underline_thickness);
    DoPrintField("  face->glyph", static_cast<const void*>(face->glyph));
    DoPrintField("  face->size", static_cast<const void*>(face->size));
    DoPrintField("  face->charmap", static_cast<const void*>(face->charmap));
}
