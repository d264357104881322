#pragma once

#include <string>

class CDialog;
class IClipboard;

// What the window system offers the dialogs: running one modally, message boxes and the
// clipboard. A front end installs its own with AfxSetDialogHost.
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

// The host in use; without one installed, a host with no display and no clipboard service.
IDialogHost& AfxGetDialogHost();
void AfxSetDialogHost(IDialogHost* pHost);

// The application's name, the caption of message boxes that name none.
const std::string& AfxGetAppName();
void AfxSetAppName(const std::string& name);
