// Every dialog on the Windows dialog manager in the pseudo-language, whose texts are about 40 %
// longer than the English: measured with GDI in each control's font, no text is wider than its
// control, no wrapped text higher, and no control lies outside its dialog. In English no dialog
// grows.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "lang/Catalogue.h"
#include "lang/Language.h"
#include "lang/PseudoCatalogue.h"
#include "res/Resource.h"
#include "win32/TextExtents.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

// What of the dialog hwndDialog does not fit, one line for each fault.
std::vector<std::string> FitFaults(HWND hwndDialog) {
    std::vector<std::string> faults;
    RECT client{};
    GetClientRect(hwndDialog, &client);
    const std::string dialog = WindowTextUtf8(hwndDialog);
    for (HWND hwnd : ChildrenInOrder(hwndDialog)) {
        if (IsWindowVisible(hwnd) == FALSE) {
            continue;
        }
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(nullptr, hwndDialog, reinterpret_cast<POINT*>(&rect), 2);
        const std::string name = "control " + std::to_string(GetDlgCtrlID(hwnd)) + " of " + dialog;
        if (rect.left < 0 || rect.top < 0 || rect.right > client.right ||
            rect.bottom > client.bottom) {
            faults.push_back(name + " lies outside the dialog");
        }
        // A list's window is as high as the list dropped down; only its width counts.
        if (TextWidthNeed(hwnd) > rect.right - rect.left) {
            faults.push_back(name + " needs " + std::to_string(TextWidthNeed(hwnd)) +
                             " px and is " + std::to_string(rect.right - rect.left) + " px wide");
        }
        if (TextHeightNeed(hwnd) > rect.bottom - rect.top) {
            faults.push_back(name + " needs " + std::to_string(TextHeightNeed(hwnd)) +
                             " px and is " + std::to_string(rect.bottom - rect.top) + " px high");
        }
    }
    return faults;
}

TEST(Win32Layout, EveryDialogHoldsTheLongerTextsOfThePseudoLanguage) {
    lang::AddCoreCatalogues();
    lang::AddPseudoCatalogue();
    ASSERT_TRUE(lang::SetLanguage("qps"));
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    int nBoxes = 0;
    const auto onBox = [&](ctl::CDialog& /*box*/, HWND hwndBox) {
        ++nBoxes;
        EXPECT_EQ(FitFaults(hwndBox), std::vector<std::string>());
        PostMessageW(hwndBox, WM_COMMAND, IDCANCEL, 0);
    };
    RunDialog(
        host, calc,
        [&](ctl::CDialog& /*dlg*/, HWND hwndDialog) {
            // Every model and function, so that each list shows each set of entries it has.
            const int nModels = static_cast<int>(calc.GetEntries(CalcList::Model).size());
            for (int nModel = 0; nModel < nModels; ++nModel) {
                for (int nFunction = 0; nFunction < 2; ++nFunction) {
                    calc.Pick(CalcList::Model, nModel);
                    calc.Pick(CalcList::Function, nFunction);
                    SCOPED_TRACE("model #" + std::to_string(nModel) + ", function #" +
                                 std::to_string(nFunction));
                    EXPECT_EQ(FitFaults(hwndDialog), std::vector<std::string>());
                }
            }
            for (const WPARAM nCommand : {IDM_ABOUTBOX, IDM_FIT_TIME, IDM_RANGES}) {
                PostMessageW(hwndDialog, WM_SYSCOMMAND, nCommand, 0);
            }
        },
        onBox);
    lang::SetLanguage({});
    EXPECT_EQ(nBoxes, 3);
}

// In English every text fits its template's box: no dialog grows.
TEST(Win32Layout, EnglishDialogsKeepTheSizeOfTheirTemplates) {
    CWin32DialogHost host(GetModuleHandleW(nullptr));
    CCalculator calc(host);
    const auto expectTemplateSize = [](const ctl::CDialog& dlg, HWND hwnd) {
        RECT expected{0, 0, dlg.Template().cx, dlg.Template().cy};
        MapDialogRect(hwnd, &expected);
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, expected.right) << dlg.Template().title;
        EXPECT_EQ(client.bottom, expected.bottom) << dlg.Template().title;
    };
    int nBoxes = 0;
    RunDialog(
        host, calc,
        [&](ctl::CDialog& dlg, HWND hwndDialog) {
            expectTemplateSize(dlg, hwndDialog);
            for (const WPARAM nCommand : {IDM_ABOUTBOX, IDM_FIT_TIME, IDM_RANGES}) {
                PostMessageW(hwndDialog, WM_SYSCOMMAND, nCommand, 0);
            }
        },
        [&](ctl::CDialog& box, HWND hwndBox) {
            ++nBoxes;
            expectTemplateSize(box, hwndBox);
            PostMessageW(hwndBox, WM_COMMAND, IDCANCEL, 0);
        });
    EXPECT_EQ(nBoxes, 3);
}

} // namespace
} // namespace spanwise::test
