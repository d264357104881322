#pragma once

#include "ui/RecordingCalcDlg.h"

#include <gtest/gtest.h>

#include <string>

namespace spanwise::test {

// A user's pick of the entry with this text, as the window makes it.
inline void Pick(CRecordingCalcDlg& dlg, int nID, const std::string& text) {
    const CControlState* pList = dlg.FindControl(nID);
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
