#include "DataExchange.h"

#include "Dialog.h"

namespace ctl {

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!rControl.IsBound()) {
        rControl.Attach(pDX->m_pDlgWnd->FindControl(nIDC));
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    CComboBox list;
    list.Attach(pDX->m_pDlgWnd->FindControl(nIDC));
    if (pDX->m_bSaveAndValidate) {
        index = list.GetCurSel();
    } else {
        list.SetCurSel(index);
    }
}

} // namespace ctl
