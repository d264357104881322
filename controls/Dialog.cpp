#include "Dialog.h"

#include "DC.h"
#include "DialogHost.h"

namespace ctl {

CDialog::CDialog(const CDialogTemplate& dlgTemplate, IDialogHost& host, CDialog* pParent)
    : m_pTemplate(&dlgTemplate), m_host(host), m_pParent(pParent) {}

void CDialog::Create() {
    if (IsCreated()) {
        return;
    }
    m_controls.reserve(m_pTemplate->nItems);
    for (std::size_t i = 0; i < m_pTemplate->nItems; ++i) {
        m_controls.push_back(std::make_unique<CControlState>(m_pTemplate->items[i]));
        m_controls.back()->SetChangeBatch(&m_changeBatch);
    }
    const CChangeBatchScope batch(m_changeBatch);
    OnInitDialog();
}

int CDialog::DoModal() {
    m_nModalResult = 0;
    return m_host.RunModal(*this);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_host.EndModal(*this, nResult);
}

CControlState* CDialog::FindControl(int nID) const {
    for (const auto& pControl : m_controls) {
        if (pControl->GetID() == nID) {
            return pControl.get();
        }
    }
    return nullptr;
}

CWnd CDialog::GetDlgItem(int nID) const {
    return CWnd(FindControl(nID));
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return true;
}

bool CDialog::OnUserPick(int nID, int nIndex) {
    CControlState* pState = FindControl(nID);
    if (pState == nullptr || pState->GetKind() != ControlKind::ComboBox || !pState->m_bEnabled) {
        return false;
    }
    CComboBox list;
    list.Attach(pState);
    if (nIndex < 0 || nIndex >= list.GetCount()) {
        return false;
    }
    const CChangeBatchScope batch(m_changeBatch);
    list.SetCurSel(nIndex);
    OnCommand(nID, CBN_SELCHANGE);
    return true;
}

bool CDialog::OnUserClick(int nID) {
    const CControlState* pState = FindControl(nID);
    if (pState == nullptr || !pState->m_bEnabled) {
        return false;
    }
    const ControlKind kind = pState->GetKind();
    if (kind != ControlKind::PushButton && kind != ControlKind::DefPushButton) {
        return false;
    }
    OnCommand(nID, BN_CLICKED);
    return true;
}

// The user's text changes the dialog, though through the control it owns.
// NOLINTNEXTLINE(readability-make-member-function-const)
bool CDialog::OnUserEdit(int nID, const std::string& text) {
    CControlState* pState = FindControl(nID);
    if (pState == nullptr || pState->GetKind() != ControlKind::Edit || !pState->m_bEnabled) {
        return false;
    }
    pState->m_strText = text;
    return true;
}

bool CDialog::OnCommand(int nID, int nCode) {
    if (nCode != BN_CLICKED) {
        return false;
    }
    if (nID == IDOK) {
        OnOK();
        return true;
    }
    if (nID == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

CMenu* CDialog::GetSystemMenu(bool bRevert) {
    if (bRevert) {
        m_systemMenu = CMenu();
        return nullptr;
    }
    return &m_systemMenu;
}

void CDialog::SetIcon(HICON hIcon, bool bBigIcon) {
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
}

void CDialog::OnSysCommand(unsigned /*nID*/, long /*lParam*/) {}

void CDialog::OnCtlColor(CDC* /*pDC*/, CWnd* /*pWnd*/, unsigned /*nCtlColor*/) {}

int CDialog::MessageBox(const std::string& text, const char* caption, unsigned nType) {
    const std::string title = caption != nullptr ? std::string(caption) : AfxGetAppName();
    return m_host.MessageBox(*this, text, title, nType);
}

bool CDialog::OnInitDialog() {
    for (std::size_t i = 0; i < m_pTemplate->nLists; ++i) {
        const CListInitData& init = m_pTemplate->lists[i];
        CComboBox list;
        list.Attach(FindControl(init.nID));
        for (std::size_t j = 0; j < init.nEntries; ++j) {
            list.InsertString(-1, init.entries[j]);
        }
    }
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

} // namespace ctl
