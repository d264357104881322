// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"
#include "DescriptorBuffer.h"

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#ifdef _WIN32
#include "Utf16.h"

#include <fcntl.h>
#include <io.h>
#endif

namespace {

int Run(int argc, const char* const* argv) {
    using spanwise::cli::CDescriptorBuffer;
    // Standard input and output go straight to their descriptors, which keep the reason of a
    // failed read or write for the message; C stdio is never used.
    CDescriptorBuffer inBuffer(STDIN_FILENO, CDescriptorBuffer::Direction::Read);
    CDescriptorBuffer outBuffer(STDOUT_FILENO, CDescriptorBuffer::Direction::Write);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    return spanwise::cli::RunCommandLine(argc, argv, in, out, std::cerr);
}

} // namespace

#ifdef _WIN32
// The C runtime's wide entry point (linked with -municode): the arguments as the command line
// holds them, in UTF-16, rather than recoded to the ANSI code page, which has no "日本".
int wmain(int argc, wchar_t** argv) {
    // The same bytes on every system: lines end in "\n" alone, so that scripts and JSON Lines
    // readers see one answer per line. Redirected or piped input is read as it is, so that a
    // Ctrl+Z byte (0x1A) in it is a byte like any other rather than its end; typed on a console,
    // Ctrl+Z then Enter still ends it, as every Windows program lets it.
    _setmode(STDOUT_FILENO, _O_BINARY);
    _setmode(STDERR_FILENO, _O_BINARY);
    if (_isatty(STDIN_FILENO) == 0) {
        _setmode(STDIN_FILENO, _O_BINARY);
    }
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        const std::wstring arg(argv[i]);
        // "/?" asks for help, as it does of the system's own commands.
        args.push_back(i > 0 && arg == L"/?"
                           ? "--help"
                           : spanwise::cli::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
    }
    std::vector<const char*> argvUtf8;
    for (const std::string& arg : args) {
        argvUtf8.push_back(arg.c_str());
    }
    return Run(argc, argvUtf8.data());
}
#else
int main(int argc, char** argv) {
    return Run(argc, argv);
}
#endif
