#include "calc/FitMessages.h"

#include "calc/ShownText.h"
#include "lang/Catalogue.h"

namespace spanwise {

std::string NoRangeRecordsMessage(const std::string& duration, const std::string& longestTime,
                                  const std::string& range) {
    return lang::TranslateFormat("No time-axis range records %1 under these conditions: the "
                                 "longest recording time is %2, at %3.",
                                 {QuoteTyped(duration), longestTime, range});
}

} // namespace spanwise
