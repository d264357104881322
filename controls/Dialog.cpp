#include "Dialog.h"

#include "DC.h"
#include "DialogLayout.h"
#include "Mnemonics.h"
#include "TableCtrl.h"
#include "lang/Catalogue.h"

#include <algorithm>
#include <utility>

namespace ctl {

namespace {

// Keeps a dialog's batch open for one user's action, and closes it unless the action ended the
// dialog and it was destroyed meanwhile, its controls and their changes with it.
class CUserActionBatch {
public:
    CUserActionBatch(CChangeBatch& batch, std::weak_ptr<bool> pAlive)
        : m_batch(batch), m_pAlive(std::move(pAlive)) {
        m_batch.Open();
    }
    ~CUserActionBatch() {
        if (!m_pAlive.expired()) {
            m_batch.Close();
        }
    }
    CUserActionBatch(const CUserActionBatch&) = delete;
    CUserActionBatch& operator=(const CUserActionBatch&) = delete;

private:
    CChangeBatch& m_batch;
    std::weak_ptr<bool> m_pAlive;
};

} // namespace

CDialog::CDialog(const CDialogTemplate& dlgTemplate, IDialogHost& host, CDialog* pParent)
    : m_pTemplate(&dlgTemplate), m_host(host), m_pParent(pParent) {}

CDialog::~CDialog() {
    if (m_bShown) {
        // The host lets go of the dialog; nobody is told that it ended.
        m_bDestroying = true;
        m_host.CloseDialog(*this, IDCANCEL);
    }
}

void CDialog::Create() {
    if (IsCreated()) {
        return;
    }
    m_controls.reserve(m_pTemplate->nItems);
    for (std::size_t i = 0; i < m_pTemplate->nItems; ++i) {
        m_controls.push_back(std::make_unique<CControlState>(m_pTemplate->items[i], i));
        m_controls.back()->SetChangeBatch(&m_changeBatch);
    }
    m_nFocus = m_controls.size();
    const CChangeBatchScope batch(m_changeBatch);
    // A dialog that moves the focus itself says so by returning false.
    if (OnInitDialog() || m_nFocus == m_controls.size()) {
        m_nFocus = FirstTabStop();
    }
}

void CDialog::Open(DialogEnded onEnded) {
    Create();
    m_bShown = true;
    m_bWindowShown = false;
    m_nModalResult = 0;
    m_host.OpenDialog(*this, [this, onEnded = std::move(onEnded)](int nResult) {
        m_bShown = false;
        m_bWindowShown = false;
        m_nModalResult = nResult;
        if (!m_bDestroying && onEnded) {
            onEnded(nResult);
        }
    });
}

void CDialog::OnWindowShown() {
    if (m_bShown) {
        m_bWindowShown = true;
        ShowHeldMessages();
    }
}

void CDialog::ShowHeldMessages() {
    // Each box is taken off the list before it shows: a host whose boxes wait for the user
    // (Windows) may see more asked for, or the dialog end, meanwhile.
    const std::weak_ptr<bool> alive = m_pAlive;
    while (!alive.expired() && m_bWindowShown && !m_heldMessages.empty()) {
        CHeldMessage message = std::move(m_heldMessages.front());
        m_heldMessages.erase(m_heldMessages.begin());
        m_host.ShowMessageBox(*this, message.text, message.caption, message.nType,
                              std::move(message.onClosed));
    }
}

int CDialog::DoModal() {
    Open();
    if (m_bShown) {
        m_host.RunUntilEnded(*this);
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_bShown) {
        m_host.CloseDialog(*this, nResult);
    }
}

void CDialog::ReleaseChild(const CDialog& child) {
    const auto found =
        std::find_if(m_children.begin(), m_children.end(),
                     [&child](const std::unique_ptr<CDialog>& p) { return p.get() == &child; });
    if (found != m_children.end()) {
        m_children.erase(found);
    }
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

void CDialog::SetObserver(IControlObserver* pObserver) {
    m_pObserver = pObserver;
    m_changeBatch.SetObserver(pObserver);
    for (const auto& pControl : m_controls) {
        pControl->SetObserver(pObserver);
    }
    if (pObserver == nullptr) {
        return;
    }
    for (const auto& pControl : m_controls) {
        for (const ControlChange change : kEveryControlChange) {
            if (change != ControlChange::Focus) {
                pObserver->OnControlChanged(*pControl, change);
            }
        }
    }
    if (const CControlState* pFocus = GetFocus(); pFocus != nullptr) {
        pObserver->OnControlChanged(*pFocus, ControlChange::Focus);
    }
}

std::size_t CDialog::FirstTabStop() const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const CControlState& control = *m_controls[i];
        if ((control.Template().style & kStyleTabStop) != 0 && control.m_bEnabled &&
            control.m_bVisible) {
            return i;
        }
    }
    return m_controls.size();
}

const CControlState* CDialog::GetFocus() const {
    return m_nFocus < m_controls.size() ? m_controls[m_nFocus].get() : nullptr;
}

void CDialog::GotoDlgCtrl(int nID) {
    if (const CControlState* pControl = FindControl(nID); pControl != nullptr) {
        m_nFocus = pControl->GetIndex();
        pControl->Notify(ControlChange::Focus);
    }
}

COLORREF CDialog::GetTextColour(const CControlState& control) {
    CDC dc;
    CWnd wnd(const_cast<CControlState*>(&control));
    OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
    return dc.GetTextColor();
}

std::string CDialog::GetAccessibleName(const CControlState& control) const {
    if (IsLiveField(control)) {
        // A field outside any group box (a note) says what it is itself.
        const std::string name = GetFieldName(control);
        return name.empty() ? GetFieldValue(control) : name + ": " + GetFieldValue(control);
    }
    if (control.GetKind() == ControlKind::GroupBox) {
        // Heard as the words of its caption, without the brackets drawn around them.
        return GroupName(control);
    }
    const int nNaming = GetNamingControl(*m_pTemplate, control.GetIndex());
    const CControlState& named =
        nNaming >= 0 ? *m_controls[static_cast<std::size_t>(nNaming)] : control;
    return ShownCaption(named.Template(), spanwise::lang::Translate(named.m_strText));
}

bool CDialog::IsLiveField(const CControlState& control) {
    const char* caption = control.Template().caption;
    return control.GetKind() == ControlKind::Static && (caption == nullptr || *caption == '\0');
}

std::string CDialog::GetAnnouncement(const CControlState& control) const {
    const std::string name = GetFieldName(control);
    return name.empty() ? GetFieldValue(control) : name + " " + GetFieldValue(control);
}

std::string CDialog::GetAnnouncement(const std::vector<const CControlState*>& changed) const {
    std::string announcement;
    if (m_pPickedForUser != nullptr && m_pPickedForUser->m_nCurSel >= 0 &&
        m_pPickedForUser->m_nCurSel < static_cast<int>(m_pPickedForUser->m_entries.size())) {
        announcement =
            GetAccessibleName(*m_pPickedForUser) + " " +
            spanwise::lang::Translate(
                m_pPickedForUser->m_entries[static_cast<std::size_t>(m_pPickedForUser->m_nCurSel)]);
    }
    for (const CControlState* pField : changed) {
        if (pField->m_bVisible) {
            announcement += (announcement.empty() ? "" : ", ") + GetAnnouncement(*pField);
        }
    }
    return announcement;
}

std::string CDialog::GetFieldName(const CControlState& control) const {
    const int nGroup = GetEnclosingGroup(*m_pTemplate, control.GetIndex());
    if (nGroup < 0) {
        return {};
    }
    return GroupName(*m_controls[static_cast<std::size_t>(nGroup)]);
}

std::string CDialog::GroupName(const CControlState& group) {
    std::string name = StripMnemonics(spanwise::lang::Translate(group.m_strText));
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']') {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

std::string CDialog::GetFieldValue(const CControlState& control) const {
    return control.m_strText;
}

bool CDialog::OnUserPick(int nID, int nIndex) {
    return Pick(nID, nIndex, true);
}

bool CDialog::PickFromOutside(int nID, int nIndex) {
    return Pick(nID, nIndex, false);
}

bool CDialog::Pick(int nID, int nIndex, bool bInWidget) {
    CControlState* pState = FindControl(nID);
    const ControlKind kind = pState != nullptr ? pState->GetKind() : ControlKind::Static;
    if (kind != ControlKind::ComboBox && kind != ControlKind::Table) {
        return false;
    }
    if (bInWidget && m_pObserver != nullptr) {
        m_pObserver->OnUserPicked(*pState, nIndex);
    }
    const int nCount = static_cast<int>(kind == ControlKind::Table ? pState->m_rows.size()
                                                                   : pState->m_entries.size());
    if (!pState->m_bEnabled || nIndex < 0 || nIndex >= nCount) {
        // The widget may show the refused pick: the selection goes to it again.
        pState->Notify(ControlChange::Selection);
        return false;
    }
    const CUserActionBatch batch(m_changeBatch, m_pAlive);
    if (kind == ControlKind::Table) {
        CTableCtrl table;
        table.Attach(pState);
        table.SetCurSel(nIndex);
        OnCommand(nID, LVN_ITEMACTIVATE);
        return true;
    }
    CComboBox list;
    list.Attach(pState);
    list.SetCurSel(nIndex);
    OnCommand(nID, CBN_SELCHANGE);
    return true;
}

bool CDialog::PickForUser(int nID, int nIndex) {
    CControlState* pState = FindControl(nID);
    if (pState == nullptr) {
        return false;
    }
    // One action, which ends announced even where the pick changes nothing the user sees.
    const std::weak_ptr<bool> alive = m_pAlive;
    bool bPicked = false;
    {
        const CUserActionBatch batch(m_changeBatch, m_pAlive);
        m_pPickedForUser = pState;
        pState->Notify(ControlChange::Selection);
        bPicked = Pick(nID, nIndex, false);
    }
    if (!alive.expired()) {
        m_pPickedForUser = nullptr;
    }
    return bPicked;
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
    const CUserActionBatch batch(m_changeBatch, m_pAlive);
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
    if (m_pObserver != nullptr) {
        m_pObserver->OnUserTyped(*pState, text);
    }
    return true;
}

// Not batched: a command may open a dialog that runs a modal loop of its own (Windows), and what
// the dialog changes meanwhile must show at once; the picks it makes are batched themselves.
void CDialog::OnUserSysCommand(unsigned nID) {
    OnSysCommand(nID, 0);
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

int CDialog::MessageBox(const std::string& text, const char* caption, unsigned nType,
                        DialogEnded onClosed) {
    m_heldMessages.push_back({text, caption != nullptr ? std::string(caption) : AfxGetAppName(),
                              nType, std::move(onClosed)});
    ShowHeldMessages();
    return IDOK;
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
