// spanwise.exe: the calculator window on Windows.

#include "WindowsApi.h"

#include "TextConversion.h"
#include "Win32DialogHost.h"

#include "app/RecordingCalcApp.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

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

// The arguments after the program's name, in UTF-8: the picks the window opens with.
std::vector<std::string> Arguments() {
    int nArgs = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    std::vector<std::string> arguments;
    for (int i = 1; args != nullptr && i < nArgs; ++i) {
        arguments.push_back(Narrow(args[i]));
    }
    LocalFree(args);
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nCmdShow*/) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);
    // Screen readers reach the controls' names through COM (AccessibleName.h).
    const bool bCom = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

    theApp.SetProgramPath(ProgramName());
    theApp.SetStartPicks(Arguments());
    CWin32DialogHost host(hInstance);
    theApp.SetDialogHost(host);
    theApp.InitInstance();
    if (bCom) {
        CoUninitialize();
    }
    return 0;
}
