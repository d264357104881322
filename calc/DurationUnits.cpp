#include "calc/DurationUnits.h"

#include <iterator>

namespace spanwise {

// clang-format off
const CDurationUnitInfo kDurationUnits[] = {
    { DurationUnit::Week,          "w",   "weeks",          604800, 0,   true  },
    { DurationUnit::Day,           "d",   "days",            86400, 0,   true  },
    { DurationUnit::Hour,          "h",   "hours",            3600, 0,   true  },
    { DurationUnit::Minute,        "min", "minutes",            60, 0,   true  },
    { DurationUnit::Second,        "s",   "seconds",             1, 0,   true  },
    { DurationUnit::Millisecond,   "ms",  "milliseconds",        0, 1e3, true  },
    { DurationUnit::Microsecond,   "us",  "microseconds",        0, 1e6, true  },
    { DurationUnit::Nanosecond,    "ns",  "nanoseconds",         0, 1e9, true  },
    { DurationUnit::Month,         "",    "months",              0, 0,   false },
    { DurationUnit::Year,          "",    "years",               0, 0,   false },
    { DurationUnit::MonthOrMinute, "",    "months or minutes",   0, 0,   false },
};

const CDurationSpelling kDurationSpellings[] = {
    { "w",            DurationUnit::Week,          false },
    { "week",         DurationUnit::Week,          false },
    { "weeks",        DurationUnit::Week,          false },
    { "d",            DurationUnit::Day,           false },
    { "day",          DurationUnit::Day,           false },
    { "days",         DurationUnit::Day,           false },
    { "h",            DurationUnit::Hour,          false },
    { "hr",           DurationUnit::Hour,          false },
    { "hrs",          DurationUnit::Hour,          false },
    { "hour",         DurationUnit::Hour,          false },
    { "hours",        DurationUnit::Hour,          false },
    { "m",            DurationUnit::Minute,        false },
    { "min",          DurationUnit::Minute,        false },
    { "mins",         DurationUnit::Minute,        false },
    { "minute",       DurationUnit::Minute,        false },
    { "minutes",      DurationUnit::Minute,        false },
    { "s",            DurationUnit::Second,        false },
    { "sec",          DurationUnit::Second,        false },
    { "secs",         DurationUnit::Second,        false },
    { "second",       DurationUnit::Second,        false },
    { "seconds",      DurationUnit::Second,        false },
    { "ms",           DurationUnit::Millisecond,   false },
    { "msec",         DurationUnit::Millisecond,   false },
    { "millis",       DurationUnit::Millisecond,   false },
    { "millisecond",  DurationUnit::Millisecond,   false },
    { "milliseconds", DurationUnit::Millisecond,   false },
    { "us",           DurationUnit::Microsecond,   false },
    { "usec",         DurationUnit::Microsecond,   false },
    { "\xc2\xb5s",    DurationUnit::Microsecond,   false }, // micro sign
    { "\xce\xbcs",    DurationUnit::Microsecond,   false }, // Greek mu
    { "microsecond",  DurationUnit::Microsecond,   false },
    { "microseconds", DurationUnit::Microsecond,   false },
    { "ns",           DurationUnit::Nanosecond,    false },
    { "nsec",         DurationUnit::Nanosecond,    false },
    { "nanosecond",   DurationUnit::Nanosecond,    false },
    { "nanoseconds",  DurationUnit::Nanosecond,    false },
    { "month",        DurationUnit::Month,         false },
    { "months",       DurationUnit::Month,         false },
    { "y",            DurationUnit::Year,          false },
    { "yr",           DurationUnit::Year,          false },
    { "yrs",          DurationUnit::Year,          false },
    { "year",         DurationUnit::Year,          false },
    { "years",        DurationUnit::Year,          false },
    { "M",            DurationUnit::MonthOrMinute, true  },
};
// clang-format on

const std::size_t kDurationUnitCount = std::size(kDurationUnits);
const std::size_t kDurationSpellingCount = std::size(kDurationSpellings);

namespace {

// ASCII letters in lower case; a locale must not change what "MIN" means.
std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

} // namespace

const CDurationUnitInfo& GetDurationUnit(DurationUnit unit) {
    for (const CDurationUnitInfo& info : kDurationUnits) {
        if (info.unit == unit) {
            return info;
        }
    }
    return kDurationUnits[0]; // every unit has its row
}

bool FindDurationUnit(const std::string& word, DurationUnit& unit) {
    for (const CDurationSpelling& spelling : kDurationSpellings) {
        if (word == spelling.text) {
            unit = spelling.unit;
            return true;
        }
    }
    const std::string lower = Lower(word);
    for (const CDurationSpelling& spelling : kDurationSpellings) {
        if (!spelling.bExactCase && lower == Lower(spelling.text)) {
            unit = spelling.unit;
            return true;
        }
    }
    return false;
}

std::string ListSpellings(DurationUnit unit) {
    std::string list;
    for (const CDurationSpelling& spelling : kDurationSpellings) {
        if (spelling.unit == unit) {
            list += (list.empty() ? "" : ", ") + std::string(spelling.text);
        }
    }
    return list;
}

std::string ListUnitNames() {
    std::string list;
    std::size_t nLeft = 0;
    for (const CDurationUnitInfo& info : kDurationUnits) {
        nLeft += info.bFixedLength ? 1 : 0;
    }
    for (const CDurationUnitInfo& info : kDurationUnits) {
        if (info.bFixedLength) {
            --nLeft;
            list += std::string(list.empty() ? "" : nLeft == 0 ? " or " : ", ") + info.name;
        }
    }
    return list;
}

} // namespace spanwise
