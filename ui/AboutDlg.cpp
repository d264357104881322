#include "AboutDlg.h"

#include "res/DialogTemplates.h"

CAboutDlg::CAboutDlg(CDialog* pParent) : CDialog(kAboutBoxTemplate, pParent) {}
