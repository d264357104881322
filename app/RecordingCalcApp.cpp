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
    // Shown over the calculator once its window is on screen.
    if (const std::string message = RefusedPicksMessage(ApplyStartPicks(calc, m_startPicks));
        !message.empty()) {
        calc.ShowMessage(message);
    }
    calc.Run();
    // The program ends when the dialog closes, whichever way it was closed.
    return false;
}
