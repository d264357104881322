#include "RecordingCalcApp.h"

#include "ui/Calculator.h"

CRecordingCalcApp theApp;

bool CRecordingCalcApp::InitInstance() {
    ctl::IDialogHost* pHost = GetDialogHost();
    if (pHost == nullptr) {
        return false;
    }
    spanwise::CCalculator calc(*pHost);
    calc.Run();
    // The program ends when the dialog closes, whichever way it was closed.
    return false;
}
