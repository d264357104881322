// The Win32 front end's tests: real dialogs on the Windows dialog manager (under Wine, an X
// server). Started with --hold-clipboard, the program instead holds the clipboard open for a test.

#include "win32/WindowsApi.h"

#include "WindowTestSupport.h"

#include "controls/DialogHost.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--hold-clipboard") == 0) {
        return spanwise::test::HoldClipboard(argv[2], argv[3]);
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ctl::AfxSetAppName("spanwise");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
