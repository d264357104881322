// A walk over every state a user can reach from the opening state by picking any entry of any
// enabled list, checking on each that the dialog is consistent and reads no empty table cell.

#include "DialogSnapshot.h"
#include "calc/TimeAxisTable.h"
#include "conditions/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <deque>
#include <iostream>
#include <set>

namespace spanwise::test {
namespace {

constexpr int kLists[] = {IDC_MODEL,   IDC_MEMORY,   IDC_FUNCTION,  IDC_SAMPLING,
                          IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE};

// Brings a dialog to the state of a selection: the members as given, then every refresh step in
// chain order. The walk checks that this gives exactly the dialog the picks gave.
void Restore(CRecordingCalcDlg& dlg, const std::array<int, 7>& selection) {
    dlg.m_nModel = selection[0];
    dlg.m_nMemory = selection[1];
    dlg.m_nFunction = selection[2];
    dlg.m_nSampling = selection[3];
    dlg.m_nScanner = selection[4];
    dlg.m_nChannels = selection[5];
    dlg.m_nTimeRange = selection[6];
    dlg.m_cbModel.SetCurSel(dlg.m_nModel);
    dlg.FillMemoryList();
    dlg.SelectFunction();
    dlg.SelectSampling();
    dlg.FillScannerList();
    dlg.FillChannelList();
    dlg.ShowRecordingLength();
    dlg.FillTimeRangeList();
    dlg.ShowSamplingPeriod();
    dlg.ShowRecordingTime();
    dlg.UpdateControlStates();
}

// Reads on the selected state only what the lists offered, never an empty cell or a zero.
void ExpectConsistent(const CRecordingCalcDlg& dlg) {
    const std::array<int, 7> selection = SelectionOf(dlg);
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        const CControlState& list = *dlg.FindControl(kLists[i]);
        ASSERT_GE(selection[i], 0) << kLists[i];
        ASSERT_LT(selection[i], static_cast<int>(list.m_entries.size())) << kLists[i];
        ASSERT_EQ(list.m_nCurSel, selection[i]) << kLists[i];
    }
    const CTimeAxisCell& cell =
        GetTimeAxisCell(TimeAxisRow(dlg.m_nModel), dlg.GetFirstTimeRangeIndex() + dlg.m_nTimeRange);
    EXPECT_STRNE(cell.label, "");
    EXPECT_STRNE(cell.period, "");
    EXPECT_GT(cell.secondsPerDiv, 0.0);
    EXPECT_EQ(dlg.m_cbTimeRange.GetWindowText(), cell.label);

    // The channel divisor is read under MEM by every model but Gum and Juniper.
    const bool bReadsDivisor =
        dlg.m_nFunction == kFunctionMem && dlg.m_nModel != kGum && dlg.m_nModel != kJuniper;
    if (bReadsDivisor) {
        EXPECT_GT(dlg.GetChannelDivisor(), 0);
    }
    EXPECT_GT(dlg.GetRecordingLengthDivs(), 0);
    EXPECT_EQ(dlg.m_stRecordingLength.GetWindowText(),
              std::to_string(dlg.GetRecordingLengthDivs()) + " div");
    const std::string time = dlg.m_stRecordingTime.GetWindowText();
    EXPECT_FALSE(time.empty());
    EXPECT_LE(time.size(), 20U) << time;
}

TEST(ReachableStates, EveryStateIsConsistent) {
    CRecordingCalcDlg opening;
    opening.Create();
    std::map<std::array<int, 7>, CDialogSnapshot> seen;
    std::deque<std::array<int, 7>> queue;
    seen.emplace(SelectionOf(opening), TakeSnapshot(opening));
    queue.push_back(SelectionOf(opening));

    CRecordingCalcDlg dlg;
    dlg.Create();
    long nTransitions = 0;
    while (!queue.empty()) {
        const std::array<int, 7> from = queue.front();
        queue.pop_front();
        Restore(dlg, from);
        ASSERT_EQ(TakeSnapshot(dlg), seen.at(from)) << "restoring a state gave another dialog";
        const CDialogSnapshot fromSnapshot = seen.at(from);

        for (int nID : kLists) {
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
