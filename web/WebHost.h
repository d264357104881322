#pragma once

#include "JsonWriter.h"
#include "PageView.h"

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"
#include "controls/DialogLayout.h"

#include <emscripten/val.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The page as the window system of the dialogs. Each open dialog is drawn by the page, which
// knows it by a handle, a small number; message boxes are drawn by the page too, and the clipboard
// is the browser's, which answers only later. The page hands the user's actions back to the
// dialog with that handle (see CWebCalculator), never from within one of the calls below.
class CWebHost final : public ctl::IDialogHost, public ctl::IClipboard {
public:
    // page: the page's object with the functions
    //   measureFont(font, letters) -> [width of letters, height of a line] in pixels, as the
    //   browser draws them,
    //   showDialog(handle, description) (see DescribeDialog), closeDialog(handle),
    //   messageBox(owner's handle, text, caption, token, text to copy by hand or ""),
    //   canWriteClipboard(), writeClipboard(text).
    explicit CWebHost(emscripten::val page);

    struct COpenDialog {
        int nHandle;
        ctl::CDialog* pDlg;
        std::unique_ptr<CPageView> pView;
        ctl::DialogEnded onEnded;
        ctl::CDialogBaseUnits units; // as laid out
    };
    // The open dialog the page knows by nHandle; nullptr once it has ended.
    const COpenDialog* Find(int nHandle) const;

    // Once the page has drawn dialog nHandle, how much room its texts take there (see
    // ctl::FitBaseUnits): where a box does not hold its text, the dialog laid out anew at base
    // units that make it (see DescribeLayout); else "".
    std::string FitText(int nHandle, const std::vector<ctl::CTextExtent>& extents);

    // What changed in the dialogs since the last call, as a JSON array of the views' records (see
    // CPageView) in the order the changes were made, and last, when a field the user reads
    // changed, [0, -1, "announce", what screen readers are to say].
    std::string TakeChanges();
    // Where the clipboard fails, the page shows report() beside the message, to be copied by hand.
    void SetClipboardFallback(std::function<std::string()> report) { m_report = std::move(report); }
    // The user closed the message box shown with token.
    void MessageBoxClosed(int nToken);
    // The browser refused the text last written to its clipboard.
    void ClipboardRefused();

    void OpenDialog(ctl::CDialog& dlg, ctl::DialogEnded onEnded) override;
    void CloseDialog(ctl::CDialog& dlg, int nResult) override;
    // A message box over a dialog that is not open (the calculator has ended) is not shown.
    void ShowMessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                        unsigned nType, ctl::DialogEnded onClosed) override;
    // A page runs no loop of its own: the dialog ends as cancelled.
    void RunUntilEnded(ctl::CDialog& dlg) override { CloseDialog(dlg, ctl::IDCANCEL); }
    IClipboard& Clipboard() override { return *this; }

    bool Open() override;
    bool Empty() override { return true; } // the browser's text is replaced as a whole
    // Hands the text to the browser, which may refuse it later.
    bool SetText(const std::string& text) override;
    void Close() override {}
    void WhenRefusedLater(std::function<void()> onRefused) override {
        m_onRefused = std::move(onRefused);
    }

private:
    std::vector<COpenDialog>::iterator FindOpen(const ctl::CDialog& dlg);

    emscripten::val m_page;
    std::vector<COpenDialog> m_open;
    int m_nLastHandle = 0;
    CJsonWriter m_changes;
    std::map<int, ctl::DialogEnded> m_messageBoxes; // by token
    int m_nLastToken = 0;
    std::function<void()> m_onRefused; // for the text last handed to the browser
    std::function<std::string()> m_report;
    bool m_bClipboardFailed = false; // the next message box says so
};
