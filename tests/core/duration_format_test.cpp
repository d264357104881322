#include "calc/DurationFormat.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace spanwise {
namespace {

struct DurationCase {
    double seconds;
    const char* text;
};

// The recording-time call: resolution 1e-6, 4 digits, at most 20 characters.
TEST(FormatDuration, RecordingTimeTexts) {
    const DurationCase cases[] = {
        {0, "0s"},
        {2.5e-07, "250ns"},
        {0.0001, "100us"},
        {0.0025, "2.5ms"},
        {0.16, "160ms"},
        {1.6, "1.6s"},
        {51.2, "51.2s"},
        {90, "1min30s"},
        {1234.5678, "20min34.5678s"},
        {3600, "1h"},
        {30000, "8h20min"},
        {200000, "2d7h33min20s"},
        {5120000, "59d6h13min20s"},
        {576000000, "6666d16h"},
        {3072000000, "35555d13h20min"},
        {-90.5, "-1min30.5s"},
        {1000000000.123456, "11574d1h46min"},
        // Recording lengths times division lengths, multiplied as the program does.
        {320000 * 0.000005, "1.6s"},
        {10240000 * 300.0, "35555d13h20min"},
        {500 * 0.0001, "50ms"},
        {20000 * 0.0001, "2s"},
        {20000 * 0.001, "20s"},
        {20000 * 300.0, "69d10h40min"},
        {3200 * 0.0002, "640ms"},
        {20000 * 0.01, "3min20s"},
        // Whole units fall a hair short on the way through days and must still count as whole.
        {60, "1min"},
        {6000000, "69d10h40min"},
        {86400, "1d"},
        {172800, "2d"},
        {86401, "1d1s"},
        {3599, "59min59s"},
        {86399, "23h59min59s"},
        // ...while a real shortfall is kept.
        {59.99, "59.99s"},
        {59.9999, "59.9999s"},
        {3599.5, "59min59.5s"},
        {3071999999.5, "35555d13h19min59.5s"},
        {3071999999.9995, "35555d13h19min"}, // "59.9995s" has no room, the 20min is not reached
        {std::numeric_limits<double>::quiet_NaN(), "0s"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {2e14, "inf"},
    };
    for (const DurationCase& c : cases) {
        EXPECT_EQ(FormatDuration(c.seconds, 1e-06, 4, 20), c.text) << c.seconds;
    }
}

TEST(FormatDuration, WholeSecondsTruncate) {
    const DurationCase cases[] = {
        {90.7, "1min30s"}, {59.99, "59s"}, {3600, "1h"}, {86400, "1d"}, {0.5, ""}, {-61, "-1min1s"},
    };
    for (const DurationCase& c : cases) {
        EXPECT_EQ(FormatDuration(c.seconds, 1.0, 4, 20), c.text) << c.seconds;
    }
}

TEST(FormatDuration, TenthsRoundAndCarry) {
    const DurationCase cases[] = {
        {30.5, "30.5s"}, {90.5, "1min30.5s"}, {0.3, "0.3s"},         {59.94, "59.9s"},
        {59.96, "1min"}, {3599.97, "1h"},     {5.0, "5s"},           {60.02, "1min"},
        {0.02, "0s"},    {-0.02, "0s"},       {-90.5, "-1min30.5s"},
    };
    for (const DurationCase& c : cases) {
        EXPECT_EQ(FormatDuration(c.seconds, 0.1, 4, 20), c.text) << c.seconds;
    }
}

TEST(FormatDuration, DropsPiecesThatOverrunTheLength) {
    const struct {
        double seconds;
        int maxLength;
        const char* text;
    } cases[] = {
        {1000000000.123456, 13, "11574d1h46min"},
        {1000000000.123456, 12, "11574d1h"},
        {1000000000.123456, 5, ""},
        {90, 7, "1min30s"},
        {90, 6, "1min"},
        {3661, 4, "1h"}, // "1min" is dropped with "1s"
        {2.5e-07, 4, ""},
        {-90.5, 2, "-"},
        {0, 0, "0s"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDuration(c.seconds, 1e-06, 4, c.maxLength), c.text)
            << c.seconds << " max " << c.maxLength;
    }
}

// Exact text of a duration given in whole microseconds (a multiple of 100), written as the
// recording-time field does: whole units, the rest trimmed, pieces cut at 20 characters.
std::string ExactRecordingTime(std::int64_t us) {
    const std::int64_t whole = us / 1000000;
    std::int64_t rest = us % 1000000 + whole % 60 * 1000000;
    std::vector<std::string> pieces;
    if (whole / 86400 > 0)
        pieces.push_back(std::to_string(whole / 86400) + "d");
    if (whole / 3600 % 24 > 0)
        pieces.push_back(std::to_string(whole / 3600 % 24) + "h");
    if (whole / 60 % 60 > 0)
        pieces.push_back(std::to_string(whole / 60 % 60) + "min");
    if (rest > 0) {
        std::string unit = "s";
        std::int64_t perUnit = 1000000;
        if (rest < 1000000) {
            unit = rest < 1000 ? "us" : "ms";
            perUnit = rest < 1000 ? 1 : 1000;
        }
        std::string fraction = std::to_string(perUnit + rest % perUnit).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        pieces.push_back(std::to_string(rest / perUnit) + (fraction.empty() ? "" : ".") + fraction +
                         unit);
    }
    std::string text;
    for (const std::string& piece : pieces) {
        if (text.size() + piece.size() > 20)
            break;
        text += piece;
    }
    return text.empty() ? "0s" : text;
}

// Every recording length the calculator shows times every division length of the time axis.
// Compared with the exact decimal product, so a whole minute shown as "59.9999s", a "60s" or a
// rounding residue in a whole number of seconds would all differ.
TEST(FormatDuration, EveryRecordingTimeIsExact) {
    const int lengths[] = {400,    500,     800,     1000,    1600,    2000,   3200,
                           5000,   10000,   20000,   40000,   80000,   160000, 320000,
                           640000, 1280000, 2560000, 5120000, 10240000};
    const double perDiv[] = {0.000005, 0.00001, 0.00002, 0.00005, 0.0001, 0.0002, 0.0004, 0.0005,
                             0.001,    0.002,   0.005,   0.01,    0.02,   0.05,   0.1,    0.2,
                             0.5,      1,       2,       5,       10,     30,     50,     60,
                             100,      120,     300,     600,     1800,   3600};
    for (int divs : lengths) {
        for (double seconds : perDiv) {
            const std::int64_t us = divs * std::llround(seconds * 1e6);
            const std::string text = FormatDuration(divs * seconds, 1e-06, 4, 20);
            EXPECT_EQ(text, ExactRecordingTime(us)) << divs << " x " << seconds;
            EXPECT_LE(text.size(), 20u);
        }
    }
}

TEST(FormatEngineering, ScalesAndPrefixes) {
    const struct {
        double value;
        bool plus;
        bool trim;
        int precision;
        const char* text;
    } cases[] = {
        {0.0025, false, true, 4, "2.5m"},
        {0.0025, true, true, 4, "+2.5m"},
        {0.0025, false, false, 2, "2.50m"},
        {-0.0025, false, true, 4, "-2.5m"},
        {1234567, false, true, 4, "1.2346M"},
        {1234567, true, false, 4, "+1.2346M"},
        {1.05, false, true, 4, "1.05"},
        {0, false, true, 4, "0"},
        {0, true, false, 4, "0.0000"},
        {-1e-13, true, true, 4, "0"},
        {999.99999, false, true, 4, "1000"}, // rounds up but keeps its prefix
        {1000, false, true, 4, "1k"},
        {0.001, false, true, 4, "1m"},
        {1e-06, false, true, 4, "1u"},
        {1e-09, false, true, 4, "1n"},
        {1.5e-12, false, true, 4, "1.5p"},
        {1e-12, false, true, 4, "1000"}, // the picoscale is a hair above 1e-12
        {5e12, false, true, 4, "5T"},
        {2e15, false, true, 4, "2"}, // no letter for 1e15
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatEngineering(c.value, c.plus, c.trim, c.precision), c.text) << c.value;
    }
}

// The front end may run with a locale whose decimal point is ','.
TEST(FormatEngineering, PointWhateverTheLocale) {
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German"};
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : commaLocales) {
        found = found || std::setlocale(LC_ALL, name) != nullptr;
    }
#ifndef _WIN32
    if (!found) {
        // None installed: compile one of our own, which glibc finds through LOCPATH.
        const std::string dir = ::testing::TempDir() + "spanwise-locale";
        const std::string command = "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" +
                                    dir + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            setenv("LOCPATH", dir.c_str(), 1);
            found = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        }
    }
#endif
    if (!found) {
        GTEST_SKIP() << "no locale with a decimal comma installed, and none could be made";
    }
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    const std::string text = FormatEngineering(0.0025, false, true, 4);
    const std::string duration = FormatDuration(1234.5678, 1e-06, 4, 20);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(text, "2.5m");
    EXPECT_EQ(duration, "20min34.5678s");
}

TEST(TrimTrailingZeros, DropsZerosAfterThePoint) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"160.0000", "160"}, {"2.5000", "2.5"}, {"1.0500", "1.05"}, {"0.0000", "0"},
        {"100", "100"},      {"-0.50", "-0.5"}, {"5.", "5"},        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimTrailingZeros(c.in), c.out) << c.in;
    }
}

} // namespace
} // namespace spanwise
