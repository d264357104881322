#pragma once

#include <iosfwd>

namespace spanwise::cli {

// spanwise-cli on its argument vector (argv[0] the program's name): parses the command and its
// selections, answers them, or with "-" every scenario line of in, and returns the exit status
// (ExitStatus.h). A failed write to out, found by the final flush at the latest, is reported on
// err and gives kExitIo.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace spanwise::cli
