#include <iostream>

#include "field.h"
#include "report.h"

void DoPrintFaceBanner(FT_Face face, const char* path, long face_index)
{
    static const char kDashes[] = "-----------------------------------\n";
    const char* family = face->family_name != nullptr ? face->family_name : kNullText;
    std::cout << kDashes
              << "File '" << path << "', face #" << face_index << ": '" << family << "'\n"
              << kDashes;
}
