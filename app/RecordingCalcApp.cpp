#include "RecordingCalcApp.h"

#include "ui/RecordingCalcDlg.h"

CRecordingCalcApp theApp;

bool CRecordingCalcApp::InitInstance() {
    CRecordingCalcDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The program ends when the dialog closes, whichever way it was closed.
    return false;
}
