#pragma once

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

#include <string>

namespace spanwise::cli {

// The window system of the command line: dialogs open without a window, the clipboard is a
// buffer the tool prints from, and a message box is a line on standard error.
class CCliHost final : public IDialogHost, public IClipboard {
public:
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

private:
    bool m_bOpen = false;
    std::string m_strClipboard;
};

} // namespace spanwise::cli
