// What screen readers hear: each control's name as Microsoft Active Accessibility gives it
// (AccessibleObjectFromWindow, get_accName), as the dialog names it, and following picks.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/Resource.h"
#include "win32/TextConversion.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace spanwise::test {
namespace {

TEST(Win32Accessibility, ListsAreNamedByTheirCaptionsAndResultsByWhatTheyAreAndShow) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    RunDialog(host, calc, [&](ctl::CDialog& dlg, HWND hwndDialog) {
        const struct {
            int nID;
            const char* name;
        } opening[] = {
            {IDC_MODEL, "Model Number"},
            {IDC_TIME_RANGE, "Time-axis Range"},
            {IDC_RECORDING_LENGTH, "Maximum Recording Length: 320000 div"},
            {IDC_RECORDING_TIME, "Maximum Recording Time: 1.6s"},
            {IDC_SAMPLING_PERIOD, "Sampling Period: 50ns/S"},
            {IDC_COPY, "Copy"},
        };
        for (const auto& control : opening) {
            EXPECT_EQ(AccessibleName(GetDlgItem(hwndDialog, control.nID)), control.name);
        }
        // Group boxes are heard by their words alone, without the brackets and mnemonics drawn.
        std::vector<std::string> groups;
        for (HWND hwnd : ChildrenInOrder(hwndDialog)) {
            if (ClassName(hwnd) == L"Button" &&
                (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
                groups.push_back(AccessibleName(hwnd));
            }
        }
        EXPECT_EQ(groups, (std::vector<std::string>{"Select Conditions", "Maximum Recording Length",
                                                    "Maximum Recording Time"}));
        ExpectWindowShowsDialog(dlg, hwndDialog);
        // Picks change the results; their names follow.
        SendMessageW(GetDlgItem(hwndDialog, IDC_MODEL), WM_KEYDOWN, VK_END, 0);
        SendMessageW(GetDlgItem(hwndDialog, IDC_TIME_RANGE), WM_KEYDOWN, VK_END, 0);
        EXPECT_EQ(AccessibleName(GetDlgItem(hwndDialog, IDC_RECORDING_TIME)),
                  "Maximum Recording Time: " + calc.GetRecordingTimeText());
        ExpectWindowShowsDialog(dlg, hwndDialog);
    });
}

// The names of the objects of this process's alerts, as a screen reader's WinEvent hook gets them.
std::vector<std::string> g_alerts;

void CALLBACK OnAlert(HWINEVENTHOOK /*hHook*/, DWORD /*nEvent*/, HWND hwnd, LONG nObject,
                      LONG nChild, DWORD /*nThread*/, DWORD /*nTime*/) {
    IAccessible* pAccessible = nullptr;
    VARIANT child{};
    if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(nObject),
                                         static_cast<DWORD>(nChild), &pAccessible, &child))) {
        g_alerts.emplace_back("<no accessible object>");
        return;
    }
    BSTR name = nullptr;
    g_alerts.push_back(pAccessible->get_accName(child, &name) == S_OK && name != nullptr
                           ? Narrow(name)
                           : std::string());
    SysFreeString(name);
    pAccessible->Release();
}

TEST(Win32Accessibility, APickIsAnnouncedOnceAsAnAlertNamingTheChangedResult) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    HWINEVENTHOOK hHook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, OnAlert,
                                          GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hHook, nullptr);
    RunDialog(host, calc, [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
        g_alerts.clear();
        SendMessageW(GetDlgItem(hwndDialog, IDC_TIME_RANGE), WM_KEYDOWN, VK_END, 0);
        PumpUntil([] { return !g_alerts.empty(); });
        ASSERT_EQ(g_alerts.size(), 1U);
        EXPECT_NE(g_alerts[0].find(calc.GetRecordingTimeText()), std::string::npos) << g_alerts[0];
    });
    UnhookWinEvent(hHook);
}

} // namespace
} // namespace spanwise::test
