// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    // Standard input may hold many thousands of scenario lines; C stdio is never used.
    std::ios::sync_with_stdio(false);
    return spanwise::cli::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
