#pragma once

#include <cstddef>
#include <string>

// Durations as a user writes them, in a terminal or in Fit a Recording Time:
// - pieces from the longest unit down ("3d", "2d12h", "1h30min", "1.5h", "500ms"), each a decimal
//   number with its unit, the two together or apart ("90 min", "1 hour, 30 minutes": a comma after
//   a unit only separates); a number alone is seconds;
// - a clock time, MM:SS, H:MM:SS or D:HH:MM:SS, two digits after each colon, alone or after the
//   longer pieces ("1d 02:00:00"), and last; the seconds may have decimals.
// The units and their spellings are those of DurationUnits.h; months and years are refused, since
// their length varies. The Unicode spaces of pasted text (no-break, thin, narrow no-break...)
// count as blanks, and blanks and line ends around the duration are ignored. A comma right after a
// digit is the decimal point ("1,5h"), once in a duration; a comma that may as well separate
// thousands ("1,000h") is refused with both readings.

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
