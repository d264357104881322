#pragma once

#include "Wnd.h"

#include <string>
#include <vector>

namespace ctl {

class CDialog;

// The tooltip of a dialog: texts attached to its controls, shown while active.
class CToolTipCtrl {
public:
    bool Create(CDialog* pParent, unsigned dwStyle = 0);
    // Attaches text to the control.
    bool AddTool(CWnd* pWnd, const std::string& text);
    void Activate(bool bActivate);

private:
    CDialog* m_pParent = nullptr;
    bool m_bActive = false;
    std::vector<CControlState*> m_tools;
};

} // namespace ctl
