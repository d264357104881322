// Drives the installer's or the uninstaller's window for win32/tests/installer-test.sh as a user
// would, through the window system rather than the keyboard, whose keys would reach whichever
// window is in front: presses the default button of its pages (Next, Install, Uninstall) until a
// message box whose text begins with TEXT shows over them, writes that text, answers it as Escape
// does (Cancel, or OK where that is the only button), then closes the window: with Cancel when
// the installation has stopped, with Close once it has finished.
//
// With --page it reads the first page instead: writes the texts its user sees (the window's title,
// the page's texts and its buttons'), one a line, then cancels, and writes the text of the box that
// asks whether to quit before answering it Yes.
//
// Usage: spanwise_installer_driver TITLE TEXT
//        spanwise_installer_driver --page TITLE
//   TITLE: how the windows' titles begin ("Spanwise VERSION Setup", "Spanwise VERSION Uninstall";
//   "Spanwise VERSION" whatever the language).
//   Exit status 0 when the box came and was answered, 1 when none came within a minute.

#include "win32/WindowsApi.h"

#include "win32/TextConversion.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A message box's text is its static control of this id.
constexpr int kMessageBoxText = 0xFFFF;

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool BeginsWith(const std::wstring& text, const std::wstring& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The installer's visible windows: its pages, and a message box over them.
struct CInstallerWindows {
    std::wstring title;
    HWND hwndPages = nullptr;
    HWND hwndBox = nullptr;
};

BOOL CALLBACK FindInstallerWindow(HWND hwnd, LPARAM lParam) {
    auto& found = *reinterpret_cast<CInstallerWindows*>(lParam);
    if (IsWindowVisible(hwnd) != FALSE && BeginsWith(TextOf(hwnd), found.title)) {
        (GetDlgItem(hwnd, kMessageBoxText) != nullptr ? found.hwndBox : found.hwndPages) = hwnd;
    }
    return TRUE;
}

CInstallerWindows FindInstaller(const std::wstring& title) {
    CInstallerWindows found;
    found.title = title;
    EnumWindows(FindInstallerWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void Press(HWND hwnd, int nButton) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, nButton)));
}

bool IsShown(HWND hwnd) {
    return hwnd != nullptr && IsWindowVisible(hwnd) != FALSE;
}

BOOL CALLBACK CollectShownText(HWND hwnd, LPARAM lParam) {
    auto& texts = *reinterpret_cast<std::vector<std::wstring>*>(lParam);
    if (IsShown(hwnd)) {
        std::wstring text = TextOf(hwnd);
        if (!text.empty()) {
            texts.push_back(std::move(text));
        }
    }
    return TRUE;
}

// The page is a dialog inside the installer's window, whose own controls are its buttons.
int ReadFirstPage(const std::wstring& title) {
    for (int nTry = 0; nTry < 600; ++nTry, Sleep(100)) {
        const HWND hwndPages = FindInstaller(title).hwndPages;
        if (hwndPages == nullptr ||
            !IsShown(FindWindowExW(hwndPages, nullptr, L"#32770", nullptr))) {
            continue;
        }
        std::vector<std::wstring> texts{TextOf(hwndPages)};
        EnumChildWindows(hwndPages, CollectShownText, reinterpret_cast<LPARAM>(&texts));
        for (const std::wstring& text : texts) {
            std::printf("%s\n", Narrow(text).c_str());
        }
        Press(hwndPages, IDCANCEL);
        for (int nWait = 0; nWait < 200; ++nWait, Sleep(100)) {
            const HWND hwndBox = FindInstaller(title).hwndBox;
            if (hwndBox != nullptr) {
                std::printf("%s\n", Narrow(TextOf(GetDlgItem(hwndBox, kMessageBoxText))).c_str());
                Press(hwndBox, IDYES);
                return 0;
            }
        }
        std::fputs("no box asked whether to quit\n", stderr);
        return 1;
    }
    std::fputs("no page came\n", stderr);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: spanwise_installer_driver TITLE TEXT | --page TITLE\n", stderr);
        return 2;
    }
    if (std::wstring(argv[1]) == L"--page") {
        return ReadFirstPage(argv[2]);
    }
    const std::wstring title = argv[1];
    const std::wstring text = argv[2];
    for (int nTry = 0; nTry < 600; ++nTry, Sleep(100)) {
        const CInstallerWindows windows = FindInstaller(title);
        if (windows.hwndBox != nullptr) {
            const std::wstring shown = TextOf(GetDlgItem(windows.hwndBox, kMessageBoxText));
            if (!BeginsWith(shown, text)) {
                continue;
            }
            std::printf("%s\n", Narrow(shown).c_str());
            Press(windows.hwndBox, IDCANCEL);
            // The page then says that the installation stopped (Cancel closes it) or goes on to
            // its end (Close, the default button, closes it).
            for (int nWait = 0; nWait < 200 && windows.hwndPages != nullptr; ++nWait, Sleep(100)) {
                if (FindInstaller(title).hwndBox != nullptr) {
                    continue;
                }
                for (const int nButton : {IDCANCEL, IDOK}) {
                    const HWND hwndButton = GetDlgItem(windows.hwndPages, nButton);
                    if (hwndButton != nullptr && IsWindowEnabled(hwndButton) != FALSE &&
                        IsWindowVisible(hwndButton) != FALSE) {
                        Press(windows.hwndPages, nButton);
                        return 0;
                    }
                }
            }
            return 0;
        }
        const HWND hwndNext =
            windows.hwndPages != nullptr ? GetDlgItem(windows.hwndPages, IDOK) : nullptr;
        if (hwndNext != nullptr && IsWindowEnabled(hwndNext) != FALSE &&
            IsWindowVisible(hwndNext) != FALSE) {
            Press(windows.hwndPages, IDOK);
            Sleep(500); // for the next page to come
        }
    }
    std::fputs("no message box came\n", stderr);
    return 1;
}
