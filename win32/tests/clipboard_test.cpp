// Copy on the Windows clipboard: the exact report as CF_TEXT, and the message when another
// program holds the clipboard.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/Resource.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

TEST(Win32Clipboard, CopyPutsTheReportWithItsNulAsCfTextAndClosesTheClipboard) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    const CMessageBoxCatcher catcher;
    RunDialog(host, calc, [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
        SendMessageW(GetDlgItem(hwndDialog, IDC_MODEL), WM_KEYDOWN, VK_END, 0);
        const std::string report = ReportFromWindow(hwndDialog);
        ASSERT_EQ(report, calc.GetReport());
        for (int nCopy = 0; nCopy < 2; ++nCopy) {
            SendMessageW(GetDlgItem(hwndDialog, IDC_COPY), BM_CLICK, 0, 0);
            EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "closed again";
            EXPECT_EQ(GetClipboardOwner(), hwndDialog);
            EXPECT_EQ(ClipboardTextBlock(), report + '\0');
        }
        EXPECT_EQ(ReportFromWindow(hwndDialog), report) << "Copy changes nothing in the dialog";
    });
    EXPECT_TRUE(catcher.Seen().empty());
}

TEST(Win32Clipboard, HeldOpenByAnotherProgramCopySaysItCannotOpenIt) {
    ASSERT_TRUE(PutClipboardText("held"));
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    const int nResult = RunDialog(host, calc, [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
        const CClipboardHolder holder;
        ASSERT_TRUE(holder.IsHolding());
        const CMessageBoxCatcher catcher;
        SendMessageW(GetDlgItem(hwndDialog, IDC_COPY), BM_CLICK, 0, 0);
        ASSERT_EQ(catcher.Seen().size(), 1U);
        const CSeenMessageBox& box = catcher.Seen()[0];
        EXPECT_EQ(box.caption, "spanwise");
        EXPECT_EQ(box.text, "Cannot open the Clipboard");
        EXPECT_TRUE(box.bOkOnly);
    });
    EXPECT_EQ(nResult, kLeftOpen) << "the calculator stays open beneath its message box";
    EXPECT_EQ(ClipboardTextBlock(), std::string("held") + '\0');
}

} // namespace
} // namespace spanwise::test
