#pragma once

#include "Wnd.h"

#include <string>

namespace ctl {

// A drop-down list that is never sorted. Setting the selection from the program raises no change
// notification; only a user's pick (CDialog::OnUserPick) does.
class CComboBox final : public CWnd {
public:
    void ResetContent();
    // Inserts at nIndex, or appends when nIndex is -1. Returns the entry's position or CB_ERR.
    int InsertString(int nIndex, const std::string& text);
    // Selects entry nSelect; -1 or a position outside the list clears the selection and gives
    // CB_ERR, as the platform's lists do.
    int SetCurSel(int nSelect);
    int GetCurSel() const;
    int GetCount() const;
    std::string GetLBText(int nIndex) const;
};

} // namespace ctl
