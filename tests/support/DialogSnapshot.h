#pragma once

#include "ControlSnapshot.h"

#include "ui/RecordingCalcDlg.h"

#include <map>
#include <string>
#include <vector>

namespace spanwise::test {

// The whole dialog: every control by id (the unnamed group box under id -1) and the selection
// state.
struct CDialogSnapshot {
    std::map<int, CControlSnapshot> controls;
    CSelection selection;

    bool operator==(const CDialogSnapshot& other) const {
        return controls == other.controls && selection == other.selection;
    }
    bool operator!=(const CDialogSnapshot& other) const { return !(*this == other); }
};

inline CDialogSnapshot TakeSnapshot(const CRecordingCalcDlg& dlg) {
    CDialogSnapshot snapshot;
    for (const auto& pControl : dlg.Controls()) {
        snapshot.controls[pControl->GetID()] = {pControl->m_strText, pControl->m_entries,
                                                pControl->m_nCurSel, pControl->m_bEnabled,
                                                pControl->m_bVisible};
    }
    snapshot.selection = dlg.GetSelection();
    return snapshot;
}

// The entries a list shows, in order.
inline std::vector<std::string> EntriesOf(const CRecordingCalcDlg& dlg, int nID) {
    return dlg.FindControl(nID)->m_entries;
}

} // namespace spanwise::test
