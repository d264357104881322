// The yardstick for spanwise.exe's start-up: the calculator's 22 controls in a dialog built from
// the same template the same way, with nothing behind them.

#include "win32/WindowsApi.h"

#include "res/DialogTemplates.h"
#include "win32/DialogTemplateBuilder.h"
#include "win32/Fonts.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM /*lParam*/) {
    if (nMessage == WM_INITDIALOG) {
        return TRUE;
    }
    if (nMessage == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/,
                   int /*nCmdShow*/) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    const CWin32DialogTemplate dlgTemplate(kRecordingCalcTemplate,
                                           ResolveFontFace(kRecordingCalcTemplate.fontFace));
    DialogBoxIndirectParamW(hInstance, dlgTemplate.Get(), nullptr, BareDialogProc, 0);
    return 0;
}
