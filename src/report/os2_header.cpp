#include <cstring>
#include <iostream>

#include <ft2build.h>
#include FT_TRUETYPE_TABLES_H

#include "field.h"
#include "names.h"
#include "report.h"

namespace {

// The four tag bytes as one integer, first byte least significant,
// whatever the machine's byte order.
unsigned int VendorTag(const FT_Char (&tag)[4])
{
    unsigned int value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(tag[i]);
    }
    return value;
}

}  // namespace

// Every member of TT_OS2 whatever the table's version: members a version
// does not define print what FreeType's record holds for them.
void DoPrintOS2Header(FT_Face face)
{
    const auto* pOS2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (pOS2 == nullptr) {
        return;
    }
    std::cout << "OS/2 header:\n";
    DoPrintField("  pOS2->version", pOS2->version);
    DoPrintField("  pOS2->xAvgCharWidth", pOS2->xAvgCharWidth);
    DoPrintField("  pOS2->usWeightClass", pOS2->usWeightClass);
    DoPrintField("  pOS2->usWidthClass", pOS2->usWidthClass);
    DoPrintField("  pOS2->fsType", pOS2->fsType);
    DoPrintField("  pOS2->ySubscriptXSize", pOS2->ySubscriptXSize);
    DoPrintField("  pOS2->ySubscriptYSize", pOS2->ySubscriptYSize);
    DoPrintField("  pOS2->ySubscriptXOffset", pOS2->ySubscriptXOffset);
    DoPrintField("  pOS2->ySubscriptYOffset", pOS2->ySubscriptYOffset);
    DoPrintField("  pOS2->ySuperscriptXSize", pOS2->ySuperscriptXSize);
    DoPrintField("  pOS2->ySuperscriptYSize", pOS2->ySuperscriptYSize);
    DoPrintField("  pOS2->ySuperscriptXOffset", pOS2->ySuperscriptXOffset);
    DoPrintField("  pOS2->ySuperscriptYOffset", pOS2->ySuperscriptYOffset);
    DoPrintField("  pOS2->yStrikeoutSize", pOS2->yStrikeoutSize);
    DoPrintField("  pOS2->yStrikeoutPosition", pOS2->yStrikeoutPosition);
    DoPrintField("  pOS2->sFamilyClass", pOS2->sFamilyClass);

    // The label carries its own ": ".  The ten bytes are copied into a
    // PANOSE record rather than reinterpreted in place.
    std::cout << "  pOS2->panose: ";
    PANOSE panose;
    std::memcpy(&panose, pOS2->panose, sizeof panose);
    std::cout << DoGetPanoseString(&panose);
    EndFieldLine();

    DoPrintField("  pOS2->ulUnicodeRange1", pOS2->ulUnicodeRange1);
    DoPrintField("  pOS2->ulUnicodeRange2", pOS2->ulUnicodeRange2);
    DoPrintField("  pOS2->ulUnicodeRange3", pOS2->ulUnicodeRange3);
    DoPrintField("  pOS2->ulUnicodeRange4", pOS2->ulUnicodeRange4);
    DoPrintField("  (unsigned int&)pOS2->achVendID", VendorTag(pOS2->achVendID));
    DoPrintField("  pOS2->fsSelection", pOS2->fsSelection);
    DoPrintField("  pOS2->usFirstCharIndex", pOS2->usFirstCharIndex);
    DoPrintField("  pOS2->usLastCharIndex", pOS2->usLastCharIndex);
    DoPrintField("  pOS2->sTypoAscender", pOS2->sTypoAscender);
    DoPrintField("  pOS2->sTypoDescender", pOS2->sTypoDescender);
    DoPrintField("  pOS2->sTypoLineGap", pOS2->sTypoLineGap);
    DoPrintField("  pOS2->usWinAscent", pOS2->usWinAscent);
    DoPrintField("  pOS2->usWinDescent", pOS2->usWinDescent);
    DoPrintField("  pOS2->ulCodePageRange1", pOS2->ulCodePageRange1);
    DoPrintField("  pOS2->ulCodePageRange2", pOS2->ulCodePageRange2);
    DoPrintField("  pOS2->sxHeight", pOS2->sxHeight);
    DoPrintField("  pOS2->sCapHeight", pOS2->sCapHeight);
    DoPrintField("  pOS2->usDefaultChar", pOS2->usDefaultChar);
    DoPrintField("  pOS2->usBreakChar", pOS2->usBreakChar);
    DoPrintField("  pOS2->usMaxContext", pOS2->usMaxContext);
    DoPrintField("  pOS2->usLowerOpticalPointSize", pOS2->usLowerOpticalPointSize);
    DoPrintField("  pOS2->usUpperOpticalPointSize", pOS2->usUpperOpticalPointSize);
}
