#include "RangesDlg.h"

#include "controls/TableCtrl.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "ui/RangeRows.h"

#include <utility>

using namespace ctl;

CRangesDlg::CRangesDlg(IDialogHost& host, CDialog* pParent, std::vector<CTableRow> rows,
                       int nCurrent, std::string note)
    : CDialog(kRangesTemplate, host, pParent), m_rows(std::move(rows)), m_nCurrent(nCurrent),
      m_strNote(std::move(note)) {}

bool CRangesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    std::vector<std::string> columns;
    for (const spanwise::CRangeColumn& column : spanwise::kRangeColumns) {
        columns.emplace_back(column.title);
    }
    CTableCtrl table;
    table.Attach(FindControl(IDC_RANGES));
    table.SetContent(columns, m_rows);
    table.SetCurSel(m_nCurrent);
    CWnd note = GetDlgItem(IDC_RANGES_FIT);
    note.SetWindowText(m_strNote);
    note.ShowWindow(m_strNote.empty() ? SW_HIDE : SW_SHOW);
    GotoDlgCtrl(IDC_RANGES);
    return false;
}

bool CRangesDlg::OnCommand(int nID, int nCode) {
    if (nID == IDC_RANGES && nCode == LVN_ITEMACTIVATE) {
        m_nChosen = FindControl(IDC_RANGES)->m_nCurSel;
        EndDialog(IDOK);
        return true;
    }
    return CDialog::OnCommand(nID, nCode);
}

void CRangesDlg::OnOK() {
    const int nRow = FindControl(IDC_RANGES)->m_nCurSel;
    if (nRow >= 0) {
        m_nChosen = nRow;
        CDialog::OnOK();
    }
}
