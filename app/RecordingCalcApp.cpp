#include "RecordingCalcApp.h"

#include "ui/RecordingCalcDlg.h"

CRecordingCalcApp theApp;

bool CRecordingCalcApp::InitInstance() {
    ctl::IDialogHost* pHost = GetDialogHost();
    if (pHost == nullptr) {
        return false;
    }
    CRecordingCalcDlg dlg(*pHost);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The program ends when the dialog closes, whichever way it was closed.
    return false;
}
