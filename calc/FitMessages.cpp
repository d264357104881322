#include "calc/FitMessages.h"

#include "calc/ShownText.h"

namespace spanwise {

std::string NoRangeRecordsMessage(const std::string& duration, const std::string& longestTime,
                                  const std::string& range) {
    return "No time-axis range records " + QuoteTyped(duration) +
           " under these conditions: the longest recording time is " + longestTime + ", at " +
           range + ".";
}

} // namespace spanwise
