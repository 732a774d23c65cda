// The command-line driver: usage line, the report run over one font file,
// and the block of one open face.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

// Writes the usage line (not flushed).
void show_help();

// Writes the version line (not flushed).
void show_version();

// The whole report for one file: library, probe open, count line, one block
// (or failure line) per face, library release.
void DoPrintFontFile(const char* path);

// One face's block: every section writer in its fixed order.  The caller
// owns the face and releases it afterwards.
void DoPrintFace(FT_Face face, const char* path, long face_index);
