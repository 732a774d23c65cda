/*
 * The floor for typeprobe's timings: the FreeType calls one report makes,
 * in the same order, and no output at all.
 *
 *   FT_Init_FreeType
 *   FT_New_Face(path, -1), FT_Done_Face            how many faces?
 *   for each face:
 *     FT_New_Face(path, i)
 *     FT_Get_WinFNT_Header
 *     FT_Get_Sfnt_Table(FT_SFNT_OS2), FT_Get_Sfnt_Table(FT_SFNT_HHEA)
 *     FT_Done_Face
 *   FT_Done_FreeType
 *
 * What the queries return is folded into a volatile sink so the compiler
 * cannot drop them; nothing is printed, and the exit status is 0.
 */
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

static volatile unsigned long sink;

int main(int argc, char** argv)
{
    FT_Library library = NULL;
    FT_Face face = NULL;
    FT_Long face_count = 0;
    FT_Long face_index;

    if (argc < 2) {
        return 0;
    }
    if (FT_Init_FreeType(&library) != 0 || library == NULL) {
        return 0;
    }

    FT_New_Face(library, argv[1], -1, &face);
    if (face != NULL) {
        face_count = face->num_faces;
        FT_Done_Face(face);
    }

    for (face_index = 0; face_index < face_count; ++face_index) {
        FT_WinFNT_HeaderRec fnt;
        face = NULL;
        FT_New_Face(library, argv[1], face_index, &face);
        if (face == NULL) {
            continue;
        }
        if (FT_Get_WinFNT_Header(face, &fnt) == 0) {
            sink += fnt.version;
        }
        sink += (unsigned long)(FT_Get_Sfnt_Table(face, FT_SFNT_OS2) != NULL);
        sink += (unsigned long)(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA) != NULL);
        sink += (unsigned long)face->num_glyphs;
        FT_Done_Face(face);
    }

    FT_Done_FreeType(library);
    return 0;
}
