#pragma once

#include <string>
#include <vector>

namespace spanwise {
class CCalculator;
}

// The picks a desktop program opens with, applied as spanwise-cli applies them, except that one
// which cannot be applied is passed over and the rest still are.

// Applies picks to calc in their order. Each that cannot be applied is reported on standard
// error as "PROGRAM: MESSAGE", with spanwise-cli's message; returns those messages.
std::vector<std::string> ApplyStartPicks(spanwise::CCalculator& calc,
                                         const std::vector<std::string>& picks);
