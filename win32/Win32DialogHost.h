#pragma once

#include "WindowsApi.h"

#include "Win32Clipboard.h"

#include "controls/DialogHost.h"

#include <functional>
#include <vector>

class CWin32DialogWindow;

// The dialogs' window system on Windows: each dialog run modally is a real dialog built from its
// template by the Windows dialog manager (CWin32DialogWindow), message boxes are the system's and
// the clipboard is the system's, opened for the dialog in front.
class CWin32DialogHost final : public ctl::IDialogHost {
public:
    // hInstance holds the resources: the icons the dialogs show.
    explicit CWin32DialogHost(HINSTANCE hInstance);

    CWin32DialogHost(const CWin32DialogHost&) = delete;
    CWin32DialogHost& operator=(const CWin32DialogHost&) = delete;

    int RunModal(ctl::CDialog& dlg) override;
    void EndModal(ctl::CDialog& dlg, int nResult) override;
    int MessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                   unsigned nType) override;
    ctl::IClipboard& Clipboard() override { return m_clipboard; }

    HINSTANCE Instance() const { return m_hInstance; }
    // The window now showing dlg, or nullptr.
    HWND WindowFor(const ctl::CDialog& dlg) const;

    // Called inside each dialog's modal loop once its window is on screen.
    using ShownHandler = std::function<void(ctl::CDialog& dlg, HWND hwnd)>;
    void SetShownHandler(ShownHandler onShown) { m_onShown = std::move(onShown); }

    // From the windows: opened (before it is shown), on screen, and closed.
    void OnWindowOpened(CWin32DialogWindow& window);
    void OnWindowShown(CWin32DialogWindow& window);
    void OnWindowClosed(CWin32DialogWindow& window);

private:
    HWND InnermostWindow() const;

    HINSTANCE m_hInstance;
    std::vector<CWin32DialogWindow*> m_windows; // open windows, the innermost last
    CWin32Clipboard m_clipboard;
    ShownHandler m_onShown;
};
