#pragma once

#include <string>

// What Fit a Recording Time and spanwise-cli fit say when no range records a duration, in the
// same words.

namespace spanwise {

// "No time-axis range records "2000d" under these conditions: the longest recording time is
// 1111d2h40min, at 5min/div." duration is quoted as typed; longestTime and range are as the
// calculator shows them.
std::string NoRangeRecordsMessage(const std::string& duration, const std::string& longestTime,
                                  const std::string& range);

} // namespace spanwise
