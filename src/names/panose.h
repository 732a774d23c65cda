// The PANOSE classification record, laid out as in the Windows GDI headers:
// ten unsigned bytes, in the order of the panose bytes of the OS/2 table.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
typedef struct tagPANOSE {
    unsigned char bFamilyType;
    unsigned char bSerifStyle;
    unsigned char bWeight;
    unsigned char bProportion;
    unsigned char bContrast;
    unsigned char bStrokeVariation;
    unsigned char bArmStyle;
    unsigned char bLetterform;
    unsigned char bMidline;
    unsigned char bXHeight;
} PANOSE;
#endif

static_assert(sizeof(PANOSE) == 10, "PANOSE is ten bytes with no padding");
