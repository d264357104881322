#pragma once

#include "Clipboard.h"

#include <string>
#include <vector>

namespace ctl {

class CDialog;

// What the window system offers the dialogs: running one modally, message boxes and the
// clipboard. Each front end has its own and hands it to the dialogs it opens.
class IDialogHost {
public:
    // Shows the dialog and returns once it has ended, with the code it ended with.
    virtual int RunModal(CDialog& dlg) = 0;
    // Called when a running dialog ends itself (EndDialog).
    virtual void EndModal(CDialog& dlg, int nResult) = 0;
    virtual int MessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                           unsigned nType) = 0;
    virtual IClipboard& Clipboard() = 0;

protected:
    ~IDialogHost() = default;
};

// The host without a window system: a dialog opens without a window and ends at once, the
// clipboard is a buffer in memory and message boxes are kept in a list for whoever asked.
class CHeadlessHost final : public IDialogHost, public IClipboard {
public:
    struct CMessage {
        std::string caption;
        std::string text;
    };

    int RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int nResult) override;
    int MessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                   unsigned nType) override;
    IClipboard& Clipboard() override { return *this; }

    bool Open() override;
    bool Empty() override;
    bool SetText(const std::string& text) override;
    void Close() override;

    const std::string& ClipboardText() const { return m_strClipboard; }
    // The message boxes shown so far, oldest first.
    const std::vector<CMessage>& Messages() const { return m_messages; }

private:
    bool m_bOpen = false;
    std::string m_strClipboard;
    std::vector<CMessage> m_messages;
};

// The application's name, the caption of message boxes that name none.
const std::string& AfxGetAppName();
void AfxSetAppName(const std::string& name);

} // namespace ctl
