#pragma once

#include "Wnd.h"

#include <string>
#include <vector>

namespace ctl {

// A table of rows, each of text columns and a bar. A user's choice of a row (CDialog::OnUserPick)
// selects it and reaches the dialog as LVN_ITEMACTIVATE.
class CTableCtrl final : public CWnd {
public:
    // The columns' titles, and the rows, replacing what the table held.
    void SetContent(const std::vector<std::string>& columns, const std::vector<CTableRow>& rows);
    int GetRowCount() const;
    // Selects row nRow (the one the keyboard is on); -1 or a row outside the table selects none.
    void SetCurSel(int nRow);
    int GetCurSel() const;
};

} // namespace ctl
