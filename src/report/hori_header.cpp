#include <iostream>

#include <ft2build.h>
#include FT_TRUETYPE_TABLES_H

#include "field.h"
#include "report.h"

// The horizontal header, less its four reserved words.  Version is the raw
// 16.16 value (1.0 prints 65536); the metrics pointers are FreeType's
// addresses, not values from the file.
void DoPrintHoriHeader(FT_Face face)
{
    const auto* pHori = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (pHori == nullptr) {
        return;
    }
    std::cout << "Hori header:\n";
    DoPrintField("  pHori->Version", static_cast<long>(pHori->Version));
    DoPrintField("  pHori->Ascender", pHori->Ascender);
    DoPrintField("  pHori->Descender", pHori->Descender);
    DoPrintField("  pHori->Line_Gap", pHori->Line_Gap);
    DoPrintField("  pHori->advance_Width_Max", pHori->advance_Width_Max);
    DoPrintField("  pHori->min_Left_Side_Bearing", pHori->min_Left_Side_Bearing);
    DoPrintField("  pHori->min_Right_Side_Bearing", pHori->min_Right_Side_Bearing);
    DoPrintField("  pHori->xMax_Extent", pHori->xMax_Extent);
    DoPrintField("  pHori->caret_Slope_Rise", pHori->caret_Slope_Rise);
    DoPrintField("  pHori->caret_Slope_Run", pHori->caret_Slope_Run);
    DoPrintField("  pHori->caret_Offset", pHori->caret_Offset);
    DoPrintField("  pHori->metric_Data_Format", pHori->metric_Data_Format);
    DoPrintField("  pHori->number_Of_HMetrics", pHori->number_Of_HMetrics);
    DoPrintField("  pHori->long_metrics", static_cast<const void*>(pHori->long_metrics));
    DoPrintField("  pHori->short_metrics", static_cast<const void*>(pHori->short_metrics));
}
