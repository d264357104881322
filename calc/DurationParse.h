#pragma once

#include <string>

// Durations as a user writes them, the way the program writes times: pieces in descending order,
// each a decimal number with its unit, "d", "h", "min", "s", "ms", "us" or "ns" ("3d", "2d12h",
// "1h30min", "1.5h", "500ms"); a number alone is seconds.

namespace spanwise {

// An example for messages: "3d, 2d12h, 1h30min, 1.5h or 500ms".
extern const char* const kDurationExamples;

// The duration in seconds, greater than 0 and finite. Returns false with a message that says
// what is wrong for anything else.
bool ParseDuration(const std::string& text, double& dSeconds, std::string& error);

} // namespace spanwise
