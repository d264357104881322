// spanwise.exe: the calculator window on Windows.

#include "WindowsApi.h"

#include "TextConversion.h"
#include "Win32DialogHost.h"

#include "app/RecordingCalcApp.h"

#include <string>

namespace {

// The program's file name without its folder and extension, as the application's name.
std::string ProgramName() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD nLength = 0;
    while ((nLength = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(nLength);
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.resize(dot);
    }
    return name.empty() ? std::string("spanwise") : Narrow(name);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nCmdShow*/) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);

    theApp.SetProgramPath(ProgramName());
    CWin32DialogHost host(hInstance);
    theApp.SetDialogHost(host);
    theApp.InitInstance();
    return 0;
}
