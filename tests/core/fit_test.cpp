// Fit a Recording Time: reading durations, and the range a duration needs.

#include "Picking.h"
#include "calc/DurationParse.h"
#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace ctl;

namespace spanwise::test {
namespace {

TEST(DurationParse, AcceptedForms) {
    struct CCase {
        const char* text;
        double dSeconds;
    };
    const CCase kCases[] = {
        {"3d", 259200},     {"2d12h", 216000},    {"1h30min", 5400}, {"1.5h", 5400},
        {"90min", 5400},    {"500ms", 0.5},       {"1600ms", 1.6},   {"1.6", 1.6},
        {"1.6s", 1.6},      {"250ns", 250e-9},    {"2us", 2e-6},     {"1d2h3min4s", 93784},
        {"1D", 86400},      {" 1h 30min ", 5400}, {".5s", 0.5},      {"5.", 5},
        {"1min0.5s", 60.5}, {"0.000001s", 1e-6},
    };
    for (const CCase& c : kCases) {
        double dSeconds = -1;
        std::string error;
        EXPECT_TRUE(ParseDuration(c.text, dSeconds, error)) << c.text << ": " << error;
        EXPECT_EQ(dSeconds, c.dSeconds) << c.text;
    }
}

TEST(DurationParse, RefusedFormsSayWhyAndGiveAnExample) {
    struct CCase {
        std::string text;
        const char* why;
    };
    const CCase kCases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {"h", "does not start with a number"},
        {"3x", "\"x\" is not a unit"},
        {"3days", "\"days\" is not a unit"},
        {"1h1h", "written twice"},
        {"30min1h", "comes after min"},
        {"1s1ms1s", "comes after ms"},
        {"-3d", "negative"},
        {"1h-5min", "negative"},
        {"+3d", "sign"},
        {"0", "longer than zero"},
        {"0h0min", "longer than zero"},
        {"nan", "not a number"},
        {"inf", "not a number"},
        {"infinity", "not a number"},
        {"1e3", "\"e\" is not a unit"},
        {"1h30", "has no unit"},
        {"30 1h", "must stand alone"},
        {"1.2.3s", "\".3s\" is not a unit"},
        {std::string(400, '9'), "too long"},
        {std::string(400, '9') + "d", "too long"},
    };
    for (const CCase& c : kCases) {
        double dSeconds = 7;
        std::string error;
        EXPECT_FALSE(ParseDuration(c.text, dSeconds, error)) << c.text;
        EXPECT_NE(error.find(c.why), std::string::npos) << c.text << ": " << error;
        EXPECT_NE(error.find("3d, 2d12h"), std::string::npos) << error;
        EXPECT_EQ(dSeconds, 7) << c.text;
    }
}

// Every combination a user reaches in the condition lists of every model, each given once to
// visit: memory, function, sampling, scanner unit and channels, in dialog order.
void ForEachCondition(CCalculator& calc, const std::function<void()>& visit) {
    static const CalcList kLevels[] = {CalcList::Memory, CalcList::Sampling, CalcList::Function,
                                       CalcList::Scanner, CalcList::Channels};
    std::function<void(std::size_t)> walk = [&](std::size_t nLevel) {
        if (nLevel == std::size(kLevels)) {
            visit();
            return;
        }
        const CalcList list = kLevels[nLevel];
        const CSelection before = calc.GetSelection();
        const int nCount =
            calc.IsEnabled(list) ? static_cast<int>(calc.GetEntries(list).size()) : 1;
        for (int i = 0; i < nCount; ++i) {
            calc.RestoreSelection(before);
            if (calc.IsEnabled(list)) {
                calc.Pick(list, i);
            }
            walk(nLevel + 1);
        }
        calc.RestoreSelection(before);
    };
    for (int nModel = 0; nModel < static_cast<int>(calc.GetEntries(CalcList::Model).size());
         ++nModel) {
        calc.Pick(CalcList::Model, nModel);
        walk(0);
    }
}

// The answer agrees with the times the Time-axis Range list shows, read range by range as the
// table command reads them, for durations just below, equal to and just above each of them.
TEST(FitRecordingTime, AgreesWithEveryRangesTimeInEveryReachableState) {
    CHeadlessHost host;
    CCalculator calc(host);
    long nChecked = 0;
    ForEachCondition(calc, [&] {
        const CSelection conditions = calc.GetSelection();
        std::vector<double> times;
        for (int i = 0; i < static_cast<int>(calc.GetEntries(CalcList::TimeRange).size()); ++i) {
            calc.Pick(CalcList::TimeRange, i);
            times.push_back(calc.GetRecordingTimeSeconds());
        }
        calc.RestoreSelection(conditions);
        for (const double dTime : times) {
            for (const double dSeconds :
                 {std::nextafter(dTime, 0.0), dTime, std::nextafter(dTime, HUGE_VAL)}) {
                std::size_t nExpected = 0;
                while (nExpected < times.size() && times[nExpected] < dSeconds) {
                    ++nExpected;
                }
                const CCalculator::CFit fit = calc.FindFit(dSeconds);
                ASSERT_EQ(fit.bFits, nExpected < times.size()) << dSeconds;
                if (fit.bFits) {
                    ASSERT_EQ(fit.nTimeRange, static_cast<int>(nExpected)) << dSeconds;
                } else {
                    ASSERT_EQ(times[static_cast<std::size_t>(fit.nTimeRange)],
                              *std::max_element(times.begin(), times.end()));
                }
                ++nChecked;
            }
        }
        ASSERT_EQ(calc.GetSelection(), conditions) << "finding a fit changed the dialog";
    });
    EXPECT_GT(nChecked, 10000);
}

TEST(FitRecordingTime, PicksTheRangeAsAUserWould) {
    CHeadlessHost host;
    CCalculator calc(host);
    // 320000 div at 10us/div last 3.2 s; at 5us/div 1.6 s.
    EXPECT_TRUE(calc.FitRecordingTime("2s"));
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), "10us/div");
    EXPECT_EQ(calc.GetRecordingTimeText(), "3.2s");
    EXPECT_TRUE(calc.FitRecordingTime("3.2s")); // equal fits
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), "10us/div");
    EXPECT_TRUE(host.Messages().empty());
}

TEST(FitRecordingTime, SaysWhyAndChangesNothingWhenItCannot) {
    struct CCase {
        const char* duration;
        const char* message;
    };
    const CCase kCases[] = {
        {"2000d", "No time-axis range records 2000d under these conditions: the longest "
                  "recording time is 1111d2h40min, at 5min/div."},
        {"3x", "Cannot read the recording time: \"x\" is not a unit: use d, h, min, s, ms, us or "
               "ns; write a duration such as 3d, 2d12h, 1h30min, 1.5h or 500ms."},
    };
    for (const CCase& c : kCases) {
        CHeadlessHost host;
        CCalculator calc(host);
        const std::string before = calc.GetReport();
        EXPECT_FALSE(calc.FitRecordingTime(c.duration));
        EXPECT_EQ(calc.GetReport(), before);
        ASSERT_EQ(host.Messages().size(), 1U);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_EQ(host.Messages()[0].caption, AfxGetAppName());
    }
}

} // namespace
} // namespace spanwise::test
