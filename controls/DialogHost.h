#pragma once

#include "Clipboard.h"

#include <functional>
#include <string>
#include <vector>

namespace ctl {

class CDialog;

// Called once when a dialog or message box has ended, with the code it ended with (the button that
// closed a message box).
using DialogEnded = std::function<void(int nResult)>;

// What the window system offers the dialogs: showing one, message boxes and the clipboard. Each
// front end has its own and hands it to the dialogs it opens.
//
// A dialog opens and returns at once; the host calls back when it ends. A window system whose
// dialogs run a modal loop of their own (Windows) may return only once the dialog has ended, after
// calling back. The host calls onEnded last, when it holds nothing of the dialog any more: the
// callback may destroy it.
class IDialogHost {
public:
    // Shows dlg, which has been created (CDialog::Create), over the dialog it was opened from,
    // and tells it once its window is on screen (CDialog::OnWindowShown), so that the message
    // boxes the dialog holds till then show over it.
    virtual void OpenDialog(CDialog& dlg, DialogEnded onEnded) = 0;
    // The shown dlg ends (CDialog::EndDialog, or the dialog is destroyed while shown): its window
    // lets go of it at once and closes, then onEnded is called.
    virtual void CloseDialog(CDialog& dlg, int nResult) = 0;
    // Shows a message box with an OK button over owner, which stays open beneath it; the dialog
    // asks only once its window is on screen.
    virtual void ShowMessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                                unsigned nType, DialogEnded onClosed) = 0;
    // Runs the window system until dlg has ended: the modal loop of the application's dialog. A
    // host without a loop of its own ends dlg with IDCANCEL instead.
    virtual void RunUntilEnded(CDialog& dlg) = 0;
    virtual IClipboard& Clipboard() = 0;

protected:
    ~IDialogHost() = default;
};

// The host without a window system: a dialog opens without a window, shown at once, and stays open
// until it ends itself (its user's actions come through CDialog's OnUser* calls), the clipboard is
// a buffer in memory and message boxes are kept in a list for whoever asked.
class CHeadlessHost final : public IDialogHost, public IClipboard {
public:
    struct CMessage {
        std::string caption;
        std::string text;
    };

    void OpenDialog(CDialog& dlg, DialogEnded onEnded) override;
    void CloseDialog(CDialog& dlg, int nResult) override;
    void ShowMessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                        unsigned nType, DialogEnded onClosed) override;
    void RunUntilEnded(CDialog& dlg) override;
    IClipboard& Clipboard() override { return *this; }

    bool Open() override;
    bool Empty() override;
    bool SetText(const std::string& text) override;
    void Close() override;

    // The dialogs open now, the innermost last.
    std::vector<CDialog*> OpenDialogs() const;
    // The message boxes shown so far, oldest first; each closes as soon as it is shown.
    const std::vector<CMessage>& Messages() const { return m_messages; }

private:
    struct COpenDialog {
        CDialog* pDlg;
        DialogEnded onEnded;
    };

    bool m_bOpen = false;
    std::string m_strClipboard;
    std::vector<CMessage> m_messages;
    std::vector<COpenDialog> m_open;
};

// The application's name, the caption of message boxes that name none.
const std::string& AfxGetAppName();
void AfxSetAppName(const std::string& name);

} // namespace ctl
