// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"
#include "DescriptorBuffer.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    using spanwise::cli::CDescriptorBuffer;
    // Standard input and output go straight to their descriptors, which keep the reason of a
    // failed read or write for the message; C stdio is never used.
    CDescriptorBuffer inBuffer(STDIN_FILENO, CDescriptorBuffer::Direction::Read);
    CDescriptorBuffer outBuffer(STDOUT_FILENO, CDescriptorBuffer::Direction::Write);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    return spanwise::cli::RunCommandLine(argc, argv, in, out, std::cerr);
}
