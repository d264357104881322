// What screen readers hear: each control's name as Microsoft Active Accessibility gives it
// (AccessibleObjectFromWindow, get_accName), as the dialog names it, and following picks.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/Resource.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace spanwise::test
