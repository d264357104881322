#pragma once

#include <string>

namespace ctl {

class CDialog;
class IDialogHost;

// The application object: one per program. The front end hands it the command line's program
// path, whose base name becomes the application's name, and the window system its dialogs are
// shown by, then runs InitInstance.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    void SetProgramPath(const std::string& path);
    void SetDialogHost(IDialogHost& host) { m_pHost = &host; }
    // The host handed in; InitInstance needs one.
    IDialogHost* GetDialogHost() const { return m_pHost; }
    virtual bool InitInstance() = 0;

    CDialog* m_pMainWnd = nullptr;

private:
    IDialogHost* m_pHost = nullptr;
};

CWinApp* AfxGetApp();

} // namespace ctl
