#include "WinApp.h"

#include "DialogHost.h"

namespace ctl {

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

void CWinApp::SetProgramPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!base.empty()) {
        AfxSetAppName(base);
    }
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

} // namespace ctl
