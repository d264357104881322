#pragma once

#include "controls/WinApp.h"

// The application: runs the calculator dialog until it closes, then ends.
class CRecordingCalcApp : public ctl::CWinApp {
public:
    bool InitInstance() override;
};

extern CRecordingCalcApp theApp;
