#pragma once

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

#include <emscripten/val.h>

#include <string>

// The page as the window system of the dialogs. The page draws message boxes and the dialogs a
// dialog opens (the About box); the clipboard is the browser's asynchronous one.
//
// A page cannot wait for the user: a dialog opened from the calculator, and a message box, stay
// in the page after RunModal or MessageBox has returned IDOK, and the page closes them itself.
class CWebHost final : public ctl::IDialogHost, public ctl::IClipboard {
public:
    // Where the browser's clipboard failed, as far as the page can tell.
    enum class ClipboardFailure { None, Open, SetText };

    // page: the page's object with the functions showDialog, messageBox, dialogEnded and
    // writeClipboard; bClipboardAvailable: whether the browser offers navigator.clipboard.
    CWebHost(emscripten::val page, bool bClipboardAvailable);

    // The dialog that is the page itself: its end closes the page's calculator.
    void SetMainDialog(const ctl::CDialog* pDlg) { m_pMainDialog = pDlg; }

    // Copy runs with a clipboard that fails at this step, until set back to None.
    void SetClipboardFailure(ClipboardFailure failure) { m_failure = failure; }

    int RunModal(ctl::CDialog& dlg) override;
    void EndModal(ctl::CDialog& dlg, int nResult) override;
    int MessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                   unsigned nType) override;
    IClipboard& Clipboard() override { return *this; }

    bool Open() override;
    bool Empty() override;
    bool SetText(const std::string& text) override;
    // Hands the text set since Open to the browser; the browser answers later (see the page).
    void Close() override;

private:
    emscripten::val m_page;
    bool m_bClipboardAvailable;
    const ctl::CDialog* m_pMainDialog = nullptr;
    ClipboardFailure m_failure = ClipboardFailure::None;
    bool m_bTextPending = false;
    std::string m_strPending;
};
