#pragma once

#include "ControlState.h"

#include <string>

namespace ctl {

class CFont;

// A handle on one control of a dialog. Members of a dialog are bound to their control by
// DDX_Control; an unbound CWnd does nothing and reads as empty.
class CWnd {
public:
    CWnd() = default;
    explicit CWnd(CControlState* pState) : m_pState(pState) {}

    void Attach(CControlState* pState) { m_pState = pState; }
    CControlState* GetState() const { return m_pState; }
    bool IsBound() const { return m_pState != nullptr; }

    int GetDlgCtrlID() const;

    // For a drop-down list: the text of the selected entry.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);

    bool IsWindowEnabled() const;
    void EnableWindow(bool bEnable);

    void ShowWindow(int nCmdShow);
    bool IsWindowVisible() const;

    void SetFont(const CFont& font, bool bRedraw = true);

protected:
    CControlState* m_pState = nullptr;
};

class CStatic final : public CWnd {};

class CButton final : public CWnd {};

} // namespace ctl
