// Picks made as a user makes them, with the keyboard in the real lists: each reaches the dialog
// exactly once, the dialog's own refills raise nothing, and the window ends up showing what
// spanwise-cli answers for the same picks.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "CliRun.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

struct CKey {
    CalcList list;
    WPARAM nKey;
};

TEST(Win32Picks, EachKeyReachesTheDialogOnceAndTheWindowAgreesWithSpanwiseCli) {
    const std::vector<CKey> sequences[] = {
        {{CalcList::Model, VK_DOWN}, {CalcList::Model, VK_DOWN}, {CalcList::Function, VK_DOWN}},
        {{CalcList::Model, VK_END}, {CalcList::Memory, VK_DOWN}, {CalcList::TimeRange, VK_END}},
        {{CalcList::Memory, VK_END},
         {CalcList::Channels, VK_DOWN},
         {CalcList::TimeRange, VK_DOWN},
         {CalcList::Sampling, VK_DOWN}},
        {{CalcList::Model, VK_DOWN}, {CalcList::Scanner, VK_DOWN}, {CalcList::Model, VK_UP}},
        {{CalcList::Model, VK_DOWN}, {CalcList::Model, VK_UP}, {CalcList::Model, VK_UP}},
    };
    for (const std::vector<CKey>& keys : sequences) {
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCountingDlg dlg(host);
        std::vector<std::string> args{"report"};
        RunDialog(host, dlg, [&](HWND hwndDialog) {
            for (const CKey& key : keys) {
                const int nID = GetListControlID(key.list);
                HWND hwndList = GetDlgItem(hwndDialog, nID);
                ASSERT_NE(IsWindowEnabled(hwndList), FALSE) << GetListName(key.list);
                const LRESULT nBefore = SendMessageW(hwndList, CB_GETCURSEL, 0, 0);
                dlg.m_commands.clear();
                SendMessageW(hwndList, WM_KEYDOWN, key.nKey, 0);
                SendMessageW(hwndList, WM_KEYUP, key.nKey, 0);
                const LRESULT nAfter = SendMessageW(hwndList, CB_GETCURSEL, 0, 0);
                // A key that leaves the selection as it was may or may not notify; one that
                // moves it notifies once, and the steps' own changes of other lists never do.
                const std::vector<std::pair<int, int>> once{{nID, CBN_SELCHANGE}};
                if (nAfter != nBefore || !dlg.m_commands.empty()) {
                    EXPECT_EQ(dlg.m_commands, once) << GetListName(key.list);
                    args.push_back(std::string(GetListName(key.list)) + "=#" +
                                   std::to_string(nAfter));
                }
            }
            ExpectWindowShowsDialog(dlg, hwndDialog);
            const CCliRun cli = RunCli(args);
            ASSERT_EQ(cli.nExit, 0) << cli.err;
            EXPECT_EQ(ReportFromWindow(hwndDialog), WithCrLf(cli.out))
                << ::testing::PrintToString(args);
        });
    }
}

} // namespace
} // namespace spanwise::test
