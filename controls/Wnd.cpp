#include "Wnd.h"

#include "Font.h"

namespace ctl {

int CWnd::GetDlgCtrlID() const {
    return m_pState != nullptr ? m_pState->GetID() : 0;
}

std::string CWnd::GetWindowText() const {
    if (m_pState == nullptr) {
        return {};
    }
    if (m_pState->GetKind() == ControlKind::ComboBox) {
        const int nSel = m_pState->m_nCurSel;
        if (nSel < 0 || nSel >= static_cast<int>(m_pState->m_entries.size())) {
            return {};
        }
        return m_pState->m_entries[static_cast<std::size_t>(nSel)];
    }
    return m_pState->m_strText;
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_pState == nullptr || m_pState->m_strText == text) {
        return;
    }
    m_pState->m_strText = text;
    m_pState->Notify(ControlChange::Text);
}

bool CWnd::IsWindowEnabled() const {
    return m_pState != nullptr && m_pState->m_bEnabled;
}

void CWnd::EnableWindow(bool bEnable) {
    if (m_pState == nullptr || m_pState->m_bEnabled == bEnable) {
        return;
    }
    m_pState->m_bEnabled = bEnable;
    m_pState->Notify(ControlChange::Enabled);
}

void CWnd::ShowWindow(int nCmdShow) {
    if (m_pState == nullptr) {
        return;
    }
    const bool bVisible = nCmdShow != SW_HIDE;
    if (m_pState->m_bVisible == bVisible) {
        return;
    }
    m_pState->m_bVisible = bVisible;
    m_pState->Notify(ControlChange::Visible);
}

bool CWnd::IsWindowVisible() const {
    return m_pState != nullptr && m_pState->m_bVisible;
}

void CWnd::SetFont(const CFont& font, bool /*bRedraw*/) {
    if (m_pState == nullptr || !font.IsCreated()) {
        return;
    }
    m_pState->m_bHasFont = true;
    m_pState->m_font = font.GetRequest();
    m_pState->Notify(ControlChange::Font);
}

} // namespace ctl
