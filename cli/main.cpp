// spanwise-cli: the calculator without a window, for terminals and scripts.

#include "CommandLine.h"
#include "DescriptorBuffer.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#ifdef _WIN32
#include "Utf16.h"

#include "win32/StandardStream.h"
#include "win32/UserLanguages.h"
#endif

namespace {

using spanwise::cli::CDescriptorBuffer;

// The languages spanwise-cli speaks, before it chooses one.
void AddCatalogues() {
    spanwise::lang::AddCoreCatalogues();
    spanwise::lang::AddCommandLineCatalogues();
}

#ifdef _WIN32
// The streams as Windows hands them over: on a console through its UTF-16 functions, so that
// typed text shows as typed in any code page; elsewhere the bytes themselves, lines ending in
// "\n" alone, as on every system, so that scripts and JSON Lines readers see one answer per line.
// Input from a file or pipe is read as it is, a Ctrl+Z byte (0x1A) like any other; typed on a
// console, Ctrl+Z then Enter ends it, as every Windows program lets it. A failure reads as it
// does on Linux ("Broken pipe", "Bad file descriptor").
int Run(int argc, const char* const* argv) {
    CStandardStream input(STDIN_FILENO);
    CStandardStream output(STDOUT_FILENO);
    CStandardStream error(STDERR_FILENO);
    CDescriptorBuffer inBuffer([&input](char* data, std::size_t nSize,
                                        int& nError) { return input.Read(data, nSize, nError); },
                               CDescriptorBuffer::Direction::Read);
    CDescriptorBuffer outBuffer(
        [&output](char* data, std::size_t nSize, int& nError) {
            return output.Write(data, nSize, nError);
        },
        CDescriptorBuffer::Direction::Write);
    CDescriptorBuffer errBuffer([&error](char* data, std::size_t nSize,
                                         int& nError) { return error.Write(data, nSize, nError); },
                                CDescriptorBuffer::Direction::Write);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err.setf(std::ios::unitbuf);
    return spanwise::cli::RunCommandLine(argc, argv, in, out, err);
}
#else
int Run(int argc, const char* const* argv) {
    // Standard input and output go straight to their descriptors, which keep the reason of a
    // failed read or write for the message; C stdio is never used.
    CDescriptorBuffer inBuffer(STDIN_FILENO, CDescriptorBuffer::Direction::Read);
    CDescriptorBuffer outBuffer(STDOUT_FILENO, CDescriptorBuffer::Direction::Write);
    std::istream in(&inBuffer);
    std::ostream out(&outBuffer);
    return spanwise::cli::RunCommandLine(argc, argv, in, out, std::cerr);
}
#endif

} // namespace

#ifdef _WIN32
// The C runtime's wide entry point (linked with -municode): the arguments as the command line
// holds them, in UTF-16, rather than recoded to the ANSI code page, which has no "日本".
int wmain(int argc, wchar_t** argv) {
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
    // The help and the messages in the user's display language; --lang overrides it.
    AddCatalogues();
    spanwise::lang::SetLanguage(spanwise::lang::FirstSpokenLanguage(GetUserLanguages()));
    return Run(argc, argvUtf8.data());
}
#else
int main(int argc, char** argv) {
    // The help and the messages in the locale's language, as the C library chooses it; --lang
    // overrides it.
    AddCatalogues();
    spanwise::lang::SetLanguage(spanwise::lang::LanguageOfEnvironment(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    return Run(argc, argv);
}
#endif
