#include <iostream>

#include "names.h"
#include "report.h"

void DoPrintCharMaps(FT_Face face)
{
    if (face->num_charmaps == 0 || face->charmaps == nullptr) {
        return;
    }
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_CharMap charmap = face->charmaps[i];
        if (charmap == nullptr) {
            continue;  // FreeType never leaves a hole, but a null entry is not followed
        }
        std::cout << "CharMap #" << i << ": " << DoGetEncodingString(charmap->encoding) << ", "
                  << DoGetPlatformIDString(charmap->platform_id) << ", "
                  << DoGetEncodingIDString(charmap->platform_id, charmap->encoding_id) << "\n";
    }
}
