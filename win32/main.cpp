// spanwise.exe: the calculator window on Windows.

#include "WindowsApi.h"

#include "TextConversion.h"
#include "UserLanguages.h"
#include "Win32DialogHost.h"

#include "app/CommandLine.h"
#include "app/RecordingCalcApp.h"
#include "controls/DialogHost.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "res/Version.h"

#include <objbase.h>
#include <shellapi.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int kExitUsage = 2;

const char* const kMenuHint = N_("right-click the window, or press the Menu key or Shift+F10");
const char* const kHelpNotes = N_("/? shows this help as well.\n"
                                  "spanwise-cli calculates any conditions without a window.\n");

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

// The arguments after the program's name, in UTF-8. Windows' own way of asking for help, /?,
// is read as --help.
std::vector<std::string> Arguments() {
    int nArgs = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    std::vector<std::string> arguments;
    for (int i = 1; args != nullptr && i < nArgs; ++i) {
        const std::string arg = Narrow(args[i]);
        arguments.push_back(arg == "/?" ? std::string("--help") : arg);
    }
    LocalFree(args);
    return arguments;
}

void ShowBox(const std::string& text, UINT nType) {
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(ctl::AfxGetAppName()).c_str(),
                nType | MB_SETFOREGROUND);
}

// Help, version and arguments that cannot be read, each in a message box: a window program has no
// console to print them on. Returns -1 when the window opens.
int AnswerWithoutWindow(const CCommandLine& commandLine) {
    if (commandLine.bHelp) {
        ShowBox(HelpText(ctl::AfxGetAppName(), spanwise::lang::CommandLineFormat(kMenuHint, {}),
                         spanwise::lang::CommandLineFormat(kHelpNotes, {})),
                MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (commandLine.bVersion) {
        ShowBox(std::string("Spanwise ") + spanwise::kFileVersion, MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    // Pictures of the window for the docs are taken of the Qt window alone.
    const std::string error =
        !commandLine.error.empty() ? commandLine.error
        : !commandLine.screenshotFile.empty()
            ? spanwise::lang::TranslateFormat("unknown option %1", {"\"--screenshot\""})
            : std::string();
    if (!error.empty()) {
        std::string sentence = error;
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        ShowBox(spanwise::lang::CommandLineFormat("%1.\n\nRun %2 --help or %2 /? for the options.",
                                                  {sentence, ctl::AfxGetAppName()}),
                MB_OK | MB_ICONERROR);
        return kExitUsage;
    }
    return -1;
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
    // The window, the help and the messages in the user's display language; --lang overrides it.
    spanwise::lang::AddCoreCatalogues();
    spanwise::lang::AddCommandLineCatalogues();
    spanwise::lang::SetLanguage(spanwise::lang::FirstSpokenLanguage(GetUserLanguages()));
    const CCommandLine commandLine = ParseCommandLine(Arguments());
    if (const int nExit = AnswerWithoutWindow(commandLine); nExit >= 0) {
        if (bCom) {
            CoUninitialize();
        }
        return nExit;
    }
    theApp.SetStartPicks(commandLine.picks);
    CWin32DialogHost host(hInstance);
    theApp.SetDialogHost(host);
    theApp.InitInstance();
    if (bCom) {
        CoUninitialize();
    }
    return 0;
}
