// The window with the keyboard alone: real key presses (SendInput) reach the dialog manager, the
// window menu and the boxes it opens as a user's do.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

constexpr WORD kAlt = VK_MENU;

TEST(Win32Keyboard, TabReachesEveryEnabledListAndButtonInTheirOrder) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    RunDialog(host, calc, [&](ctl::CDialog& dlg, HWND hwndDialog) {
        SetForegroundWindow(hwndDialog);
        std::vector<int> expected;
        for (const auto& pControl : dlg.Controls()) {
            if ((pControl->Template().style & ctl::kStyleTabStop) != 0 && pControl->m_bEnabled &&
                pControl->m_bVisible) {
                expected.push_back(pControl->GetID());
            }
        }
        std::vector<int> reached{GetDlgCtrlID(GetFocus())};
        for (std::size_t i = 1; i < expected.size(); ++i) {
            HWND hwndBefore = GetFocus();
            PressKeys({{VK_TAB}});
            ASSERT_TRUE(PumpUntil([hwndBefore] { return GetFocus() != hwndBefore; }));
            reached.push_back(GetDlgCtrlID(GetFocus()));
        }
        EXPECT_EQ(reached, expected);
    });
}

TEST(Win32Keyboard, EveryCommandOfTheWindowAnswersItsKeys) {
    struct CState {
        CCalculator* pCalc = nullptr;
        int nStartRange = 0;
        int nAboutShown = 0;
    };
    const struct {
        const char* what;
        std::vector<std::vector<WORD>> keys;
        bool (*done)(const CState& state);
    } cases[] = {
        {"Down picks in the focused list",
         {{VK_DOWN}},
         [](const CState& s) { return s.pCalc->GetSelected(CalcList::Model) == 1; }},
        {"Alt+Space, R opens Ranges; Down and Enter pick the next range",
         {{kAlt, VK_SPACE}, {'R'}, {VK_DOWN}, {VK_RETURN}},
         [](const CState& s) {
             return s.pCalc->GetSelected(CalcList::TimeRange) == s.nStartRange + 1;
         }},
        {"Alt+Space, F opens Fit a Recording Time; 2h and Enter fit",
         {{kAlt, VK_SPACE}, {'F'}, {'2'}, {'H'}, {VK_RETURN}},
         [](const CState& s) {
             return s.pCalc->GetSelected(CalcList::TimeRange) == s.pCalc->FindFit(7200).nTimeRange;
         }},
        // Under Wine, its own "About Wine" item takes the letter A; Up from the top reaches
        // About... as well.
        {"Alt+Space, Up three times and Enter open About; Enter closes it",
         {{kAlt, VK_SPACE}, {VK_UP}, {VK_UP}, {VK_UP}, {VK_RETURN}, {VK_RETURN}},
         [](const CState& s) { return s.nAboutShown == 1; }},
        {"Shift+Tab twice and Space press Copy",
         {{VK_SHIFT, VK_TAB}, {VK_SHIFT, VK_TAB}, {VK_SPACE}},
         [](const CState& s) { return ClipboardTextBlock() == s.pCalc->GetReport() + '\0'; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PutClipboardText("before");
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCalculator calc(host);
        CState state{&calc, calc.GetSelected(CalcList::TimeRange), 0};
        const int nResult = RunDialog(
            host, calc,
            [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
                SetForegroundWindow(hwndDialog);
                PressKeys(c.keys);
                EXPECT_TRUE(PumpUntil([&] { return c.done(state); }));
            },
            [&](ctl::CDialog& other, HWND /*hwnd*/) {
                state.nAboutShown += &other.Template() == &kAboutBoxTemplate ? 1 : 0;
            });
        EXPECT_EQ(nResult, kLeftOpen);
    }
}

TEST(Win32Keyboard, EscapeAndEnterEndTheWindow) {
    for (const auto& [nKey, nExpected] :
         {std::pair<WORD, int>{VK_ESCAPE, IDCANCEL}, {VK_RETURN, IDOK}}) {
        CWin32DialogHost host(GetModuleHandleW(nullptr));
        CCalculator calc(host);
        EXPECT_EQ(RunDialog(host, calc,
                            [nKey = nKey](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
                                SetForegroundWindow(hwndDialog);
                                PressKeys({{nKey}});
                                EXPECT_TRUE(PumpUntil(
                                    [hwndDialog] { return IsWindowVisible(hwndDialog) == FALSE; }));
                            }),
                  nExpected);
    }
}

} // namespace
} // namespace spanwise::test
