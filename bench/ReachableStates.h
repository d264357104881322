#pragma once

#include "ui/RecordingCalcDlg.h"

#include <array>
#include <vector>

namespace spanwise::bench {

// The seven positions, in the order model, memory, function, sampling, scanner, channels, range.
using Selection = std::array<int, 7>;

// The list ids in the same order.
constexpr int kLists[] = {IDC_MODEL,   IDC_MEMORY,   IDC_FUNCTION,  IDC_SAMPLING,
                          IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE};

Selection SelectionOf(const CRecordingCalcDlg& dlg);

// Brings an open dialog to the state of a selection: the members as given, then every refresh
// step in chain order.
void Restore(CRecordingCalcDlg& dlg, const Selection& selection);

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
