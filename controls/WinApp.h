#pragma once

#include <string>

class CDialog;

// The application object: one per program. The front end hands it the command line's program
// path, whose base name becomes the application's name, then runs InitInstance.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    void SetProgramPath(const std::string& path);
    virtual bool InitInstance() = 0;

    CDialog* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
