#pragma once

#include "ui/RecordingCalcDlg.h"

#include <array>

namespace spanwise::test {

// The seven positions, in the order model, memory, function, sampling, scanner, channels, range.
using Selection = std::array<int, 7>;

// The lists of the seven positions, in the same order.
constexpr int kSelectionLists[] = {IDC_MODEL,   IDC_MEMORY,   IDC_FUNCTION,  IDC_SAMPLING,
                                   IDC_SCANNER, IDC_CHANNELS, IDC_TIME_RANGE};

inline Selection SelectionOf(const CRecordingCalcDlg& dlg) {
    const CSelection s = dlg.GetSelection();
    return {s.nModel, s.nMemory, s.nFunction, s.nSampling, s.nScanner, s.nChannels, s.nTimeRange};
}

// Brings an open dialog to the state of a selection, as the dialog restores one. A walk over the
// reachable states checks that this gives exactly the dialog the user's picks gave.
inline void Restore(CRecordingCalcDlg& dlg, const Selection& selection) {
    dlg.RestoreSelection({selection[0], selection[1], selection[2], selection[3], selection[4],
                          selection[5], selection[6]});
}

} // namespace spanwise::test
