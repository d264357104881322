#pragma once

#include <string>
#include <vector>

namespace spanwise::cli {

// Splits one scenario line into words as a POSIX shell would: blanks separate words, '...' keeps
// everything literally, "..." keeps everything but \" \\ \$ \` escapes, and a backslash outside
// quotes takes the next character literally. Returns false with a message for an unterminated
// quote or a trailing backslash.
bool SplitShellWords(const std::string& line, std::vector<std::string>& words, std::string& error);

} // namespace spanwise::cli
