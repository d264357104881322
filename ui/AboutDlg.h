#pragma once

#include "controls/Dialog.h"

// The About box: program name, version and the legal notice.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CDialog* pParent = nullptr);
};
