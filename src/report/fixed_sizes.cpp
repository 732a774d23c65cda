#include <iostream>

#include "report.h"

// One line per bitmap strike: (height, width), size, (x_ppem, y_ppem).  The
// three FT_Pos values are 26.6 fixed point and are shown raw.
void DoPrintFixedSizes(FT_Face face)
{
    if (face->num_fixed_sizes == 0 || face->available_sizes == nullptr) {
        return;
    }
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const FT_Bitmap_Size& strike = face->available_sizes[i];
        std::cout << "Size #" << i << ": (" << strike.height << ", " << strike.width << "), "
                  << static_cast<long>(strike.size) << ", (" << static_cast<long>(strike.x_ppem)
                  << ", " << static_cast<long>(strike.y_ppem) << ")\n";
    }
}
