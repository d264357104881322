// The calculator as the Windows dialog manager shows it: the window, its controls, the result
// fields, the tooltip, the window menu with the About box, and the ways to end it.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "controls/DialogHost.h"
#include "res/DialogTemplates.h"
#include "res/StringTable.h"
#include "win32/TextConversion.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

RECT DialogUnitsToPixels(HWND hwndDialog, int x, int y, int cx, int cy) {
    RECT rect{x, y, x + cx, y + cy};
    MapDialogRect(hwndDialog, &rect);
    return rect;
}

RECT RectInDialog(HWND hwndDialog, HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, hwndDialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int CALLBACK OnStyle(const LOGFONTW* pLogFont, const TEXTMETRICW* /*pMetric*/, DWORD /*dwType*/,
                     LPARAM lParam) {
    *reinterpret_cast<bool*>(lParam) |= pLogFont->lfWeight >= FW_SEMIBOLD;
    return 1;
}

// Whether the face drawn in hdc has a bold style installed: a face without one is only thickened
// (Wine: IPAPGothic), which reads as smudged rather than bold.
bool SelectedFaceHasBoldStyle(HDC hdc) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    GetTextFaceW(hdc, LF_FACESIZE, wanted.lfFaceName);
    bool bBold = false;
    EnumFontFamiliesExW(hdc, &wanted, OnStyle, reinterpret_cast<LPARAM>(&bBold), 0);
    return bBold;
}

const wchar_t* ClassOf(ctl::ControlKind kind) {
    switch (kind) {
    case ctl::ControlKind::ComboBox:
        return L"ComboBox";
    case ctl::ControlKind::GroupBox:
    case ctl::ControlKind::PushButton:
    case ctl::ControlKind::DefPushButton:
        return L"Button";
    case ctl::ControlKind::Table:
        return WC_LISTVIEWW;
    default:
        return L"Static";
    }
}

TEST(Win32Dialog, OpensWithTheTemplatesTitleSizeAndControlsInTabOrder) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCountingDlg dlg(host);
    RunDialog(host, dlg, [&](HWND hwndDialog) {
        const ctl::CDialogTemplate& dlgTemplate = kRecordingCalcTemplate;
        EXPECT_EQ(WindowTextUtf8(hwndDialog), dlgTemplate.title);
        EXPECT_NE(GetWindowLongW(hwndDialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        RECT client{};
        GetClientRect(hwndDialog, &client);
        const RECT expected = DialogUnitsToPixels(hwndDialog, 0, 0, dlgTemplate.cx, dlgTemplate.cy);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);

        const std::vector<HWND> children = ChildrenInOrder(hwndDialog);
        ASSERT_EQ(children.size(), dlgTemplate.nItems);
        for (std::size_t i = 0; i < children.size(); ++i) {
            const ctl::CDialogItemTemplate& item = dlgTemplate.items[i];
            SCOPED_TRACE("control " + std::to_string(item.nID));
            EXPECT_EQ(static_cast<short>(GetDlgCtrlID(children[i])), item.nID);
            EXPECT_EQ(ClassName(children[i]), ClassOf(item.kind));
            // Position and size are converted each on its own.
            const RECT where = DialogUnitsToPixels(hwndDialog, item.x, item.y, 0, 0);
            const RECT size = DialogUnitsToPixels(hwndDialog, 0, 0, item.cx, item.cy);
            const RECT got = RectInDialog(hwndDialog, children[i]);
            EXPECT_EQ(got.left, where.left);
            EXPECT_EQ(got.top, where.top);
            EXPECT_EQ(got.right - got.left, size.right);
            if (item.kind != ctl::ControlKind::ComboBox) { // a closed list is lower
                EXPECT_EQ(got.bottom - got.top, size.bottom);
            }
            const LONG style = GetWindowLongW(children[i], GWL_STYLE);
            const bool bTabStop = (item.style & ctl::kStyleTabStop) != 0;
            EXPECT_EQ((style & WS_TABSTOP) != 0, bTabStop);
            if (item.kind == ctl::ControlKind::ComboBox) {
                EXPECT_EQ(style & (CBS_DROPDOWNLIST | CBS_SORT), CBS_DROPDOWNLIST);
            }
        }
        const LONG exitStyle = GetWindowLongW(GetDlgItem(hwndDialog, IDOK), GWL_STYLE);
        EXPECT_EQ(exitStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        // The focus starts on the first tab stop.
        EXPECT_EQ(GetFocus(), GetDlgItem(hwndDialog, IDC_MODEL));
        ExpectWindowShowsDialog(dlg, hwndDialog);
    });
    EXPECT_TRUE(dlg.m_commands.empty()) << "opening raises no command";
}

// The edit field has the focus and shows text, all of it selected.
void ExpectFocusedWithTextSelected(HWND hwndEdit, const std::string& text) {
    EXPECT_EQ(GetFocus(), hwndEdit);
    EXPECT_EQ(WindowTextUtf8(hwndEdit), text);
    DWORD nStart = 1;
    DWORD nEnd = 0;
    SendMessageW(hwndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                 reinterpret_cast<LPARAM>(&nEnd));
    EXPECT_EQ(nStart, 0U);
    EXPECT_EQ(nEnd, Widen(text).size());
}

TEST(Win32Dialog, TheFocusTheDialogGivesMovesTheRealFocusAndSelectsAFieldsText) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    ctl::CDialog dlg(kFitTimeTemplate, host);
    RunDialog(host, dlg, [&](HWND hwndDialog) {
        HWND hwndField = GetDlgItem(hwndDialog, IDC_DURATION);
        dlg.GetDlgItem(IDC_DURATION).SetWindowText("3d");
        dlg.GotoDlgCtrl(IDOK);
        EXPECT_EQ(GetFocus(), GetDlgItem(hwndDialog, IDOK));
        dlg.GotoDlgCtrl(IDC_DURATION);
        ExpectFocusedWithTextSelected(hwndField, "3d");
    });
}

TEST(Win32Dialog, ResultFieldsAloneAreBoldAndBlueAndCopyHasItsTooltip) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    RunDialog(host, calc, [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
        HDC hdc = CreateCompatibleDC(nullptr);
        for (const int nID : {IDC_RECORDING_LENGTH, IDC_RECORDING_TIME, IDC_SAMPLING_PERIOD}) {
            SCOPED_TRACE("control " + std::to_string(nID));
            const bool bResult = nID != IDC_SAMPLING_PERIOD;
            HWND hwnd = GetDlgItem(hwndDialog, nID);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_EQ(font.lfWeight >= FW_BOLD, bResult);
            // Drawn bold too: a face without a bold style gives way to one with it.
            const HGDIOBJ hOldFont =
                SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
            TEXTMETRICW metric{};
            GetTextMetricsW(hdc, &metric);
            if (bResult) {
                EXPECT_TRUE(SelectedFaceHasBoldStyle(hdc));
            }
            SelectObject(hdc, hOldFont);
            EXPECT_EQ(metric.tmWeight >= FW_BOLD, bResult) << metric.tmWeight;
            SetTextColor(hdc, RGB(0, 0, 0));
            SendMessageW(hwndDialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                         reinterpret_cast<LPARAM>(hwnd));
            EXPECT_EQ(GetTextColor(hdc) == RGB(0, 0, 255), bResult);
        }
        DeleteDC(hdc);

        HWND hwndCopy = GetDlgItem(hwndDialog, IDC_COPY);
        HWND hwndTip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
        while (hwndTip != nullptr && GetWindow(hwndTip, GW_OWNER) != hwndDialog) {
            hwndTip = FindWindowExW(nullptr, hwndTip, TOOLTIPS_CLASSW, nullptr);
        }
        ASSERT_NE(hwndTip, nullptr);
        EXPECT_EQ(SendMessageW(hwndTip, TTM_GETTOOLCOUNT, 0, 0), 1);
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        ASSERT_NE(SendMessageW(hwndTip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)), 0);
        EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), hwndCopy);
        EXPECT_EQ(Narrow(text), LoadString(IDS_COPY_TOOLTIP));
    });
}

// The position of the window menu's item with command nID, or -1.
int MenuPosition(HMENU hMenu, UINT nID) {
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        if (GetMenuItemID(hMenu, i) == nID) {
            return i;
        }
    }
    return -1;
}

std::string MenuText(HMENU hMenu, int nPosition) {
    wchar_t text[64] = {};
    GetMenuStringW(hMenu, static_cast<UINT>(nPosition), text, 64, MF_BYPOSITION);
    return Narrow(text);
}

TEST(Win32Dialog, SystemMenuHoldsAboutAfterASeparatorWhichOpensTheAboutBoxWithTheIcon) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    int nAboutShown = 0;
    const auto onAbout = [&](ctl::CDialog& about, HWND hwndAbout) {
        ++nAboutShown;
        EXPECT_EQ(&about.Template(), &kAboutBoxTemplate);
        EXPECT_EQ(WindowTextUtf8(hwndAbout), "About Spanwise");
        HWND hwndIcon = GetWindow(hwndAbout, GW_CHILD);
        EXPECT_NE(SendMessageW(hwndIcon, STM_GETICON, 0, 0), 0);
        ExpectWindowShowsDialog(about, hwndAbout);
        SendMessageW(GetDlgItem(hwndAbout, IDOK), BM_CLICK, 0, 0);
    };
    const int nResult = RunDialog(
        host, calc,
        [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
            HMENU hMenu = GetSystemMenu(hwndDialog, FALSE);
            const int nAbout = MenuPosition(hMenu, IDM_ABOUTBOX);
            ASSERT_GE(nAbout, 1);
            EXPECT_NE(GetMenuState(hMenu, static_cast<UINT>(nAbout - 1), MF_BYPOSITION) &
                          MF_SEPARATOR,
                      0U);
            EXPECT_EQ(MenuText(hMenu, nAbout), "&About...");
            // Any id with the About item's upper bits opens it.
            for (const WPARAM nCommand : {WPARAM{IDM_ABOUTBOX}, WPARAM{IDM_ABOUTBOX | 0xF}}) {
                SendMessageW(hwndDialog, WM_SYSCOMMAND, nCommand, 0);
            }
            EXPECT_NE(IsWindowEnabled(hwndDialog), FALSE) << "the calculator goes on";
        },
        onAbout);
    EXPECT_EQ(nAboutShown, 2);
    EXPECT_EQ(nResult, kLeftOpen);
}

TEST(Win32Dialog, FitARecordingTimeTakesTheTypedTimeAndPicksItsRange) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    const auto onFit = [&](ctl::CDialog& fit, HWND hwndFit) {
        EXPECT_EQ(&fit.Template(), &kFitTimeTemplate);
        ExpectWindowShowsDialog(fit, hwndFit);
        HWND hwndEdit = GetDlgItem(hwndFit, IDC_DURATION);
        for (const wchar_t c : std::wstring(L"2h")) {
            SendMessageW(hwndEdit, WM_CHAR, c, 0);
        }
        EXPECT_EQ(fit.GetDlgItem(IDC_DURATION).GetWindowText(), "2h");
        SendMessageW(GetDlgItem(hwndFit, IDOK), BM_CLICK, 0, 0);
    };
    const int nResult = RunDialog(
        host, calc,
        [&](ctl::CDialog& dlg, HWND hwndDialog) {
            HMENU hMenu = GetSystemMenu(hwndDialog, FALSE);
            const int nFit = MenuPosition(hMenu, IDM_FIT_TIME);
            ASSERT_GE(nFit, 0);
            EXPECT_EQ(MenuText(hMenu, nFit), LoadString(IDS_FIT_TIME));
            const CCalculator::CFit fit = calc.FindFit(2 * 3600.0);
            ASSERT_TRUE(fit.bFits);
            SendMessageW(hwndDialog, WM_SYSCOMMAND, IDM_FIT_TIME, 0);
            EXPECT_EQ(SendMessageW(GetDlgItem(hwndDialog, IDC_TIME_RANGE), CB_GETCURSEL, 0, 0),
                      fit.nTimeRange);
            ExpectWindowShowsDialog(dlg, hwndDialog);
            // The calculator goes on once the Fit box has ended: the next pick shows.
            SendMessageW(GetDlgItem(hwndDialog, IDC_MODEL), WM_KEYDOWN, VK_END, 0);
            EXPECT_EQ(calc.GetSelected(CalcList::Model),
                      static_cast<int>(calc.GetEntries(CalcList::Model).size()) - 1);
            ExpectWindowShowsDialog(dlg, hwndDialog);
        },
        onFit);
    EXPECT_EQ(nResult, kLeftOpen);
}

TEST(Win32Dialog, TheFitBoxOutlivesABadEntryWithItsTextSelectedAndOffersItWhenReopened) {
    const std::string typed = "2 fortnights";
    ctl::CHeadlessHost headless;
    CCalculator expected(headless);
    expected.Show();
    ASSERT_FALSE(expected.FitRecordingTime(typed));
    ASSERT_EQ(headless.Messages().size(), 1U);

    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    const int nRange = calc.GetSelected(CalcList::TimeRange);
    int nFitShown = 0;
    const auto onFit = [&](ctl::CDialog& /*fit*/, HWND hwndFit) {
        HWND hwndEdit = GetDlgItem(hwndFit, IDC_DURATION);
        if (++nFitShown == 2) { // reopened: the duration tried last, ready to be typed over
            ExpectFocusedWithTextSelected(hwndEdit, typed);
            SendMessageW(GetDlgItem(hwndFit, IDCANCEL), BM_CLICK, 0, 0);
            return;
        }
        for (const wchar_t c : Widen(typed)) {
            SendMessageW(hwndEdit, WM_CHAR, c, 0);
        }
        const CMessageBoxCatcher catcher;
        SendMessageW(GetDlgItem(hwndFit, IDOK), BM_CLICK, 0, 0);
        ASSERT_EQ(catcher.Seen().size(), 1U);
        EXPECT_EQ(catcher.Seen()[0].hwndOwner, hwndFit);
        EXPECT_EQ(catcher.Seen()[0].text, headless.Messages()[0].text);
        ASSERT_NE(IsWindow(hwndFit), FALSE) << "the Fit box stays open";
        ExpectFocusedWithTextSelected(hwndEdit, typed);
        SendMessageW(GetDlgItem(hwndFit, IDCANCEL), BM_CLICK, 0, 0);
    };
    RunDialog(
        host, calc,
        [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
            SendMessageW(hwndDialog, WM_SYSCOMMAND, IDM_FIT_TIME, 0);
            SendMessageW(hwndDialog, WM_SYSCOMMAND, IDM_FIT_TIME, 0);
        },
        onFit);
    EXPECT_EQ(nFitShown, 2);
    EXPECT_EQ(calc.GetSelected(CalcList::TimeRange), nRange) << "nothing changed";
}

TEST(Win32Dialog, EscapeEnterTheCloseBoxAndExitEndTheDialog) {
    const struct {
        const char* how;
        int nExpected;
        void (*end)(HWND hwndDialog);
    } cases[] = {
        {"Escape on a list", IDCANCEL,
         [](HWND hwnd) { PostMessageW(GetDlgItem(hwnd, IDC_MODEL), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Enter on a list", IDOK,
         [](HWND hwnd) { PostMessageW(GetDlgItem(hwnd, IDC_FUNCTION), WM_KEYDOWN, VK_RETURN, 0); }},
        {"the close box", IDCANCEL, [](HWND hwnd) { PostMessageW(hwnd, WM_CLOSE, 0, 0); }},
        {"Exit", IDOK, [](HWND hwnd) { SendMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0); }},
    };
    for (const auto& c : cases) {
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCalculator calc(host);
        EXPECT_EQ(RunDialog(host, calc, [&c](ctl::CDialog& /*dlg*/, HWND hwnd) { c.end(hwnd); }),
                  c.nExpected)
            << c.how;
    }
}

} // namespace
} // namespace spanwise::test
