#pragma once

#include "controls/Dialog.h"

#include <string>
#include <vector>

// Every range the Time-axis Range list offers at a glance, one row each with its sampling period,
// its maximum recording time and a bar for it; the current range is marked, and so are the ranges
// that record the duration last fitted. Choosing a row (Enter on it, or a click) ends the box
// with IDOK and that row; Escape and Close end it with IDCANCEL.
class CRangesDlg : public ctl::CDialog {
public:
    // nCurrent: the row the keyboard starts on; note: the line below the table ("" for none).
    CRangesDlg(ctl::IDialogHost& host, ctl::CDialog* pParent, std::vector<ctl::CTableRow> rows,
               int nCurrent, std::string note);

    // The row chosen, once the box has ended with IDOK.
    int GetChosenRow() const { return m_nChosen; }

    bool OnCommand(int nID, int nCode) override;
    // Enter: the row the keyboard is on.
    void OnOK() override;

protected:
    bool OnInitDialog() override;

private:
    std::vector<ctl::CTableRow> m_rows;
    int m_nCurrent;
    std::string m_strNote;
    int m_nChosen = -1;
};
