// Fuzz target: feeds arbitrary bytes to FreeType as an in-memory font and
// runs the same per-face report the tool writes, with the report itself
// thrown away.  Sanitizers and the fuzzer engine watch for crashes, reads
// past a record, undefined behaviour, leaks and hangs.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <streambuf>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "typeprobe.h"

namespace {

// Accepts and forgets everything written to it.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Swaps std::cout onto a discarding buffer for as long as it lives.
class DiscardCout {
public:
    DiscardCout() : saved_(std::cout.rdbuf(&null_)) {}
    ~DiscardCout() { std::cout.rdbuf(saved_); }
    DiscardCout(const DiscardCout&) = delete;
    DiscardCout& operator=(const DiscardCout&) = delete;

private:
    NullBuffer null_;
    std::streambuf* saved_;
};

// A collection may claim thousands of faces; a handful is enough to reach
// every code path of the report, and it keeps one input quick.
constexpr long kMaxFaces = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0 || library == nullptr) {
        return 0;
    }

    DiscardCout discard;
    const auto* bytes = reinterpret_cast<const FT_Byte*>(data);
    const auto length = static_cast<FT_Long>(size);

    // The probe, as the tool does it: index -1 only counts the faces.
    long face_count = 0;
    FT_Face face = nullptr;
    FT_New_Memory_Face(library, bytes, length, -1, &face);
    if (face != nullptr) {
        face_count = face->num_faces;
        FT_Done_Face(face);
    }

    for (long face_index = 0; face_index < face_count && face_index < kMaxFaces; ++face_index) {
        face = nullptr;
        FT_New_Memory_Face(library, bytes, length, face_index, &face);
        if (face == nullptr) {
            continue;
        }
        DoPrintFace(face, "fuzz-input", face_index);
        FT_Done_Face(face);
    }

    FT_Done_FreeType(library);
    return 0;
}
