#include "calc/DurationUnits.h"

#include "lang/Catalogue.h"

#include <iterator>

namespace spanwise {

// clang-format off
const CDurationUnitInfo kDurationUnits[] = {
    // seconds, per second, plural,     unit,                       fixed length
    { 604800, 0,   N_("weeks"),             DurationUnit::Week,         true  },
    { 86400,  0,   N_("days"),              DurationUnit::Day,          true  },
    { 3600,   0,   N_("hours"),             DurationUnit::Hour,         true  },
    { 60,     0,   N_("minutes"),           DurationUnit::Minute,       true  },
    { 1,      0,   N_("seconds"),           DurationUnit::Second,       true  },
    { 0,      1e3, N_("milliseconds"),      DurationUnit::Millisecond,  true  },
    { 0,      1e6, N_("microseconds"),      DurationUnit::Microsecond,  true  },
    { 0,      1e9, N_("nanoseconds"),       DurationUnit::Nanosecond,   true  },
    { 0,      0,   N_("months"),            DurationUnit::Month,        false },
    { 0,      0,   N_("years"),             DurationUnit::Year,         false },
};

const CDurationSpelling kDurationSpellings[] = {
    { "M",            DurationUnit::Month }, // before "m", which it is in any case
    { "w",            DurationUnit::Week },
    { "week",         DurationUnit::Week },
    { "weeks",        DurationUnit::Week },
    { "d",            DurationUnit::Day },
    { "day",          DurationUnit::Day },
    { "days",         DurationUnit::Day },
    { "h",            DurationUnit::Hour },
    { "hr",           DurationUnit::Hour },
    { "hrs",          DurationUnit::Hour },
    { "hour",         DurationUnit::Hour },
    { "hours",        DurationUnit::Hour },
    { "m",            DurationUnit::Minute },
    { "min",          DurationUnit::Minute },
    { "mins",         DurationUnit::Minute },
    { "minute",       DurationUnit::Minute },
    { "minutes",      DurationUnit::Minute },
    { "s",            DurationUnit::Second },
    { "sec",          DurationUnit::Second },
    { "secs",         DurationUnit::Second },
    { "second",       DurationUnit::Second },
    { "seconds",      DurationUnit::Second },
    { "ms",           DurationUnit::Millisecond },
    { "msec",         DurationUnit::Millisecond },
    { "millis",       DurationUnit::Millisecond },
    { "millisecond",  DurationUnit::Millisecond },
    { "milliseconds", DurationUnit::Millisecond },
    { "us",           DurationUnit::Microsecond },
    { "usec",         DurationUnit::Microsecond },
    { "\xc2\xb5s",    DurationUnit::Microsecond }, // micro sign
    { "\xce\xbcs",    DurationUnit::Microsecond }, // Greek mu
    { "microsecond",  DurationUnit::Microsecond },
    { "microseconds", DurationUnit::Microsecond },
    { "ns",           DurationUnit::Nanosecond },
    { "nanosecond",   DurationUnit::Nanosecond },
    { "nanoseconds",  DurationUnit::Nanosecond },
    { "month",        DurationUnit::Month },
    { "months",       DurationUnit::Month },
    { "y",            DurationUnit::Year },
    { "yr",           DurationUnit::Year },
    { "yrs",          DurationUnit::Year },
    { "year",         DurationUnit::Year },
    { "years",        DurationUnit::Year },
    // Japanese
    { "日",           DurationUnit::Day },
    { "時間",         DurationUnit::Hour },
    { "分",           DurationUnit::Minute },
    { "秒",           DurationUnit::Second },
    { "ミリ秒",       DurationUnit::Millisecond },
    { "マイクロ秒",   DurationUnit::Microsecond },
};
// clang-format on

const std::size_t kDurationUnitCount = std::size(kDurationUnits);
const char* const kDurationUnitNames = N_("w, d, h, min, s, ms, us or ns");
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
    return kDurationUnits[static_cast<std::size_t>(unit)];
}

bool FindDurationUnit(const std::string& word, DurationUnit& unit) {
    const std::string lower = Lower(word);
    for (const CDurationSpelling& spelling : kDurationSpellings) {
        if (word == spelling.text || lower == spelling.text) {
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

} // namespace spanwise
