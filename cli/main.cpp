// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"

#include <iostream>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on every system: lines end in "\n" alone, so that scripts and JSON Lines
    // readers see one answer per line. Standard input stays text, so Ctrl+Z still ends it.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Standard input may hold many thousands of scenario lines; C stdio is never used.
    std::ios::sync_with_stdio(false);
    return spanwise::cli::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
