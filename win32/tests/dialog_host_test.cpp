// Dialogs that end in the unusual ways the host must survive: under a message box of their own,
// or destroyed while their window is up.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/DialogTemplates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace spanwise::test {
namespace {

TEST(Win32DialogHost, ADialogEndedUnderItsMessageBoxEndsOnceAndTheBoxAnswersNobody) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    auto pDlg = std::make_unique<ctl::CDialog>(kAboutBoxTemplate, host);
    std::optional<CMessageBoxCatcher> catcher;
    HWND hwndShown = nullptr;
    bool bBoxAnswered = false;
    host.SetShownHandler([&](ctl::CDialog& dlg, HWND hwnd) {
        hwndShown = hwnd;
        // Inside the box's modal loop: the dialog ends, then the box is closed.
        Soon([&dlg, &catcher] {
            dlg.EndDialog(IDOK);
            catcher.emplace();
        });
        dlg.MessageBox("Over the dialog", nullptr, MB_OK, [&](int) { bBoxAnswered = true; });
    });
    std::vector<int> ended;
    pDlg->Open([&](int nResult) {
        ended.push_back(nResult);
        pDlg.reset();
    });
    EXPECT_EQ(ended, std::vector<int>{IDOK});
    EXPECT_EQ(pDlg, nullptr);
    ASSERT_TRUE(catcher.has_value());
    EXPECT_EQ(catcher->Seen().size(), 1U);
    EXPECT_FALSE(bBoxAnswered) << "its dialog is gone";
    EXPECT_EQ(IsWindow(hwndShown), FALSE);
}

TEST(Win32DialogHost, ADialogDestroyedWhileShownClosesUntoldAndTheNextOpensAsUsual) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    auto pDlg = std::make_unique<ctl::CDialog>(kAboutBoxTemplate, host);
    HWND hwndShown = nullptr;
    host.SetShownHandler([&](ctl::CDialog& /*dlg*/, HWND hwnd) {
        hwndShown = hwnd;
        pDlg.reset();
    });
    bool bEnded = false;
    pDlg->Open([&](int /*nResult*/) { bEnded = true; });
    EXPECT_FALSE(bEnded);
    EXPECT_EQ(IsWindow(hwndShown), FALSE);

    // The host holds nothing of it: the next dialog has no owner and ends as it should.
    ctl::CDialog next(kAboutBoxTemplate, host);
    HWND hwndOwner = hwndShown;
    host.SetShownHandler([&](ctl::CDialog& dlg, HWND hwnd) {
        hwndOwner = GetWindow(hwnd, GW_OWNER);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(next.DoModal(), IDOK);
    EXPECT_EQ(hwndOwner, nullptr);
}

TEST(Win32DialogHost, AMessageBoxWithALongRunWithoutBlanksStaysWithinTheScreen) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    ctl::CDialog dlg(kAboutBoxTemplate, host);
    const std::string text = "\"" + std::string(400, 'W') + "\" is not a duration";
    const CMessageBoxCatcher catcher;
    RunDialog(host, dlg, [&](HWND /*hwnd*/) { dlg.MessageBox(text); });
    ASSERT_EQ(catcher.Seen().size(), 1U);
    EXPECT_LE(catcher.Seen()[0].nWidth, GetSystemMetrics(SM_CXSCREEN));
    std::string shown = catcher.Seen()[0].text;
    shown.erase(std::remove(shown.begin(), shown.end(), '\n'), shown.end());
    EXPECT_EQ(shown, text) << "broken into lines, nothing else";
}

} // namespace
} // namespace spanwise::test
