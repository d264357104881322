#include "WindowsApi.h"

#include "Win32DialogHost.h"

#include "DialogWindow.h"
#include "TextConversion.h"

#include "controls/Dialog.h"

#include <algorithm>

CWin32DialogHost::CWin32DialogHost(HINSTANCE hInstance) : m_hInstance(hInstance) {}

int CWin32DialogHost::RunModal(ctl::CDialog& dlg) {
    dlg.Create();
    HWND hwndOwner = dlg.GetParent() != nullptr ? WindowFor(*dlg.GetParent()) : nullptr;
    if (hwndOwner == nullptr) {
        hwndOwner = InnermostWindow();
    }
    CWin32DialogWindow window(dlg, *this);
    const INT_PTR nResult = window.RunModal(hwndOwner);
    return nResult == -1 ? IDCANCEL : static_cast<int>(nResult);
}

void CWin32DialogHost::EndModal(ctl::CDialog& dlg, int nResult) {
    for (CWin32DialogWindow* pWindow : m_windows) {
        if (&pWindow->Dialog() == &dlg) {
            pWindow->End(nResult);
        }
    }
}

int CWin32DialogHost::MessageBox(ctl::CDialog& owner, const std::string& text,
                                 const std::string& caption, unsigned nType) {
    HWND hwndOwner = WindowFor(owner);
    return MessageBoxW(hwndOwner != nullptr ? hwndOwner : InnermostWindow(), Widen(text).c_str(),
                       Widen(caption).c_str(), nType);
}

HWND CWin32DialogHost::WindowFor(const ctl::CDialog& dlg) const {
    for (const CWin32DialogWindow* pWindow : m_windows) {
        if (&pWindow->Dialog() == &dlg) {
            return pWindow->GetHwnd();
        }
    }
    return nullptr;
}

HWND CWin32DialogHost::InnermostWindow() const {
    return m_windows.empty() ? nullptr : m_windows.back()->GetHwnd();
}

void CWin32DialogHost::OnWindowOpened(CWin32DialogWindow& window) {
    m_windows.push_back(&window);
    m_clipboard.SetOwner(window.GetHwnd());
}

void CWin32DialogHost::OnWindowShown(CWin32DialogWindow& window) {
    if (m_onShown) {
        m_onShown(window.Dialog(), window.GetHwnd());
    }
}

void CWin32DialogHost::OnWindowClosed(CWin32DialogWindow& window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), &window), m_windows.end());
    m_clipboard.SetOwner(InnermostWindow());
}
