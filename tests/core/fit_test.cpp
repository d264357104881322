// Fit a Recording Time: the range a duration needs, and the question that asks for it.

#include "Picking.h"
#include "controls/DialogHost.h"
#include "res/Resource.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace ctl;

namespace spanwise::test {
namespace {

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
    // The box reads what spanwise-cli fit reads: 90 s need 500us/div (160 s).
    EXPECT_TRUE(calc.FitRecordingTime("1m\xc2\xa0"
                                      "30s\r\n"));
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), "500us/div");
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
        std::string duration;
        std::string message;
    };
    const CCase kCases[] = {
        {"2000d", "No time-axis range records \"2000d\" under these conditions: the longest "
                  "recording time is 1111d2h40min, at 5min/div."},
        // the echo is what was typed, never the duration written again
        {"2147483648 days", "No time-axis range records \"2147483648 days\" under these "
                            "conditions: the longest recording time is 1111d2h40min, at 5min/div."},
        {"3x", "Cannot read the recording time: \"x\" is not a unit: use w, d, h, min, s, ms, us "
               "or ns."},
        {"1,000h", "Cannot read the recording time: \"1,000h\" is ambiguous: write 1000h or "
                   "1.000h."},
        {"-0", "Cannot read the recording time: \"-0\" is not longer than zero; write a duration "
               "such as 3d, 2d12h, 1h30min, 1.5h or 500ms."},
        {std::string(400, '9'), "Cannot read the recording time: \"" + std::string(57, '9') +
                                    "...\" (400 characters) is too long a duration: no number "
                                    "holds it."},
    };
    for (const CCase& c : kCases) {
        CHeadlessHost host;
        CCalculator calc(host);
        calc.Show();
        const std::string before = calc.GetReport();
        EXPECT_FALSE(calc.FitRecordingTime(c.duration));
        EXPECT_EQ(calc.GetReport(), before);
        ASSERT_EQ(host.Messages().size(), 1U);
        EXPECT_EQ(host.Messages()[0].text, c.message);
        EXPECT_LE(host.Messages()[0].text.size(), 200U);
        EXPECT_EQ(host.Messages()[0].caption, AfxGetAppName());
    }
}

// Records the controls the dialog gives the focus to.
class CFocusRecorder final : public IControlObserver {
public:
    void OnControlChanged(const CControlState& control, ControlChange change) override {
        if (change == ControlChange::Focus) {
            m_focused.push_back(control.GetID());
        }
    }
    std::vector<int> m_focused;
};

// The question as the window menu opens it, on a host that keeps dialogs open: a bad entry or one
// that no range records leaves it open with the text as typed, given the focus for correcting;
// one that fits closes it and picks the range; opened again, it offers the last duration tried.
TEST(FitRecordingTime, TheQuestionStaysOpenUntilADurationIsAccepted) {
    CHeadlessHost host;
    CCalculator calc(host);
    calc.Show();
    ASSERT_EQ(host.OpenDialogs().size(), 1U);
    CDialog& main = *host.OpenDialogs()[0];
    const std::string before = calc.GetReport();

    main.OnUserSysCommand(IDM_FIT_TIME);
    ASSERT_EQ(host.OpenDialogs().size(), 2U);
    CDialog& fit = *host.OpenDialogs()[1];
    EXPECT_EQ(fit.GetParent(), &main);
    EXPECT_EQ(fit.FindControl(IDC_DURATION)->m_strText, "");
    CFocusRecorder recorder;
    fit.SetObserver(&recorder);
    recorder.m_focused.clear();

    const std::pair<std::string, std::string> kRefused[] = {{"3x", "\"x\" is not a unit"},
                                                            {"2000d", "records \"2000d\""}};
    for (const auto& [duration, echo] : kRefused) {
        SCOPED_TRACE(duration);
        const std::size_t nMessages = host.Messages().size();
        ASSERT_TRUE(fit.OnUserEdit(IDC_DURATION, duration));
        ASSERT_TRUE(fit.OnUserClick(IDOK));
        ASSERT_EQ(host.Messages().size(), nMessages + 1);
        EXPECT_NE(host.Messages().back().text.find(echo), std::string::npos)
            << host.Messages().back().text;
        ASSERT_EQ(host.OpenDialogs().size(), 2U) << "the question closed";
        EXPECT_EQ(fit.FindControl(IDC_DURATION)->m_strText, duration);
        EXPECT_EQ(recorder.m_focused, std::vector<int>{IDC_DURATION});
        EXPECT_EQ(fit.GetFocus()->GetID(), IDC_DURATION);
        EXPECT_EQ(calc.GetReport(), before);
        recorder.m_focused.clear();
    }
    fit.SetObserver(nullptr);

    // 320000 div at 10us/div last 3.2 s.
    ASSERT_TRUE(fit.OnUserEdit(IDC_DURATION, "2 seconds"));
    ASSERT_TRUE(fit.OnUserClick(IDOK));
    EXPECT_EQ(host.OpenDialogs().size(), 1U);
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), "10us/div");

    // Cancelled: nothing changes, and the duration tried last is still the one offered.
    main.OnUserSysCommand(IDM_FIT_TIME);
    ASSERT_EQ(host.OpenDialogs().size(), 2U);
    CDialog& again = *host.OpenDialogs()[1];
    EXPECT_EQ(again.FindControl(IDC_DURATION)->m_strText, "2 seconds");
    EXPECT_EQ(again.GetFocus()->GetID(), IDC_DURATION);
    ASSERT_TRUE(again.OnUserEdit(IDC_DURATION, "1s"));
    ASSERT_TRUE(again.OnUserClick(IDCANCEL));
    EXPECT_EQ(host.OpenDialogs().size(), 1U);
    EXPECT_EQ(calc.GetSelectedText(CalcList::TimeRange), "10us/div");
    main.OnUserSysCommand(IDM_FIT_TIME);
    ASSERT_EQ(host.OpenDialogs().size(), 2U);
    EXPECT_EQ(host.OpenDialogs()[1]->FindControl(IDC_DURATION)->m_strText, "2 seconds");
}

} // namespace
} // namespace spanwise::test
