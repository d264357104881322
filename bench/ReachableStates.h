#pragma once

#include "SelectionRestore.h"
#include "ui/RecordingCalcDlg.h"

#include <array>
#include <vector>

namespace spanwise::bench {

using spanwise::test::Restore;
using spanwise::test::Selection;
using spanwise::test::SelectionOf;

inline constexpr const auto& kLists = spanwise::test::kSelectionLists;

// A state the walk reached, and the pick that first led to it.
struct CReachedState {
    Selection selection;
    int nFrom = -1;  // index of the state the pick was made in; -1 for the opening state
    int nListID = 0; // the list picked in and the entry picked
    int nIndex = 0;
};

// Every selection a user reaches from the opening state by picking any entry of any enabled list,
// in breadth-first order from the opening state, so a state comes after the one it was reached
// from. pnPicks, when given, receives the number of picks the walk made.
std::vector<CReachedState> WalkReachableStates(CRecordingCalcDlg& dlg, long* pnPicks = nullptr);

} // namespace spanwise::bench
