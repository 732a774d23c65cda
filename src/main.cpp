// typeprobe: prints what FreeType knows about the faces of one font file.
//
// Only the first argument is looked at.  On POSIX systems the shell has
// already expanded wildcard patterns, so a pattern reaches us as file names
// and the first of them is reported.
#include <cstring>
#include <iostream>
#include <string>

#include "typeprobe.h"

int main(int argc, char* argv[])
{
    // Nothing here writes through C stdio, so std::cout need not pass every
    // insertion on to stdout's FILE: with its own buffer a field line costs
    // a copy, and its flush is still exactly one write.
    std::ios_base::sync_with_stdio(false);

    if (argc <= 1) {
        show_help();
        return 0;
    }

    const std::string arg = argv[1];
    if (arg == "--help") {
        show_help();
    } else if (arg == "--version") {
        show_version();
    } else {
        DoPrintFontFile(arg.c_str());
    }
    return 0;
}
