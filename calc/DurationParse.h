#pragma once

#include <string>

// Durations as a user writes them, in a terminal or in Fit a Recording Time: pieces from the
// longest unit down ("3d", "2d12h", "1h30min", "1.5h", "500ms"), each a decimal number with its
// unit, the two together or apart ("90 min", "1.5 h"); a number alone is seconds. The units are
// d, h, min, s, ms, us and ns and the words written for them: day(s), hour(s), hr(s), minute(s),
// mins, sec(s), second(s), millisecond(s), µs, microsecond(s), nanosecond(s), in any case. A comma
// is the decimal point where the duration holds no other comma ("1,5h").

namespace spanwise {

// An example for messages: "3d, 2d12h, 1h30min, 1.5h or 500ms".
extern const char* const kDurationExamples;

// The duration in seconds, greater than 0 and finite. Returns false, dSeconds untouched, with a
// message that says what is wrong for anything else. A message shows typed text as QuoteTyped
// does and keeps within kLongestDurationMessage characters.
bool ParseDuration(const std::string& text, double& dSeconds, std::string& error);

constexpr std::size_t kLongestDurationMessage = 160;

// Whether word, in any case, is a unit of a duration ("min", "Hours").
bool IsDurationUnit(const std::string& word);

} // namespace spanwise
