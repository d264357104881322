#pragma once

#include <iosfwd>

namespace spanwise::cli {

// spanwise-cli on its argument vector (argv[0] the program's name): parses the command and its
// selections, answers them, or with "-" every scenario line of in, and returns the exit status:
// 0 answered, 1 some scenario lines failed, 2 a usage error or a failing selection.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace spanwise::cli
