// Dialogs that open and then answer: the first draw describes every control, a child dialog the
// user ends is let go of, and a dialog destroyed while shown is let go of by its host.

#include "Picking.h"
#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace ctl;

namespace spanwise::test {
namespace {

class CRecordingObserver final : public IControlObserver {
public:
    void OnControlChanged(const CControlState& control, ControlChange change) override {
        changes.emplace_back(control.GetIndex(), change);
    }
    std::vector<std::pair<std::size_t, ControlChange>> changes;
};

TEST(DialogHost, FirstDrawDescribesEveryControlThenTheFocus) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    CRecordingObserver observer;
    dlg.SetObserver(&observer);
    std::vector<std::pair<std::size_t, ControlChange>> expected;
    for (std::size_t i = 0; i < dlg.Controls().size(); ++i) {
        for (const ControlChange change : kEveryControlChange) {
            if (change != ControlChange::Focus) {
                expected.emplace_back(i, change);
            }
        }
    }
    expected.emplace_back(dlg.FindControl(IDC_MODEL)->GetIndex(), ControlChange::Focus);
    EXPECT_EQ(observer.changes, expected);

    // Then each change once, as it happens.
    observer.changes.clear();
    Pick(dlg, IDC_TIME_RANGE, "10us/div");
    const std::size_t nTime = dlg.FindControl(IDC_RECORDING_TIME)->GetIndex();
    EXPECT_EQ(std::count(observer.changes.begin(), observer.changes.end(),
                         std::make_pair(nTime, ControlChange::Text)),
              1);
    dlg.SetObserver(nullptr);
}

TEST(DialogHost, ChildDialogsEndAndAreLetGo) {
    CHeadlessHost host;
    CRecordingCalcDlg dlg{host};
    dlg.Create();
    for (const unsigned nCommand : {IDM_ABOUTBOX, IDM_FIT_TIME, IDM_RANGES}) {
        dlg.OnUserSysCommand(nCommand);
        ASSERT_EQ(host.OpenDialogs().size(), 1U) << nCommand;
        // The button ends the box, whose parent lets go of it before the click returns.
        EXPECT_TRUE(host.OpenDialogs().front()->OnUserClick(
            nCommand == IDM_ABOUTBOX ? static_cast<int>(IDOK) : static_cast<int>(IDCANCEL)));
        EXPECT_TRUE(host.OpenDialogs().empty()) << nCommand;
    }
    EXPECT_EQ(Shown(dlg, IDC_RECORDING_TIME), "1.6s");
}

TEST(DialogHost, DialogsDestroyedWhileShownAreLetGo) {
    CHeadlessHost host;
    int nEnded = 0;
    {
        CCalculator calc(host);
        calc.Show([&nEnded](int) { ++nEnded; });
        ASSERT_EQ(host.OpenDialogs().size(), 1U);
        host.OpenDialogs().front()->OnUserSysCommand(IDM_FIT_TIME);
        ASSERT_EQ(host.OpenDialogs().size(), 2U);
    }
    EXPECT_TRUE(host.OpenDialogs().empty());
    EXPECT_EQ(nEnded, 0) << "a dialog that goes away has not ended";
}

} // namespace
} // namespace spanwise::test
