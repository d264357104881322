#include "WindowsApi.h"

#include "Win32DialogHost.h"

#include "DialogWindow.h"
#include "MessageText.h"
#include "TextConversion.h"

#include "controls/Dialog.h"

#include <algorithm>

CWin32DialogHost::CWin32DialogHost(HINSTANCE hInstance) : m_hInstance(hInstance) {}

void CWin32DialogHost::OpenDialog(ctl::CDialog& dlg, ctl::DialogEnded onEnded) {
    const COpen* pParent = dlg.GetParent() != nullptr ? Find(*dlg.GetParent()) : nullptr;
    HWND hwndOwner = pParent != nullptr ? pParent->pWindow->GetHwnd() : InnermostWindow();
    CWin32DialogWindow window(dlg, m_hInstance, [this, &window] {
        if (window.GetDialog() != nullptr) {
            window.GetDialog()->OnWindowShown();
        }
        if (m_onShown && window.GetDialog() != nullptr) {
            m_onShown(*window.GetDialog(), window.GetHwnd());
        }
    });
    COpen open{&dlg, &window, std::move(onEnded)};
    m_open.push_back(&open);
    const INT_PTR nResult = window.RunModal(hwndOwner);
    // The dialog may be gone by now. Unless it ended itself (CloseDialog), the window system
    // ended it: the window could not be made, or was ended from outside.
    if (Remove(&open) && open.onEnded) {
        open.onEnded(nResult == -1 ? IDCANCEL : static_cast<int>(nResult));
    }
}

void CWin32DialogHost::CloseDialog(ctl::CDialog& dlg, int nResult) {
    COpen* pOpen = Find(dlg);
    if (pOpen == nullptr) {
        return;
    }
    Remove(pOpen);
    pOpen->pWindow->End(nResult);
    // The entry lives on in OpenDialog until the modal loop returns; the callback is taken out
    // of it, as it may destroy the dialog.
    const ctl::DialogEnded onEnded = std::move(pOpen->onEnded);
    if (onEnded) {
        onEnded(nResult);
    }
}

void CWin32DialogHost::ShowMessageBox(ctl::CDialog& owner, const std::string& text,
                                      const std::string& caption, unsigned nType,
                                      ctl::DialogEnded onClosed) {
    const COpen* pOwner = Find(owner);
    HWND hwndOwner = pOwner != nullptr ? pOwner->pWindow->GetHwnd() : InnermostWindow();
    MessageBoxW(hwndOwner, BreakLongRuns(Widen(text), hwndOwner).c_str(), Widen(caption).c_str(),
                nType);
    // An owner that ended while its box was open is told no more.
    const bool bOwnerGone =
        pOwner != nullptr && std::find(m_open.begin(), m_open.end(), pOwner) == m_open.end();
    if (onClosed && !bOwnerGone) {
        onClosed(IDOK);
    }
}

void CWin32DialogHost::RunUntilEnded(ctl::CDialog& /*dlg*/) {
    // OpenDialog ran the dialog's modal loop until it ended.
}

ctl::IClipboard& CWin32DialogHost::Clipboard() {
    m_clipboard.SetOwner(InnermostWindow());
    return m_clipboard;
}

CWin32DialogHost::COpen* CWin32DialogHost::Find(const ctl::CDialog& dlg) const {
    const auto found = std::find_if(m_open.begin(), m_open.end(),
                                    [&dlg](const COpen* pOpen) { return pOpen->pDlg == &dlg; });
    return found != m_open.end() ? *found : nullptr;
}

bool CWin32DialogHost::Remove(COpen* pOpen) {
    const auto found = std::find(m_open.begin(), m_open.end(), pOpen);
    if (found == m_open.end()) {
        return false;
    }
    m_open.erase(found);
    return true;
}

HWND CWin32DialogHost::InnermostWindow() const {
    return m_open.empty() ? nullptr : m_open.back()->pWindow->GetHwnd();
}
