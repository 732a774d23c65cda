#include <iostream>

#include "report.h"
#include "typeprobe.h"

void DoPrintFace(FT_Face face, const char* path, long face_index)
{
    DoPrintFaceBanner(face, path, face_index);
    DoPrintFlags(face);
    DoPrintFaceMembers(face);
    DoPrintCharMaps(face);
    DoPrintFixedSizes(face);
    DoPrintWinFNTHeader(face);
    DoPrintOS2Header(face);
    DoPrintHoriHeader(face);
}

void DoPrintFontFile(const char* path)
{
    // A library that failed to initialise is never handed back to FreeType:
    // the file is then reported as holding no faces.
    FT_Library library = nullptr;
    const bool have_library = FT_Init_FreeType(&library) == 0 && library != nullptr;

    // The probe: face index -1 only asks how many faces the file holds.
    long face_count = 0;
    FT_Face face = nullptr;
    if (have_library) {
        FT_New_Face(library, path, -1, &face);
        if (face != nullptr) {
            face_count = face->num_faces;
            FT_Done_Face(face);
        }
    }

    std::cout << "Font file '" << path << "' has " << face_count << " faces.\n";

    // One face open at a time: each is released before the next is opened.
    for (long face_index = 0; face_index < face_count; ++face_index) {
        face = nullptr;
        FT_New_Face(library, path, face_index, &face);
        if (face == nullptr) {
            std::cout << "Unable to load face #" << face_index << "." << std::endl;
            continue;
        }
        DoPrintFace(face, path, face_index);
        FT_Done_Face(face);
    }

    if (have_library) {
        FT_Done_FreeType(library);
    }
}
