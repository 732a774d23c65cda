#include "test_support.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string ReadAll(int fd)
{
    std::string text;
    char chunk[4096];
    ssize_t n;
    while ((n = read(fd, chunk, sizeof chunk)) > 0) {
        text.append(chunk, static_cast<std::size_t>(n));
    }
    return text;
}

std::string TempFile(const char* tag)
{
    std::string name = std::string("/tmp/typeprobe-test-") + tag + "-XXXXXX";
    int fd = mkstemp(&name[0]);
    if (fd >= 0) {
        close(fd);
    }
    return name;
}

}  // namespace

std::string ToolPath() { return TYPEPROBE_BINARY; }

std::string FixturePath(const std::string& name) { return std::string(TYPEPROBE_FIXTURES) + "/" + name; }

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ToolResult RunTool(const std::vector<std::string>& args, const std::string& cwd)
{
    // Output goes to files rather than pipes so a large report cannot
    // block the child while we wait for it.
    const std::string out_path = TempFile("out");
    const std::string err_path = TempFile("err");
    std::vector<std::string> argv_text = {ToolPath()};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argv_text) {
        argv.push_back(&arg[0]);
    }
    argv.push_back(nullptr);

    std::cout.flush();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(out_path.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(err_path.c_str(), O_WRONLY | O_TRUNC);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) {
            _exit(126);
        }
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) {
            _exit(126);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    ToolResult result;
    int wait_status = 0;
    if (pid > 0 && waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status)) {
        result.status = WEXITSTATUS(wait_status);
    }
    for (auto [path, text] : {std::pair{out_path, &result.out}, std::pair{err_path, &result.err}}) {
        const int fd = open(path.c_str(), O_RDONLY);
        if (fd >= 0) {
            *text = ReadAll(fd);
            close(fd);
        }
        unlink(path.c_str());
    }
    return result;
}

std::string MaskAddresses(const std::string& text)
{
    auto is_hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "0x") == 0 && i + 2 < text.size() && is_hex(text[i + 2])) {
            out += "0xADDRESS";
            i += 2;
            while (i < text.size() && is_hex(text[i])) {
                ++i;
            }
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

// A string buffer that counts how often the stream asks it to flush.
struct CoutCapture::Buffer : std::stringbuf {
    int flushes = 0;
    int sync() override
    {
        ++flushes;
        return std::stringbuf::sync();
    }
};

CoutCapture::CoutCapture() : buffer_(new Buffer), saved_(std::cout.rdbuf(buffer_)) {}

CoutCapture::~CoutCapture()
{
    std::cout.rdbuf(saved_);
    delete buffer_;
}

std::string CoutCapture::Text() const { return buffer_->str(); }

int CoutCapture::Flushes() const { return buffer_->flushes; }

FixtureFace::FixtureFace(const std::string& path, long index)
{
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        return;
    }
    if (FT_New_Face(library_, path.c_str(), index, &face_) != 0) {
        face_ = nullptr;
    }
}

FixtureFace::~FixtureFace()
{
    if (face_ != nullptr) {
        FT_Done_Face(face_);
    }
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
    }
}
