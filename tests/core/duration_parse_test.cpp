// Reading durations as users write them: the forms accepted, with their seconds, and the forms
// refused, each with a message that says what is wrong, echoes what was typed and stays short.

#include "calc/DurationParse.h"

#include <gtest/gtest.h>

#include <string>

namespace spanwise::test {
namespace {

TEST(DurationParse, AcceptedForms) {
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
        {"3m", "\"m\" is not a unit: use d, h, min"},
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
        {"0", "\"0\" is no time at all: a duration must be longer than zero"},
        {"0h0min", "longer than zero"},
        {"0." + std::string(400, '0') + "1s", "too short to tell from zero"},
        {"nan", "\"nan\" is not a number"},
        {"inf", "\"inf\" is not a number"},
        {"Infinity", "\"Infinity\" is not a number"},
        {"1h30", "the number \"30\" has no unit"},
        {"30 1h", "the number \"30\" has no unit: a number without one must stand alone"},
        {"1.2.3s", "unexpected \".\" in \"1.2.3s\""},
        {"1:30", "unexpected \":\""},
        // scientific notation, with its plain form
        {"1e-3", "\"1e-3\" is scientific notation, which is not accepted: write 0.001"},
        {"1e3ms", "\"1e3\" is scientific notation, which is not accepted: write 1000"},
        {"2.5E+2s", "\"2.5E+2\" is scientific notation, which is not accepted: write 250"},
        {"0,5e1h", "\"0,5e1\" is scientific notation, which is not accepted: write 5"},
        {"1e400", "\"1e400\" is scientific notation, which is not accepted: write it in plain"},
        // commas: a decimal comma follows a digit, and stands alone
        {"1,5h 2,5min", "\"1,5h 2,5min\" has more than one comma: write decimals with a point"},
        {"1,000,000s", "more than one comma"},
        {"1h, 30min", "unexpected \",\" in \"1h, 30min\""},
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
