#pragma once

#include "controls/WinApp.h"

#include <string>
#include <utility>
#include <vector>

// The application: runs the calculator dialog until it closes, then ends.
class CRecordingCalcApp : public ctl::CWinApp {
public:
    // LIST=VALUE picks the dialog opens with (ApplyStartPicks); those that cannot be applied are
    // reported on standard error and in a message box over the dialog.
    void SetStartPicks(std::vector<std::string> picks) { m_startPicks = std::move(picks); }

    bool InitInstance() override;

private:
    std::vector<std::string> m_startPicks;
};

extern CRecordingCalcApp theApp;
