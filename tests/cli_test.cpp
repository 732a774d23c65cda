// The command line as a user meets it: which course each first argument
// takes, and that every course exits 0 with nothing on standard error.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

const std::string kUsage = "Usage: Typeprobe \"font-file.ttf\"\n";
const std::string kVersion = "Typeprobe ver.0.5 by orlenwick\n";

std::string NoFaces(const std::string& path) { return "Font file '" + path + "' has 0 faces.\n"; }

struct DispatchCase {
    const char* name;
    std::vector<std::string> args;
    std::string expected;
};

class DispatchTest : public testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTest, WritesExactlyTheChosenCourse)
{
    const DispatchCase& c = GetParam();
    const ToolResult result = RunTool(c.args);
    EXPECT_EQ(result.out, c.expected);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

const std::string kMissing = "/nonexistent/typeprobe/font.ttf";

INSTANTIATE_TEST_SUITE_P(
    Cli, DispatchTest,
    testing::Values(
        DispatchCase{"NoArgument", {}, kUsage},
        DispatchCase{"Help", {"--help"}, kUsage},
        DispatchCase{"HelpIgnoresTheRest", {"--help", "font.ttf", "--version"}, kUsage},
        DispatchCase{"Version", {"--version"}, kVersion},
        DispatchCase{"VersionIgnoresTheRest", {"--version", "--help"}, kVersion},
        // Near-misses of the options are paths like any other.
        DispatchCase{"SingleDashHelp", {"-help"}, NoFaces("-help")},
        DispatchCase{"CapitalHelp", {"--HELP"}, NoFaces("--HELP")},
        DispatchCase{"VersionWithValue", {"--version=1"}, NoFaces("--version=1")},
        DispatchCase{"HelpWithTrailingBlank", {"--help "}, NoFaces("--help ")},
        DispatchCase{"EmptyPath", {""}, NoFaces("")},
        DispatchCase{"MissingFile", {kMissing}, NoFaces(kMissing)},
        DispatchCase{"OptionAfterPathIgnored", {kMissing, "--help"}, NoFaces(kMissing)},
        DispatchCase{"Directory", {"/"}, NoFaces("/")}),
    [](const testing::TestParamInfo<DispatchCase>& info) { return std::string(info.param.name); });

// A file FreeType does not recognise, and a font cut short at several
// lengths: the count line comes first, the tool never crashes, and every
// face that the probe promised gets a block or a failure line.
TEST(CliBadInput, NonFontAndTruncatedFontsEndCleanly)
{
    const std::string font = ReadFile(FixturePath("sample.ttf"));
    ASSERT_FALSE(font.empty());

    char dir_template[] = "/tmp/typeprobe-cli-XXXXXX";
    ASSERT_NE(mkdtemp(dir_template), nullptr);
    const std::string dir = dir_template;

    std::vector<std::pair<std::string, std::string>> files = {
        {"text.ttf", "This is not a font file.\n"},
        {"empty.ttf", ""},
    };
    for (std::size_t length : {4u, 12u, 64u, 200u}) {
        files.push_back({"cut" + std::to_string(length) + ".ttf", font.substr(0, length)});
    }
    files.push_back({"half.ttf", font.substr(0, font.size() / 2)});

    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        const ToolResult result = RunTool({path});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const std::vector<std::string> lines = SplitLines(result.out);
        ASSERT_FALSE(lines.empty());
        const std::string head = "Font file '" + path + "' has ";
        EXPECT_EQ(lines[0].rfind(head, 0), 0u) << lines[0];
        if (name == "text.ttf" || name == "empty.ttf") {
            EXPECT_EQ(result.out, NoFaces(path));
        }
        unlink(path.c_str());
    }
    rmdir(dir.c_str());
}

}  // namespace
