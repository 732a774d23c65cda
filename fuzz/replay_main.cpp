// Replays inputs through the fuzz target without the fuzzer engine, so any
// compiler can build it and the sanitizer build can run the saved corpus.
//
//   typeprobe_fuzz_replay FILE-OR-DIRECTORY...
//
// A directory contributes every regular file below it, in path order.
// Exit status 0 when every input was read and ran through; 1 when an
// input could not be read or nothing was given.  A crash ends the process,
// as it would under the fuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

bool ReadBytes(const fs::path& path, std::vector<char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The inputs named by one argument: the file itself, or a directory's files.
std::vector<fs::path> Expand(const fs::path& arg)
{
    std::error_code error;
    if (!fs::is_directory(arg, error)) {
        return {arg};
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(arg, error)) {
        if (entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " FILE-OR-DIRECTORY...\n";
        return 1;
    }

    int failures = 0;
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& path : Expand(argv[i])) {
            std::vector<char> bytes;
            if (!ReadBytes(path, bytes)) {
                std::cerr << "cannot read " << path.string() << '\n';
                ++failures;
                continue;
            }
            // Name the input first, so a crash report says which one it was.
            std::cerr << "replay " << path.string() << " (" << bytes.size() << " bytes)\n";
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++count;
        }
    }
    std::cerr << count << " inputs replayed\n";
    return failures == 0 && count > 0 ? 0 : 1;
}
