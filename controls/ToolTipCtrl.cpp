#include "ToolTipCtrl.h"

#include "res/StringTable.h"

bool CToolTipCtrl::Create(CDialog* pParent, unsigned /*dwStyle*/) {
    m_pParent = pParent;
    return pParent != nullptr;
}

bool CToolTipCtrl::AddTool(CWnd* pWnd, unsigned nIDText) {
    if (m_pParent == nullptr || pWnd == nullptr || !pWnd->IsBound()) {
        return false;
    }
    CControlState* pState = pWnd->GetState();
    pState->m_strToolTip = LoadString(nIDText);
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
