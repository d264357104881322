#pragma once

#include <string>

namespace ctl {

class IDialogHost;

// The application object: one per program. The front end hands it the command line's program
// path, whose base name becomes the application's name, and the window system its dialogs are
// shown by, then runs InitInstance.
class CWinApp {
public:
    CWinApp() = default;
    virtual ~CWinApp() = default;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    void SetProgramPath(const std::string& path);
    void SetDialogHost(IDialogHost& host) { m_pHost = &host; }
    // The host handed in; InitInstance needs one.
    IDialogHost* GetDialogHost() const { return m_pHost; }
    virtual bool InitInstance() = 0;

private:
    IDialogHost* m_pHost = nullptr;
};

} // namespace ctl
