#include <iostream>

#include "typeprobe.h"

void show_help()
{
    std::cout << "Usage: Typeprobe \"font-file.ttf\"\n";
}

void show_version()
{
    std::cout << "Typeprobe ver.0.5 by orlenwick\n";
}
