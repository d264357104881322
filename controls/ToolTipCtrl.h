#pragma once

#include "Wnd.h"

class CDialog;

// The tooltip of a dialog: texts attached to its controls, shown while active.
class CToolTipCtrl {
public:
    bool Create(CDialog* pParent, unsigned dwStyle = 0);
    // Attaches string nIDText of the string table to the control.
    bool AddTool(CWnd* pWnd, unsigned nIDText);
    void Activate(bool bActivate);

private:
    CDialog* m_pParent = nullptr;
    bool m_bActive = false;
    std::vector<CControlState*> m_tools;
};
