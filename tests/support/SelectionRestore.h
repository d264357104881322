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
    return {dlg.m_nModel,   dlg.m_nMemory,   dlg.m_nFunction, dlg.m_nSampling,
            dlg.m_nScanner, dlg.m_nChannels, dlg.m_nTimeRange};
}

// Brings an open dialog to the state of a selection: the members as given, then every refresh
// step in chain order. A walk over the reachable states checks that this gives exactly the dialog
// the user's picks gave.
inline void Restore(CRecordingCalcDlg& dlg, const Selection& selection) {
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

} // namespace spanwise::test
