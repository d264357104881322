#include "TableCtrl.h"

namespace ctl {

void CTableCtrl::SetContent(const std::vector<std::string>& columns,
                            const std::vector<CTableRow>& rows) {
    if (m_pState == nullptr) {
        return;
    }
    m_pState->m_entries = columns;
    m_pState->m_rows = rows;
    m_pState->m_nCurSel = CB_ERR;
    m_pState->Notify(ControlChange::Entries);
}

int CTableCtrl::GetRowCount() const {
    return m_pState != nullptr ? static_cast<int>(m_pState->m_rows.size()) : 0;
}

void CTableCtrl::SetCurSel(int nRow) {
    if (m_pState == nullptr) {
        return;
    }
    m_pState->m_nCurSel = nRow >= 0 && nRow < GetRowCount() ? nRow : CB_ERR;
    m_pState->Notify(ControlChange::Selection);
}

int CTableCtrl::GetCurSel() const {
    return m_pState != nullptr ? m_pState->m_nCurSel : CB_ERR;
}

} // namespace ctl
