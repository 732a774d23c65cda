// Helpers shared by the test suites: running the built tool as a child
// process, capturing what a section writer sends to std::cout, opening
// fixture fonts, and masking addresses.
#pragma once

#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

struct ToolResult {
    std::string out;  // standard output, byte for byte
    std::string err;  // standard error
    int status = -1;  // exit status, or -1 when the child did not exit normally
};

// Runs the typeprobe binary with `args` (argv[1] onwards), from `cwd` when
// it is not empty, with standard input closed.
ToolResult RunTool(const std::vector<std::string>& args, const std::string& cwd = "");

// Path of the built tool and of a file in tests/fixtures.
std::string ToolPath();
std::string FixturePath(const std::string& name);

// Reads a whole file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// Replaces every "0x<hex digits>" by "0xADDRESS" so reports compare across
// runs; a null address stays "0".
std::string MaskAddresses(const std::string& text);

// Splits text into lines without their newlines.
std::vector<std::string> SplitLines(const std::string& text);

// Collects everything written to std::cout while it lives.
class CoutCapture {
public:
    CoutCapture();
    ~CoutCapture();
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;
    std::string Text() const;
    int Flushes() const;

private:
    struct Buffer;
    Buffer* buffer_;
    std::streambuf* saved_;
};

// A FreeType library and one face of a fixture, released on destruction.
class FixtureFace {
public:
    explicit FixtureFace(const std::string& path, long index = 0);
    ~FixtureFace();
    FixtureFace(const FixtureFace&) = delete;
    FixtureFace& operator=(const FixtureFace&) = delete;
    FT_Face get() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};
