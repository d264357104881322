// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"
#include "DescriptorBuffer.h"

#include <iostream>
#include <unistd.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on every system: lines end in "\n" alone, so that scripts and JSON Lines
    // readers see one answer per line. Standard input stays text, so Ctrl+Z still ends it.
    _setmode(STDOUT_FILENO, _O_BINARY);
    _setmode(STDERR_FILENO, _O_BINARY);
#endif
    using spanwise::cli::CDescriptorBuffer;
    // Standard input and output go straight to their descriptors, which keep the reason of a
    // failed read or write for the message; C stdio is never used.
    CDescriptorBuffer inBuffer(STDIN_FILENO, CDescriptorBuffer::Direction::Read);
    CDescriptorBuffer outBuffer(STDOUT_FILENO, CDescriptorBuffer::Direction::Write);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    return spanwise::cli::RunCommandLine(argc, argv, in, out, std::cerr);
}
