#pragma once

#include "ui/RecordingCalcDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace spanwise::test {

// The control ids of the seven lists, in dialog order.
inline std::vector<int> ListControlIDs() {
    std::vector<int> ids;
    for (const CalcList list : kCalcLists) {
        ids.push_back(GetListControlID(list));
    }
    return ids;
}

// The list nID of the dialog, as a handle of the control layer.
inline ctl::CComboBox ListOf(const CRecordingCalcDlg& dlg, int nID) {
    ctl::CComboBox list;
    list.Attach(dlg.FindControl(nID));
    return list;
}

// A user's pick of the entry with this text, as the window makes it.
inline void Pick(CRecordingCalcDlg& dlg, int nID, const std::string& text) {
    const ctl::CControlState* pList = dlg.FindControl(nID);
    ASSERT_NE(pList, nullptr);
    for (std::size_t i = 0; i < pList->m_entries.size(); ++i) {
        if (pList->m_entries[i] == text) {
            ASSERT_TRUE(dlg.OnUserPick(nID, static_cast<int>(i))) << "list " << nID << " disabled";
            return;
        }
    }
    FAIL() << "list " << nID << " has no entry \"" << text << "\"";
}

inline std::string Shown(const CRecordingCalcDlg& dlg, int nID) {
    return dlg.GetDlgItem(nID).GetWindowText();
}

} // namespace spanwise::test
