#pragma once

#include <cstddef>
#include <string>

// The units of a typed duration and every spelling of them. The reader, spanwise-cli --help and
// the documentation all take the units from here: a new spelling is one more row of
// kDurationSpellings.

namespace spanwise {

// The units, longest first: the pieces of a duration come in this order. The last rows are the
// units that have no fixed length, which the reader refuses.
enum class DurationUnit : unsigned char {
    Week,
    Day,
    Hour,
    Minute,
    Second,
    Millisecond,
    Microsecond,
    Nanosecond,
    Month,
    Year,
};

struct CDurationUnitInfo {
    double dSeconds;    // a whole unit in seconds, for the units of one second and more
    double dPerSecond;  // units in a second, for the units below one second
    const char* plural; // what messages and --help call several of them ("minutes")
    DurationUnit unit;
    bool bFixedLength; // false for the units refused because their length varies
};

// The units in the order of DurationUnit.
extern const CDurationUnitInfo kDurationUnits[];
extern const std::size_t kDurationUnitCount;

const CDurationUnitInfo& GetDurationUnit(DurationUnit unit);

struct CDurationSpelling {
    const char* text; // as typed: in any case, but a spelling with a capital only as it stands
    DurationUnit unit;
};

// Every spelling. The reader takes the first that matches, exactly or in any case.
extern const CDurationSpelling kDurationSpellings[];
extern const std::size_t kDurationSpellingCount;

// The unit written as word, in any case, but a spelling with a capital only in that case. False
// for a word that is no spelling.
bool FindDurationUnit(const std::string& word, DurationUnit& unit);

// The spellings of unit, in table order, separated by ", ": "m, min, mins, minute, minutes".
std::string ListSpellings(DurationUnit unit);

// The short names of the units of fixed length, longest first, as a message offers them: "w, d,
// h, min, s, ms, us or ns".
extern const char* const kDurationUnitNames;

} // namespace spanwise
