#pragma once

#include "OpeningReport.h"

#include <string>
#include <vector>

namespace spanwise::test {

// What one run of spanwise-cli left behind.
struct CCliRun {
    int nExit = -1; // the exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Where the run's standard input comes from and its standard output goes.
enum class CliInput { File, Directory, Closed };
enum class CliOutput {
    File,
    Full,       // /dev/full: every write fails with ENOSPC
    Closed,     // no descriptor 1
    BrokenPipe, // a pipe whose reader has gone, SIGPIPE ignored
};

// Runs the built spanwise-cli with the arguments, standard input read from a file holding input.
CCliRun RunCli(const std::vector<std::string>& args, const std::string& input = "",
               CliInput inputKind = CliInput::File, CliOutput outputKind = CliOutput::File);

// The text split at '\n'; a final line end opens no further line.
std::vector<std::string> SplitLines(const std::string& text);

// The text with every "\n" written as "\r\n".
std::string WithCrLf(const std::string& text);

// The UTF-8 text (well-formed) as UTF-16 code units.
std::u16string Utf16(const std::string& utf8);

} // namespace spanwise::test
