#pragma once

#include "controls/Dialog.h"

// The About box: program name, version and the legal notice.
class CAboutDlg : public ctl::CDialog {
public:
    explicit CAboutDlg(ctl::IDialogHost& host, ctl::CDialog* pParent = nullptr);
};
