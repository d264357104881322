#include "WinApp.h"

#include "DialogHost.h"

namespace ctl {

void CWinApp::SetProgramPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!base.empty()) {
        AfxSetAppName(base);
    }
}

} // namespace ctl
