// What a drawing is sent: only what changed, a refused pick's selection again, a message box asked
// for before the window shows once it shows, and one announcement for each action that changed
// what the user reads.

#include "Picking.h"
#include "controls/ControlView.h"
#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace ctl;

namespace spanwise::test {
namespace {

// A drawing that writes down what it is sent: "Show<kind> <control id>", "Name <id> <name>" and
// "Announce <text>".
class CRecordingView final : public CControlView {
public:
    explicit CRecordingView(CDialog& dlg) : CControlView(dlg) { Attach(); }

    std::vector<std::string> sent;

    long Count(const std::string& what) const { return std::count(sent.begin(), sent.end(), what); }
    std::vector<std::string> Announcements() const {
        std::vector<std::string> said;
        for (const std::string& what : sent) {
            if (what.rfind("Announce ", 0) == 0) {
                said.push_back(what.substr(9));
            }
        }
        return said;
    }

protected:
    void ShowText(const CControlState& c) override { Note("ShowText", c); }
    void ShowEntries(const CControlState& c) override { Note("ShowEntries", c); }
    void ShowSelection(const CControlState& c) override { Note("ShowSelection", c); }
    void ShowEnabled(const CControlState& c) override { Note("ShowEnabled", c); }
    void ShowVisible(const CControlState& c) override { Note("ShowVisible", c); }
    void ShowFont(const CControlState& c) override { Note("ShowFont", c); }
    void ShowToolTip(const CControlState& c) override { Note("ShowToolTip", c); }
    void ShowFocus(const CControlState& c) override { Note("ShowFocus", c); }
    void ShowAccessibleName(const CControlState& c, const std::string& name) override {
        sent.push_back("Name " + std::to_string(c.GetID()) + " " + name);
    }
    void ShowTextColour(const CControlState& c, COLORREF /*colour*/) override {
        Note("ShowTextColour", c);
    }
    void Announce(const std::string& text) override { sent.push_back("Announce " + text); }

private:
    void Note(const char* what, const CControlState& c) {
        sent.push_back(std::string(what) + " " + std::to_string(c.GetID()));
    }
};

std::string Sent(const char* what, int nID) {
    return std::string(what) + " " + std::to_string(nID);
}

TEST(ControlViewSends, OnlyWhatChangedAndTheRefusedPicksSelectionAgain) {
    CHeadlessHost host;
    CCalculator calc(host);
    calc.Show();
    CRecordingCalcDlg& dlg = *static_cast<CRecordingCalcDlg*>(host.OpenDialogs()[0]);
    CRecordingView view(dlg);
    EXPECT_EQ(view.Count(Sent("ShowFocus", IDC_MODEL)), 1);
    EXPECT_EQ(view.Count("Name " + std::to_string(IDC_MODEL) + " Model Number"), 1);
    EXPECT_EQ(view.Count(Sent("ShowTextColour", IDC_RECORDING_TIME)), 1);
    EXPECT_TRUE(view.Announcements().empty()) << "the opening is read as a whole";

    // A pick of a range refills no list and sends the list's selection not back to the widget
    // that shows it.
    view.sent.clear();
    Pick(dlg, IDC_TIME_RANGE, "10us/div");
    EXPECT_EQ(std::count_if(view.sent.begin(), view.sent.end(),
                            [](const std::string& s) { return s.rfind("ShowEntries", 0) == 0; }),
              0)
        << ::testing::PrintToString(view.sent);
    EXPECT_EQ(view.Count(Sent("ShowSelection", IDC_TIME_RANGE)), 0);
    EXPECT_EQ(view.Count(Sent("ShowText", IDC_RECORDING_TIME)), 1);
    EXPECT_EQ(
        view.Count("Name " + std::to_string(IDC_RECORDING_TIME) + " Maximum Recording Time: 3.2s"),
        1);

    // Refused picks: the widget shows what the user did; the dialog's selection goes to it again,
    // once, and nothing else does.
    struct CRefused {
        const char* what;
        std::vector<std::string> picks; // made first, accepted
        int nID;
        int nIndex;
    };
    const CRefused kRefused[] = {
        {"a position the list lacks", {}, IDC_MODEL, 99},
        {"a disabled list", {"function=REC"}, IDC_SAMPLING, 1},
    };
    for (const CRefused& refused : kRefused) {
        SCOPED_TRACE(refused.what);
        for (const std::string& pick : refused.picks) {
            std::string error;
            ASSERT_TRUE(ApplyPick(calc, pick, error)) << error;
        }
        view.sent.clear();
        EXPECT_FALSE(dlg.OnUserPick(refused.nID, refused.nIndex));
        EXPECT_EQ(view.sent, std::vector<std::string>{Sent("ShowSelection", refused.nID)});
    }
}

TEST(ControlViewSends, AMessageBoxAskedForBeforeTheWindowShowsOnceItShows) {
    CHeadlessHost host;
    CCalculator calc(host);
    calc.ShowMessage("Cannot pick \"9G\" in the Internal Memory list.");
    EXPECT_TRUE(host.Messages().empty()) << "shown over no window";
    calc.Show();
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_EQ(host.Messages()[0].text, "Cannot pick \"9G\" in the Internal Memory list.");
    calc.Copy();
    EXPECT_EQ(host.Messages().size(), 1U) << "the held box is shown once";
}

TEST(ControlViewSends, OneAnnouncementForEachActionThatChangedWhatTheUserReads) {
    struct CCase {
        const char* what;
        std::vector<std::string> before;
        std::string pick; // "" for a fit of 2s
        std::vector<std::string> said;
    };
    const CCase kCases[] = {
        {"a range", {}, "range=#1", {"Sampling Period 100ns/S, Maximum Recording Time 3.2s"}},
        {"REC hides the sampling period",
         {},
         "function=REC",
         {"Maximum Recording Length 5000 div, Maximum Recording Time 50s"}},
        {"the same entry again", {}, "model=Alder/Alder-W", {}},
        {"a fit names the range it picked",
         {},
         "",
         {"Time-axis Range 10us/div, Sampling Period 100ns/S, Maximum Recording Time 3.2s"}},
        {"a fit of the range shown still says so",
         {"range=10us/div"},
         "",
         {"Time-axis Range 10us/div"}},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CHeadlessHost host;
        CCalculator calc(host);
        calc.Show();
        for (const std::string& pick : c.before) {
            std::string error;
            ASSERT_TRUE(ApplyPick(calc, pick, error)) << error;
        }
        CRecordingView view(*host.OpenDialogs()[0]);
        if (c.pick.empty()) {
            ASSERT_TRUE(calc.FitRecordingTime("2s"));
        } else {
            std::string error;
            ASSERT_TRUE(ApplyPick(calc, c.pick, error)) << error;
        }
        EXPECT_EQ(view.Announcements(), c.said);
    }
}

} // namespace
} // namespace spanwise::test
