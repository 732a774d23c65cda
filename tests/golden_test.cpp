// Whole reports compared with the files in tests/golden, one per family of
// formats plus the collection with a face that will not open. The tool runs
// from tests/fixtures with a relative path, and addresses are masked, so the
// output does not depend on the checkout or the run.
//
// To accept new output after a deliberate change, run the suite with
// TYPEPROBE_UPDATE_GOLDENS=1 and read `git diff tests/golden` before
// committing.
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// tests/golden/NAME.txt, with any '/' of the fixture's path turned into '-'.
std::string GoldenPath(std::string fixture)
{
    for (char& c : fixture) {
        if (c == '/') {
            c = '-';
        }
    }
    return FixturePath("../golden/" + fixture + ".txt");
}

bool UpdateRequested()
{
    const char* value = std::getenv("TYPEPROBE_UPDATE_GOLDENS");
    return value != nullptr && std::string(value) == "1";
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// `diff -u expected actual`, for the failure message.
std::string UnifiedDiff(const std::string& expected_path, const std::string& actual)
{
    char name[] = "/tmp/typeprobe-golden-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) {
        return "(no diff: cannot create a temporary file)";
    }
    close(fd);
    WriteFile(name, actual);
    std::string diff;
    const std::string command = "diff -u '" + expected_path + "' '" + name + "' 2>&1";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[4096];
        std::size_t n;
        while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0) {
            diff.append(chunk, n);
        }
        pclose(pipe);
    }
    unlink(name);
    return diff;
}

class Golden : public testing::TestWithParam<const char*> {};

TEST_P(Golden, ReportMatches)
{
    const std::string fixture = GetParam();
    const ToolResult result = RunTool({fixture}, FixturePath(""));
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::string actual = MaskAddresses(result.out);
    const std::string golden = GoldenPath(fixture);
    if (UpdateRequested()) {
        WriteFile(golden, actual);
        GTEST_SKIP() << "updated " << golden;
    }
    const std::string expected = ReadFile(golden);
    ASSERT_FALSE(expected.empty()) << golden << " is missing; run with TYPEPROBE_UPDATE_GOLDENS=1";
    EXPECT_TRUE(actual == expected) << UnifiedDiff(golden, actual);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden,
                         testing::Values("sample.ttf", "cff.otf", "collection.ttc", "fnt/v2.fnt", "bitmap.pcf"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* p = info.param; *p != '\0'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

}  // namespace
