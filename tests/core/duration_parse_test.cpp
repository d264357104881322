// Reading durations as users write them: the forms accepted, with their seconds, and the forms
// refused, each with a message that says what is wrong, echoes what was typed and stays short.

#include "calc/DurationParse.h"
#include "calc/DurationUnits.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace spanwise::test {
namespace {

TEST(DurationParse, AcceptedForms) {
    const std::string kNoBreak = "\xc2\xa0";
    const std::string kThin = "\xe2\x80\x89";
    const std::string kNarrowNoBreak = "\xe2\x80\xaf";
    const std::string kIdeographic = "\xe3\x80\x80";
    struct CCase {
        std::string text;
        double dSeconds;
    };
    const CCase kCases[] = {
        // The program's own units, as before
        {"3d", 259200},
        {"2d12h", 216000},
        {"1h30min", 5400},
        {"1.5h", 5400},
        {"90min", 5400},
        {"500ms", 0.5},
        {"1600ms", 1.6},
        {"1.6", 1.6},
        {"1.6s", 1.6},
        {"250ns", 250e-9},
        {"2us", 2e-6},
        {"1d2h3min4s", 93784},
        {"1D", 86400},
        {" 1h 30min ", 5400},
        {".5s", 0.5},
        {"5.", 5},
        {"1min0.5s", 60.5},
        {"0.000001s", 1e-6},
        // a number and its unit apart
        {"90 min", 5400},
        {"1.5 h", 5400},
        {"1 h\t30 min", 5400},
        // the words users write, in any case
        {"1 hour", 3600},
        {"2 hours", 7200},
        {"3 days", 259200},
        {"1 day 12 hours", 129600},
        {"2hrs", 7200},
        {"1hr 30mins", 5400},
        {"1 minute 30 seconds", 90},
        {"5 sec", 5},
        {"5secs", 5},
        {"1 second", 1},
        {"2 Minutes", 120},
        {"1 HOUR", 3600},
        {"250 milliseconds", 0.25},
        {"2\xc2\xb5s", 2e-6},  // micro sign
        {"2 \xce\xbcs", 2e-6}, // Greek mu
        {"2 \xc2\xb5S", 2e-6}, // in any case
        {"3 nanoseconds", 3e-9},
        {"1 microsecond", 1e-6},
        // the decimal comma, where the duration holds no other comma
        {"1,5h", 5400},
        {"1,5 h", 5400},
        {"2h 0,5min", 7230},
        {"1,25", 1.25},
        {"5,", 5},
        // a comma that cannot separate thousands is a decimal comma
        {"0,500s", 0.5},
        {"1000,500s", 1000.5},
        {"1,0005", 1.0005},
        // the time-span spellings of system tools
        {"30m", 1800},
        {"1m30s", 90},
        {"500 msec", 0.5},
        {"500 millis", 0.5},
        {"2usec", 2e-6},
        {"2w", 1209600},
        {"1 week 2 days", 777600},
        {"1w1d1h1m1s", 694861},
        // a comma after a unit separates pieces
        {"1 hour, 30 minutes", 5400},
        {"1h,30min", 5400},
        {"1 day , 2 hours, 30 minutes", 95400},
        {"1,5h, 30min", 7200},
        // clock times
        {"01:30:00", 5400},
        {"1:30", 90},
        {"90:00", 5400},
        {"0:00:01.5", 1.5},
        {"1:02:03:04", 93784},
        {"1d 02:00:00", 93600},
        {"1d02:00:00", 93600},
        {"1w 6:23:59:59", 1209599},
        {"1:75", 135}, // as written: a minute and 75 seconds
        // any Unicode space is a blank; spaces and line ends around the duration are ignored
        {"3" + kNoBreak + "d", 259200},
        {"3" + kThin + "d", 259200},
        {"1h" + kNarrowNoBreak + "30min", 5400},
        {kIdeographic + "3d" + kNoBreak, 259200},
        {"3d\r", 259200},
        {"3d\r\n", 259200},
        {"3d\n\t ", 259200},
    };
    for (const CCase& c : kCases) {
        double dSeconds = -1;
        std::string error;
        EXPECT_TRUE(ParseDuration(c.text, dSeconds, error)) << c.text << ": " << error;
        EXPECT_EQ(dSeconds, c.dSeconds) << c.text;
    }
}

TEST(DurationParse, RefusedFormsSayWhy) {
    struct CCase {
        std::string text;
        std::string why;
    };
    const CCase kCases[] = {
        {"", "the duration is empty"},
        {"   ", "the duration is empty"},
        {"h", "the unit \"h\" has no number before it"},
        {"MIN", "the unit \"MIN\" has no number before it"},
        {"3x", "\"x\" is not a unit"},
        {"3x", "\"x\" is not a unit: use w, d, h, min, s, ms, us or ns"},
        {"3 dayz", "\"dayz\" is not a unit"},
        {"1h1h", "the hours are written twice"},
        {"1 hour 2h", "the hours are written twice"},
        {"30min1h", "the hours come after the minutes"},
        {"1s1ms1s", "the seconds come after the milliseconds"},
        // only a sign in front is negative
        {"-3d", "\"-3d\" is negative"},
        {" - 1h", "\" - 1h\" is negative"},
        {"1h-5min", "unexpected \"-\" in \"1h-5min\""},
        {"1-2s", "unexpected \"-\" in \"1-2s\""},
        {"1h-", "unexpected \"-\" in \"1h-\""},
        {"5-", "unexpected \"-\" in \"5-\""},
        {"+3d", "\"+3d\" has a sign"},
        // zero is zero, with a sign or without
        {"0", "\"0\" is not longer than zero"},
        {"-0", "\"-0\" is not longer than zero"},
        {"- 0.0h", "\"- 0.0h\" is not longer than zero"},
        {"0h0min", "\"0h0min\" is not longer than zero"},
        {"0:00", "\"0:00\" is not longer than zero"},
        {"0." + std::string(400, '0') + "1s", "too short to tell from zero"},
        {"nan", "\"nan\" is not a number"},
        {"inf", "\"inf\" is not a number"},
        {"Infinity", "\"Infinity\" is not a number"},
        {"1h30", "the number \"30\" has no unit"},
        {"30 1h", "the number \"30\" has no unit: a number without one must stand alone"},
        {"1.2.3s", "unexpected \".\" in \"1.2.3s\""},
        // clock times: two digits after each colon, nothing after them
        {"1:3", "\"1:3\" is not a clock time: write MM:SS, H:MM:SS or D:HH:MM:SS"},
        {"1:2:3:4:5", "not a clock time"},
        {"1:030", "not a clock time"},
        {"1.5:30", "not a clock time"},
        {"1:30.5:00", "not a clock time"},
        {"1::30", "not a clock time"},

        {"1h 02:00:00", "the hours are written twice"},
        {"1:30 h", "unexpected \"h\" in \"1:30 h\""},
        {"1:30 5s", "unexpected \"5\" in \"1:30 5s\""},
        // months and years have no fixed length; "M" is months, not minutes
        {"3 months", "\"months\" is not accepted: months and years vary; write days"},
        {"1y", "\"y\" is not accepted"},
        {"2 Years", "\"Years\" is not accepted"},
        {"3M", "\"M\" is not accepted: months and years vary"},
        // a comma that may separate thousands
        {"1,000h", "\"1,000h\" is ambiguous: write 1000h or 1.000h"},
        {" 1,000 ", "\"1,000\" is ambiguous: write 1000 or 1.000"},
        {"2d 1,500min", "\"1,500min\" is ambiguous: write 1500min or 1.500min"},
        {"1,000x", "\"1,000\" is ambiguous: write 1000 or 1.000"},
        {"1,000hoursandminutes", "\"1,000\" is ambiguous"},
        {"1,000.5h", "unexpected \".\" in \"1,000.5h\""},
        {std::string(70, ' ') + "1,000h 1s" + std::string(60, '1'), "\"1,000h\" is ambiguous"},
        // scientific notation, with its plain form
        {"1e-3", "\"1e-3\" is scientific notation, which is not accepted: write 0.001"},
        {"1e3ms", "\"1e3\" is scientific notation, which is not accepted: write 1000"},
        {"2.5E+2s", "\"2.5E+2\" is scientific notation, which is not accepted: write 250"},
        {"0,5e1h", "\"0,5e1\" is scientific notation, which is not accepted: write 5"},
        {"1e400", "\"1e400\" is scientific notation, which is not accepted: write it in plain"},
        // commas: a decimal comma follows a digit, and stands alone
        {"1,5h 2,5min", "\"1,5h 2,5min\" has more than one comma: write decimals with a point"},
        {"1,000,000s", "more than one comma"},
        {"1h,", "unexpected \",\" in \"1h,\""},
        {"1h,,30min", "unexpected \",\""},
        {",5h", "unexpected \",\""},
        // too long for any number, alone or as the pieces add up
        {std::string(400, '9'), "too long a duration"},
        {std::string(400, '9') + "d", "too long a duration"},
        {"1" + std::string(304, '0') + "d", "too long a duration"},
        {"1" + std::string(303, '0') + "d " + "1" + std::string(308, '0') + "s", "too long"},
        // characters that do not print are shown escaped
        {"3\xe2\x80\x8bh", "\"\\u200bh\" is not a unit"},
        {"3\x1b[1mh", "unexpected \"\\x1b\""},
    };
    for (const CCase& c : kCases) {
        double dSeconds = 7;
        std::string error;
        EXPECT_FALSE(ParseDuration(c.text, dSeconds, error)) << c.text;
        EXPECT_NE(error.find(c.why), std::string::npos) << c.text << ": " << error;
        EXPECT_EQ(dSeconds, 7) << c.text;
    }
}

// The spellings give the very number their short forms give.
TEST(DurationParse, SpellingsReadAsTheirShortForms) {
    const std::pair<const char*, const char*> kPairs[] = {
        {"90 min", "90min"},
        {"1.5 h", "1.5h"},
        {"1 hour", "1h"},
        {"2 hours", "2h"},
        {"3 days", "3d"},
        {"1,5h", "1.5h"},
        {"1 Day 2 HRS", "1d2h"},
        {"7 sec", "7s"},
        {"12 mins", "12min"},
        {"3\xc2\xb5s", "3us"},
        {"0,1 s", "0.1s"},
        {"2 seconds", "2s"},
        {"35555d13h20min1us", "35555 days 13 hours 20 minutes 1 microsecond"},
    };
    for (const auto& [spelled, shortForm] : kPairs) {
        double dSpelled = 0;
        double dShort = 0;
        std::string error;
        ASSERT_TRUE(ParseDuration(spelled, dSpelled, error)) << spelled << ": " << error;
        ASSERT_TRUE(ParseDuration(shortForm, dShort, error)) << shortForm << ": " << error;
        EXPECT_EQ(dSpelled, dShort) << spelled;
    }
}

// The reader finds a unit's row by its place in DurationUnit, and offers the units of fixed length
// by their short names, longest first.
TEST(DurationUnits, RowsAndNamesFollowTheUnits) {
    std::vector<DurationUnit> named;
    std::string names = kDurationUnitNames;
    for (std::size_t at; (at = names.find_first_of(", ")) != std::string::npos;) {
        names.replace(at, names.compare(at, 4, " or ") == 0 ? 4 : 2, "\n");
    }
    std::istringstream lines(names);
    for (std::string name; std::getline(lines, name);) {
        DurationUnit unit = DurationUnit::Year;
        EXPECT_TRUE(FindDurationUnit(name, unit)) << name;
        named.push_back(unit);
    }
    std::vector<DurationUnit> fixed;
    for (std::size_t i = 0; i < kDurationUnitCount; ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kDurationUnits[i].unit), i) << kDurationUnits[i].plural;
        if (kDurationUnits[i].bFixedLength) {
            fixed.push_back(kDurationUnits[i].unit);
        }
    }
    EXPECT_EQ(named, fixed);
}

// Random durations written as pieces, as words and as a clock time read as the same number.
TEST(DurationParse, PiecesWordsAndClockTimesAgree) {
    std::mt19937 random(25); // the same durations on every run
    std::uniform_int_distribution<int> days(0, 40000);
    std::uniform_int_distribution<int> sixty(0, 59);
    std::uniform_int_distribution<int> hours(0, 23);
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    for (int i = 0; i < 2000; ++i) {
        const std::string d = std::to_string(days(random));
        const int nHours = hours(random);
        const int nMinutes = sixty(random);
        const int nSeconds = 1 + sixty(random) % 59;
        const std::string h = std::to_string(nHours);
        const std::string m = std::to_string(nMinutes);
        const std::string s = std::to_string(nSeconds);
        const std::string kForms[] = {
            d + "d " + h + "h " + m + "min " + s + "s",
            d + " days " + h + " hours " + m + " minutes " + s + " seconds",
            d + " day, " + h + " hr, " + m + " m, " + s + " sec",
            d + ":" + twoDigits(nHours) + ":" + twoDigits(nMinutes) + ":" + twoDigits(nSeconds),
            d + "d " + h + ":" + twoDigits(nMinutes) + ":" + twoDigits(nSeconds),
        };
        double dFirst = 0;
        std::string error;
        ASSERT_TRUE(ParseDuration(kForms[0], dFirst, error)) << kForms[0] << ": " << error;
        for (const std::string& form : kForms) {
            double dSeconds = 0;
            ASSERT_TRUE(ParseDuration(form, dSeconds, error)) << form << ": " << error;
            ASSERT_EQ(dSeconds, dFirst) << form;
        }
    }
}

// Long typed texts in every place a message quotes one: the message stays within its bound, and
// gives the example wherever it fits.
TEST(DurationParse, MessagesStayShort) {
    const std::string kLong(400, 'x');
    const std::string kInvisible = [] {
        std::string text;
        for (int i = 0; i < 100; ++i) {
            text += "\xf3\xa0\x80\x81"; // a tag character, shown as \U000e0001
        }
        return text;
    }();
    const std::string kTexts[] = {
        kLong,
        "1" + kLong,
        "-" + kLong,
        "+" + kLong,
        "1,1," + kLong,
        "1h-" + kLong,
        "1" + kInvisible,
        std::string(400, '1') + "e-3",
        "1e-" + std::string(400, '9'),
        std::string(400, '9') + "h",
        "1h " + std::string(400, '3'),
        "0." + std::string(400, '0'),
        "3" + kInvisible + "-",
        "1:" + std::string(400, '0'),
        "1d " + std::string(400, '9') + ":00:00",
        std::string(400, '9') + ":00 " + kLong,
        std::string(400, '9') + ":00 " + std::string(400, '5'),
        "1,000." + std::string(400, '0') + kInvisible,
        "",
    };
    for (const std::string& text : kTexts) {
        double dSeconds = 0;
        std::string error;
        EXPECT_FALSE(ParseDuration(text, dSeconds, error));
        EXPECT_LE(error.size(), kLongestDurationMessage) << error;
        EXPECT_EQ(error.find("inf"), std::string::npos) << error;
    }
    std::string error;
    double dSeconds = 0;
    EXPECT_FALSE(ParseDuration("1h 1h", dSeconds, error));
    EXPECT_NE(error.find(kDurationExamples), std::string::npos) << error;
}

} // namespace
} // namespace spanwise::test
