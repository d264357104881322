#pragma once

#include "WindowsApi.h"

#include "Win32Clipboard.h"

#include "controls/DialogHost.h"

#include <functional>
#include <string>
#include <vector>

class CWin32DialogWindow;

// The dialogs' window system on Windows: each dialog shown is a real dialog built from its
// template by the Windows dialog manager (CWin32DialogWindow) and run in its modal loop, so
// OpenDialog returns once it has ended; message boxes are the system's, and so is the clipboard,
// opened for the dialog in front.
class CWin32DialogHost final : public ctl::IDialogHost {
public:
    // hInstance holds the resources: the icons the dialogs show.
    explicit CWin32DialogHost(HINSTANCE hInstance);

    CWin32DialogHost(const CWin32DialogHost&) = delete;
    CWin32DialogHost& operator=(const CWin32DialogHost&) = delete;

    void OpenDialog(ctl::CDialog& dlg, ctl::DialogEnded onEnded) override;
    void CloseDialog(ctl::CDialog& dlg, int nResult) override;
    void ShowMessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                        unsigned nType, ctl::DialogEnded onClosed) override;
    void RunUntilEnded(ctl::CDialog& dlg) override;
    ctl::IClipboard& Clipboard() override;

    // Called inside each dialog's modal loop once its window is on screen.
    using ShownHandler = std::function<void(ctl::CDialog& dlg, HWND hwnd)>;
    void SetShownHandler(ShownHandler onShown) { m_onShown = std::move(onShown); }

private:
    // A dialog shown, for as long as its modal loop runs.
    struct COpen {
        ctl::CDialog* pDlg;
        CWin32DialogWindow* pWindow;
        ctl::DialogEnded onEnded;
    };

    COpen* Find(const ctl::CDialog& dlg) const;
    // Takes pOpen off the list; false when it was not on it (it has ended already).
    bool Remove(COpen* pOpen);
    HWND InnermostWindow() const;

    HINSTANCE m_hInstance;
    std::vector<COpen*> m_open; // the innermost last
    CWin32Clipboard m_clipboard;
    ShownHandler m_onShown;
};
