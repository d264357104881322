#include "ComboBox.h"

namespace ctl {

void CComboBox::ResetContent() {
    if (m_pState == nullptr) {
        return;
    }
    m_pState->m_entries.clear();
    m_pState->m_nCurSel = CB_ERR;
    m_pState->Notify(ControlChange::Entries);
}

int CComboBox::InsertString(int nIndex, const std::string& text) {
    if (m_pState == nullptr) {
        return CB_ERR;
    }
    auto& entries = m_pState->m_entries;
    const int nCount = static_cast<int>(entries.size());
    if (nIndex < -1 || nIndex > nCount) {
        return CB_ERR;
    }
    const int nAt = nIndex == -1 ? nCount : nIndex;
    entries.insert(entries.begin() + nAt, text);
    if (m_pState->m_nCurSel >= nAt) {
        ++m_pState->m_nCurSel;
    }
    m_pState->Notify(ControlChange::Entries);
    return nAt;
}

int CComboBox::SetCurSel(int nSelect) {
    if (m_pState == nullptr) {
        return CB_ERR;
    }
    const bool bInside = nSelect >= 0 && nSelect < GetCount();
    const int nNew = bInside ? nSelect : CB_ERR;
    if (m_pState->m_nCurSel != nNew) {
        m_pState->m_nCurSel = nNew;
        m_pState->Notify(ControlChange::Selection);
    }
    return nNew;
}

int CComboBox::GetCurSel() const {
    return m_pState != nullptr ? m_pState->m_nCurSel : CB_ERR;
}

int CComboBox::GetCount() const {
    return m_pState != nullptr ? static_cast<int>(m_pState->m_entries.size()) : 0;
}

std::string CComboBox::GetLBText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return {};
    }
    return m_pState->m_entries[static_cast<std::size_t>(nIndex)];
}

} // namespace ctl
