// The Ranges box on the Windows dialog manager: its list view shows the rows spanwise-cli table
// prints, and choosing a row (a double click, or Enter on the row the keyboard is on) picks that
// range in the calculator and closes the box.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "CliRun.h"
#include "controls/DialogHost.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

void ApplyPicks(CCalculator& calc, const std::vector<std::string>& picks) {
    for (const std::string& pick : picks) {
        std::string error;
        ASSERT_TRUE(ApplyPick(calc, pick, error)) << error;
    }
}

// Shows the calculator, opens the Ranges box from the window menu and runs onRanges in it.
void WithRangesBox(
    CWin32DialogHost& host, CCalculator& calc,
    const std::function<void(ctl::CDialog& box, HWND hwndBox, HWND hwndList)>& onRanges) {
    int nShown = 0;
    RunDialog(
        host, calc,
        [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
            SendMessageW(hwndDialog, WM_SYSCOMMAND, IDM_RANGES, 0);
        },
        [&](ctl::CDialog& box, HWND hwndBox) {
            ++nShown;
            ASSERT_EQ(&box.Template(), &kRangesTemplate);
            onRanges(box, hwndBox, GetDlgItem(hwndBox, IDC_RANGES));
        });
    EXPECT_EQ(nShown, 1);
}

TEST(Win32Ranges, TheListShowsSpanwiseClisTableWithTheCurrentRangeSelected) {
    const std::vector<std::string> scenarios[] = {
        {}, {"model=Cedar", "function=REC"}, {"model=Hazel", "range=1s/div"}};
    for (const std::vector<std::string>& picks : scenarios) {
        SCOPED_TRACE(::testing::PrintToString(picks));
        std::vector<std::string> args{"table", "--csv"};
        args.insert(args.end(), picks.begin(), picks.end());
        const CCliRun cli = RunCli(args);
        ASSERT_EQ(cli.nExit, 0) << cli.err;
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCalculator calc(host);
        ApplyPicks(calc, picks);
        WithRangesBox(host, calc, [&](ctl::CDialog& box, HWND hwndBox, HWND hwndList) {
            EXPECT_EQ(ListViewColumns(hwndList),
                      (std::vector<std::string>{"Time-axis Range", "Sampling Period",
                                                "Maximum Recording Time"}));
            std::string csv = "range,sampling_period,recording_time\n";
            for (const std::vector<std::string>& row : ListViewRows(hwndList)) {
                csv += row[0] + "," + row[1] + "," + row[2] + "\n";
            }
            EXPECT_EQ(csv, cli.out);
            const auto nCurrent = static_cast<WPARAM>(calc.GetSelected(CalcList::TimeRange));
            EXPECT_EQ(
                SendMessageW(hwndList, LVM_GETITEMSTATE, nCurrent, LVIS_SELECTED | LVIS_FOCUSED),
                LVIS_SELECTED | LVIS_FOCUSED);
            EXPECT_EQ(GetFocus(), hwndList);
            ExpectWindowShowsDialog(box, hwndBox);
            PostMessageW(hwndList, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    }
}

TEST(Win32Ranges, ADoubleClickOrEnterOnARowPicksItsRangeAndEscapeLeavesTheRangeAsItWas) {
    const struct {
        const char* how;
        int nExpected; // the range picked, counted from the current one
        void (*choose)(HWND hwndList);
    } cases[] = {
        {"a double click on the third row below", 3,
         [](HWND hwndList) {
             const WPARAM nRow =
                 SendMessageW(hwndList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) + 3;
             RECT cell{LVIR_LABEL, 0, 0, 0};
             SendMessageW(hwndList, LVM_GETSUBITEMRECT, nRow, reinterpret_cast<LPARAM>(&cell));
             const LPARAM at = MAKELPARAM(cell.left + 2, (cell.top + cell.bottom) / 2);
             PostMessageW(hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
             PostMessageW(hwndList, WM_LBUTTONUP, 0, at);
             PostMessageW(hwndList, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
             PostMessageW(hwndList, WM_LBUTTONUP, 0, at);
         }},
        {"Down twice and Enter", 2,
         [](HWND hwndList) {
             for (const WPARAM nKey : {VK_DOWN, VK_DOWN, VK_RETURN}) {
                 PostMessageW(hwndList, WM_KEYDOWN, nKey, 0);
             }
         }},
        {"Escape", 0, [](HWND hwndList) { PostMessageW(hwndList, WM_KEYDOWN, VK_ESCAPE, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCalculator calc(host);
        ctl::CHeadlessHost otherHost;
        CCalculator listPicked(otherHost);
        ApplyPicks(calc, {"model=Cedar"});
        ApplyPicks(listPicked, {"model=Cedar"});
        // What picking in the list reaches.
        ASSERT_TRUE(listPicked.Pick(CalcList::TimeRange,
                                    calc.GetSelected(CalcList::TimeRange) + c.nExpected));
        WithRangesBox(host, calc, [&](ctl::CDialog& /*box*/, HWND /*hwndBox*/, HWND hwndList) {
            c.choose(hwndList);
        });
        EXPECT_EQ(calc.GetSelection(), listPicked.GetSelection());
        EXPECT_EQ(calc.GetReport(), listPicked.GetReport());
    }
}

} // namespace
} // namespace spanwise::test
