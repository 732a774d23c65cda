// Symbolic names for the numbers a report shows: FreeType's constant names
// for charmap identifiers and the GDI constant names for PANOSE values.
// Pure lookups; every value outside a table is "(unknown)".
#pragma once

#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "panose.h"

// Text for any value that has no name.
extern const char* const kUnknownName;

std::string DoGetEncodingString(FT_Encoding encoding);
std::string DoGetPlatformIDString(unsigned short platform_id);
// The encoding ID only means something under its platform.
std::string DoGetEncodingIDString(unsigned short platform_id, unsigned short encoding_id);
// The ten names in record order, joined by ", ".
std::string DoGetPanoseString(const PANOSE* panose);
