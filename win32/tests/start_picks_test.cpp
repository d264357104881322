// spanwise.exe with picks on its command line: the window opens with them picked, and one that
// cannot be applied is reported in a message box over the window, which opens with the rest. The
// window is read from this process, as a screen reader reads it.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "CliRun.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "win32/TextConversion.h"

#include "res/Version.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

// A shown dialog window of a process with a title and, when given, an owner.
struct CWindowSearch {
    DWORD nProcess;
    const std::wstring& title;
    HWND hwndOwner;
    HWND hwndFound;
};

// EnumWindows's callback: a function of the system's calling convention, which a lambda is not on
// 32-bit Windows.
BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto& s = *reinterpret_cast<CWindowSearch*>(lParam);
    DWORD nProcess = 0;
    GetWindowThreadProcessId(hwnd, &nProcess);
    if (nProcess == s.nProcess && IsWindowVisible(hwnd) != FALSE && ClassName(hwnd) == L"#32770" &&
        WindowText(hwnd) == s.title &&
        (s.hwndOwner == nullptr || GetWindow(hwnd, GW_OWNER) == s.hwndOwner)) {
        s.hwndFound = hwnd;
        return FALSE;
    }
    return TRUE;
}

// spanwise.exe run with args, ended when the object goes.
class CProgram {
public:
    explicit CProgram(const std::vector<std::string>& args) {
        std::wstring commandLine = L"\"" + Widen(SPANWISE_GUI_PATH) + L"\"";
        for (const std::string& arg : args) {
            commandLine += L" \"" + Widen(arg) + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_bStarted = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                    nullptr, nullptr, &startup, &m_process) != FALSE;
    }
    ~CProgram() {
        if (m_bStarted) {
            TerminateProcess(m_process.hProcess, 1);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
    }
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    // A shown dialog window of the program with that title and, when given, owner; nullptr when
    // none came within 20 s.
    HWND WaitForWindow(const std::wstring& title, HWND hwndOwner = nullptr) const {
        CWindowSearch search{m_process.dwProcessId, title, hwndOwner, nullptr};
        for (int nTry = 0; nTry < 400 && m_bStarted && search.hwndFound == nullptr; ++nTry) {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            Sleep(search.hwndFound == nullptr ? 50 : 0);
        }
        return search.hwndFound;
    }

    // The exit status once the program has ended, -1 when it did not within 20 s.
    int WaitForExit() const {
        DWORD nExit = 0;
        return WaitForSingleObject(m_process.hProcess, 20000) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(m_process.hProcess, &nExit) != FALSE
                   ? static_cast<int>(nExit)
                   : -1;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_bStarted = false;
};

TEST(Win32StartPicks, TheWindowOpensWithThePicksAndOneRefusedIsReportedOverIt) {
    const CProgram program({"model=Cedar", "range=bogus", "function=REC"});
    HWND hwndCalc = program.WaitForWindow(Widen(kRecordingCalcTemplate.title));
    ASSERT_NE(hwndCalc, nullptr);
    // The message for the same pick in the same state, in a window's words.
    ctl::CHeadlessHost headless;
    spanwise::CCalculator refusing(headless);
    spanwise::CPickRefusal refusal;
    ASSERT_TRUE(spanwise::TryPick(refusing, "model=Cedar", refusal));
    ASSERT_FALSE(spanwise::TryPick(refusing, "range=bogus", refusal));
    const std::string message = spanwise::WindowWords(refusal);
    HWND hwndBox = program.WaitForWindow(L"spanwise", hwndCalc);
    ASSERT_NE(hwndBox, nullptr) << "a message box over the calculator";
    EXPECT_EQ(WindowTextUtf8(GetDlgItem(hwndBox, 0xFFFF)), message);
    PostMessageW(hwndBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

    // The other picks, as spanwise-cli applies them.
    const CCliRun report = RunCli({"report", "model=Cedar", "function=REC"});
    ASSERT_EQ(report.nExit, 0) << report.err;
    EXPECT_EQ(ReportFromWindow(hwndCalc), WithCrLf(report.out));
    // Asked from another process, as a screen reader asks.
    EXPECT_EQ(AccessibleName(GetDlgItem(hwndCalc, IDC_FUNCTION)), "Function");
    EXPECT_EQ(AccessibleName(GetDlgItem(hwndCalc, IDC_RECORDING_TIME)),
              "Maximum Recording Time: " +
                  WindowTextUtf8(GetDlgItem(hwndCalc, IDC_RECORDING_TIME)));
    PostMessageW(hwndCalc, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

// Help, version and a mistyped option, answered in a message box before any window opens.
TEST(Win32StartPicks, OptionsAreAnsweredInAMessageBox) {
    const std::string version = std::string("Spanwise ") + kFileVersion;
    const struct {
        std::vector<std::string> args;
        std::string textStart;
        int nExit;
    } rows[] = {
        {{"--help"}, "Usage: spanwise [options] [LIST=VALUE ...]", 0},
        {{"/?"}, "Usage: spanwise [options] [LIST=VALUE ...]", 0},
        {{"-h"}, "Usage: spanwise [options] [LIST=VALUE ...]", 0},
        {{"--version"}, version, 0},
        // Not taken for a pick, and what does not print is shown escaped.
        {{"--modle=Cedar\x1b[2J"}, "Unknown option \"--modle=Cedar\\x1b[2J\".", 2},
        // The help in the language asked for, whatever the display language.
        {{"--lang", "ja", "/?"}, "使い方: spanwise [オプション] [LIST=VALUE ...]", 0},
        {{"--help", "--lang=en"}, "Usage: spanwise [options] [LIST=VALUE ...]", 0},
        {{"--lang", "xx"}, "Unknown language \"xx\": the languages are en, ja.", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.front());
        const CProgram program(row.args);
        HWND hwndBox = program.WaitForWindow(L"spanwise");
        ASSERT_NE(hwndBox, nullptr);
        const std::string text = WindowTextUtf8(GetDlgItem(hwndBox, 0xFFFF));
        EXPECT_EQ(text.substr(0, row.textStart.size()), row.textStart) << text;
        PostMessageW(hwndBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_EQ(program.WaitForExit(), row.nExit);
    }
}

} // namespace
} // namespace spanwise::test
