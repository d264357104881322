#include "RecordingCalcApp.h"

#include "StartPicks.h"

#include "ui/Calculator.h"

CRecordingCalcApp theApp;

bool CRecordingCalcApp::InitInstance() {
    ctl::IDialogHost* pHost = GetDialogHost();
    if (pHost == nullptr) {
        return false;
    }
    spanwise::CCalculator calc(*pHost);
    std::string message;
    for (const std::string& refused : ApplyStartPicks(calc, m_startPicks)) {
        message += (message.empty() ? "" : "\n") + refused;
    }
    if (!message.empty()) {
        calc.ShowMessage(message);
    }
    calc.Run();
    // The program ends when the dialog closes, whichever way it was closed.
    return false;
}
