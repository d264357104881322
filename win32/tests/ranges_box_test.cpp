// The Ranges box on the Windows dialog manager: its list view shows the rows spanwise-cli table
// prints, and choosing a row (a double click, or Enter on the row the keyboard is on) picks that
// range in the calculator and closes the box.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "CliRun.h"
#include "controls/DialogHost.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "win32/Fonts.h"
#include "win32/TextConversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace spanwise::test {
namespace {

void ApplyPicks(CCalculator& calc, const std::vector<std::string>& picks) {
    for (const std::string& pick : picks) {
        std::string error;
        ASSERT_TRUE(ApplyPick(calc, pick, error)) << error;
    }
}

// The first and last column of pixels of box in hdc that differ from its most common colour, the
// background; {0, -1} when none does.
std::pair<LONG, LONG> InkColumns(HDC hdc, const RECT& box) {
    std::map<COLORREF, int> counts;
    for (LONG x = box.left; x < box.right; ++x) {
        for (LONG y = box.top; y < box.bottom; ++y) {
            ++counts[GetPixel(hdc, x, y)];
        }
    }
    const COLORREF background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    std::pair<LONG, LONG> ink{0, -1};
    for (LONG x = box.left; x < box.right; ++x) {
        for (LONG y = box.top; y < box.bottom; ++y) {
            if (GetPixel(hdc, x, y) != background) {
                ink.first = ink.second < ink.first ? x : ink.first;
                ink.second = x;
                break;
            }
        }
    }
    return ink;
}

// The current row's text in each column but the last (which has the bars) is drawn whole: its
// pixels are as wide as the same text drawn alone in the row's bold font, and stop short of the
// column's edge.
void ExpectCurrentRowDrawnWhole(HWND hwndList, int nCurrent) {
    // Neither selected nor focused, the row's text is all that differs from the window's colour.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwndList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    RECT client{};
    GetClientRect(hwndList, &client);
    HDC hdcList = GetDC(hwndList);
    HDC hdc = CreateCompatibleDC(hdcList);
    HBITMAP hBitmap = CreateCompatibleBitmap(hdcList, client.right, client.bottom);
    const HGDIOBJ hOldBitmap = SelectObject(hdc, hBitmap);
    SendMessageW(hwndList, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc),
                 PRF_CLIENT | PRF_ERASEBKGND);
    HFONT hBold = CreateBoldFont(reinterpret_cast<HFONT>(SendMessageW(hwndList, WM_GETFONT, 0, 0)),
                                 kRangesTemplate.fontFace);
    const std::vector<std::string> cells = ListViewRows(hwndList).at(nCurrent);
    for (std::size_t nColumn = 0; nColumn + 1 < cells.size(); ++nColumn) {
        SCOPED_TRACE(cells[nColumn]);
        // The first column's bounds are the whole row's: its label is where its text is drawn.
        RECT cell{nColumn == 0 ? LVIR_LABEL : LVIR_BOUNDS, static_cast<LONG>(nColumn), 0, 0};
        ASSERT_NE(
            SendMessageW(hwndList, LVM_GETSUBITEMRECT, nCurrent, reinterpret_cast<LPARAM>(&cell)),
            0);
        const RECT inside{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
        const auto drawn = InkColumns(hdc, inside);

        const std::wstring text = Widen(cells[nColumn]);
        const RECT alone{0, 0, client.right, cell.bottom - cell.top + 4};
        FillRect(hdc, &alone, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const HGDIOBJ hOldFont = SelectObject(hdc, hBold);
        SetTextColor(hdc, RGB(0, 0, 0));
        SetBkMode(hdc, TRANSPARENT);
        TextOutW(hdc, 4, 2, text.c_str(), static_cast<int>(text.size()));
        SelectObject(hdc, hOldFont);
        const auto whole = InkColumns(hdc, alone);

        EXPECT_EQ(drawn.second - drawn.first, whole.second - whole.first);
        EXPECT_LT(drawn.second, inside.right - 1);
        // Drawn again for the next column.
        SendMessageW(hwndList, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc),
                     PRF_CLIENT | PRF_ERASEBKGND);
    }
    DeleteObject(hBold);
    SelectObject(hdc, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hdc);
    ReleaseDC(hwndList, hdcList);
}

// The box moved to a screen of twice the DPI, as the dialog manager scales it: the list view's font
// twice as high, then WM_DPICHANGED. The columns are measured again in the larger font.
void ExpectWholeAfterDpiChange(HWND hwndBox, HWND hwndList, int nCurrent) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwndList, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    font.lfHeight *= 2;
    HFONT hLarger = CreateFontIndirectW(&font);
    SendMessageW(hwndList, WM_SETFONT, reinterpret_cast<WPARAM>(hLarger), TRUE);
    RECT rect{};
    GetWindowRect(hwndBox, &rect);
    SendMessageW(hwndBox, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&rect));
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ExpectCurrentRowDrawnWhole(hwndList, nCurrent);
    SendMessageW(hwndList, WM_SETFONT, 0, FALSE);
    DeleteObject(hLarger);
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
        {}, {"model=Cedar", "function=REC"}, {"model=Hazel", "range=1s/div"}, {"range=200ms/div"}};
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
            ExpectCurrentRowDrawnWhole(hwndList, static_cast<int>(nCurrent));
            {
                SCOPED_TRACE("moved to a screen of twice the DPI");
                ExpectWholeAfterDpiChange(hwndBox, hwndList, static_cast<int>(nCurrent));
            }
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
