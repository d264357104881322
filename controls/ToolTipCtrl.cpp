#include "ToolTipCtrl.h"

namespace ctl {

bool CToolTipCtrl::Create(CDialog* pParent, unsigned /*dwStyle*/) {
    m_pParent = pParent;
    return pParent != nullptr;
}

bool CToolTipCtrl::AddTool(CWnd* pWnd, const std::string& text) {
    if (m_pParent == nullptr || pWnd == nullptr || !pWnd->IsBound()) {
        return false;
    }
    CControlState* pState = pWnd->GetState();
    pState->m_strToolTip = text;
    pState->m_bToolTipActive = m_bActive;
    m_tools.push_back(pState);
    pState->Notify(ControlChange::ToolTip);
    return true;
}

void CToolTipCtrl::Activate(bool bActivate) {
    m_bActive = bActivate;
    for (CControlState* pState : m_tools) {
        pState->m_bToolTipActive = bActivate;
        pState->Notify(ControlChange::ToolTip);
    }
}

} // namespace ctl
