// The section writers of one face's report block, in the order the block
// holds them.  Each reads the open face it is given, makes its own FreeType
// query where it needs one, and writes nothing when FreeType has no data for
// its section.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

// Dashed banner with file, face index and family name.
void DoPrintFaceBanner(FT_Face face, const char* path, long face_index);
// "Flags:" and the fourteen masked flag lines.
void DoPrintFlags(FT_Face face);
// "FT_Face members:" and 22 members of the face record.
void DoPrintFaceMembers(FT_Face face);
// One "CharMap #" line per character map.
void DoPrintCharMaps(FT_Face face);
// One "Size #" line per bitmap strike.
void DoPrintFixedSizes(FT_Face face);
// "WinFNT header:" for faces from Windows FNT and FON files.
void DoPrintWinFNTHeader(FT_Face face);
// "OS/2 header:" for faces with an OS/2 table.
void DoPrintOS2Header(FT_Face face);
// "Hori header:" for faces with a horizontal header table.
void DoPrintHoriHeader(FT_Face face);
