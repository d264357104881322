#pragma once

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

#include <emscripten/val.h>

#include <string>
#include <utility>
#include <vector>

// The page as the window system of the dialogs. The page draws message boxes and the dialogs a
// dialog opens (the About box, Fit a Recording Time); the clipboard is the browser's asynchronous
// one.
//
// A page cannot wait for the user. A message box stays in the page after MessageBox has returned
// IDOK. A dialog run modally is shown in the page and RunModal returns IDCANCEL at once, as if it
// had been cancelled; once the user has answered it in the page, the action that opened it is made
// again with the answer given (SetAnswer), and RunModal then fills in the dialog as the user did,
// presses the button the user pressed and returns what the dialog ended with.
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

    // The user's answer to a dialog shown in the page: the texts of its edit fields by control id,
    // and the button pressed (0 for Escape or the close box).
    struct CAnswer {
        int nIDD = 0;
        std::vector<std::pair<int, std::string>> edits;
        int nButtonID = 0;
    };
    // The next modal run of dialog answer.nIDD takes this answer instead of showing the dialog.
    void SetAnswer(CAnswer answer) { m_answer = std::move(answer); }
    void ClearAnswer() { m_answer = CAnswer(); }
    // The template id of the dialog last shown in the page by RunModal; 0 when none was since the
    // last call.
    int TakeShownDialog() { return std::exchange(m_nShownIDD, 0); }

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
    CAnswer m_answer;
    int m_nShownIDD = 0;
    bool m_bTextPending = false;
    std::string m_strPending;
};
