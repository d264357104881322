#pragma once

#include "ComboBox.h"

namespace ctl {

class CDialog;

// One exchange between a dialog's controls and its members: towards the members when
// m_bSaveAndValidate is true, towards the controls otherwise.
class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, bool bSaveAndValidate)
        : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Binds a member to the dialog's control nIDC.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Exchanges the selected position of list nIDC with an int member.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

} // namespace ctl
