// A walk over every state a user can reach from the opening state by picking any entry of any
// enabled list, checking on each that the dialog is consistent and reads no empty table cell.

#include "DialogSnapshot.h"
#include "Picking.h"
#include "calc/RecordingLength.h"
#include "calc/TimeAxisTable.h"
#include "conditions/ModelCatalogue.h"
#include "controls/DialogHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <iostream>
#include <set>

using namespace ctl;

namespace spanwise::test {
namespace {

// Reads on the selected state only what the lists offered, never an empty cell or a zero.
void ExpectConsistent(const CRecordingCalcDlg& dlg) {
    const std::array<int, 7> selection = SelectionOf(dlg);
    for (std::size_t i = 0; i < std::size(kSelectionLists); ++i) {
        const CControlState& list = *dlg.FindControl(kSelectionLists[i]);
        ASSERT_GE(selection[i], 0) << kSelectionLists[i];
        ASSERT_LT(selection[i], static_cast<int>(list.m_entries.size())) << kSelectionLists[i];
        ASSERT_EQ(list.m_nCurSel, selection[i]) << kSelectionLists[i];
    }
    const CSelection s = dlg.GetSelection();
    const CTimeAxisCell& cell = GetTimeAxisCell(
        TimeAxisRow(s.nModel),
        GetFirstTimeRangeIndex(s.nModel, s.nFunction, s.nSampling, s.nScanner) + s.nTimeRange);
    EXPECT_STRNE(cell.label, "");
    EXPECT_STRNE(cell.period, "");
    EXPECT_GT(cell.secondsPerDiv, 0.0);
    EXPECT_EQ(ListOf(dlg, IDC_TIME_RANGE).GetWindowText(), cell.label);

    // The channel divisor is read under MEM by every model but Gum and Juniper.
    const bool bReadsDivisor =
        s.nFunction == kFunctionMem && s.nModel != kGum && s.nModel != kJuniper;
    if (bReadsDivisor) {
        EXPECT_GT(GetChannelDivisor(s.nModel, s.nChannels), 0);
    }
    EXPECT_GT(dlg.GetRecordingLengthDivs(), 0);
    EXPECT_EQ(dlg.GetDlgItem(IDC_RECORDING_LENGTH).GetWindowText(),
              std::to_string(dlg.GetRecordingLengthDivs()) + " div");
    const std::string time = dlg.GetDlgItem(IDC_RECORDING_TIME).GetWindowText();
    EXPECT_FALSE(time.empty());
    EXPECT_LE(time.size(), 20U) << time;
}

TEST(ReachableStates, EveryStateIsConsistent) {
    CHeadlessHost host;
    CRecordingCalcDlg opening{host};
    opening.Create();
    std::map<std::array<int, 7>, CDialogSnapshot> seen;
    std::deque<std::array<int, 7>> queue;
    seen.emplace(SelectionOf(opening), TakeSnapshot(opening));
    queue.push_back(SelectionOf(opening));

    CRecordingCalcDlg dlg{host};
    dlg.Create();
    long nTransitions = 0;
    while (!queue.empty()) {
        const std::array<int, 7> from = queue.front();
        queue.pop_front();
        Restore(dlg, from);
        ASSERT_EQ(TakeSnapshot(dlg), seen.at(from)) << "restoring a state gave another dialog";
        const CDialogSnapshot fromSnapshot = seen.at(from);

        for (int nID : kSelectionLists) {
            const CControlSnapshot& list = fromSnapshot.controls.at(nID);
            if (!list.bEnabled) {
                continue;
            }
            for (int nIndex = 0; nIndex < static_cast<int>(list.entries.size()); ++nIndex) {
                Restore(dlg, from);
                ASSERT_TRUE(dlg.OnUserPick(nID, nIndex));
                ++nTransitions;
                ExpectConsistent(dlg);
                if (HasFailure()) {
                    FAIL() << "after picking #" << nIndex << " of list " << nID;
                }
                const auto [it, bNew] = seen.emplace(SelectionOf(dlg), TakeSnapshot(dlg));
                if (bNew) {
                    queue.push_back(it->first);
                } else {
                    ASSERT_EQ(it->second, TakeSnapshot(dlg))
                        << "one selection state shown two ways";
                }
            }
        }
    }
    std::cout << "[ walk     ] " << seen.size() << " reachable states, " << nTransitions
              << " picks\n";
    ::testing::Test::RecordProperty("reachable_states", static_cast<int>(seen.size()));
    EXPECT_GT(seen.size(), 1000U);
}

} // namespace
} // namespace spanwise::test
