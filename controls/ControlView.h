#pragma once

#include "ControlState.h"

#include <vector>

namespace ctl {

class CDialog;

// A window system's drawing of one dialog: one call for each kind of change of a control. Attach
// draws every control as it is and then follows each change; the text colour the dialog gives a
// control is asked again whenever the control changes, and shown when it differs.
class CControlView : public IControlObserver {
public:
    explicit CControlView(CDialog& dlg);
    virtual ~CControlView();

    CControlView(const CControlView&) = delete;
    CControlView& operator=(const CControlView&) = delete;

    // The dialog drawn; nullptr once detached.
    CDialog* GetDialog() const { return m_pDlg; }
    void Attach();
    // Stops following the dialog, which may then be destroyed.
    void Detach();

    void OnControlChanged(const CControlState& control, ControlChange change) override;

protected:
    virtual void ShowText(const CControlState& control) = 0;
    virtual void ShowEntries(const CControlState& control) = 0;
    virtual void ShowSelection(const CControlState& control) = 0;
    virtual void ShowEnabled(const CControlState& control) = 0;
    virtual void ShowVisible(const CControlState& control) = 0;
    virtual void ShowFont(const CControlState& control) = 0;
    virtual void ShowToolTip(const CControlState& control) = 0;
    virtual void ShowFocus(const CControlState& control) = 0;
    // colour is kNoColour for the window system's own.
    virtual void ShowTextColour(const CControlState& control, COLORREF colour) = 0;

    // Asks for every control's colour again, as when the window's own colours changed.
    void RefreshTextColours();

private:
    void ShowTextColourIfChanged(const CControlState& control);

    CDialog* m_pDlg;
    std::vector<COLORREF> m_shownColours; // by control index
};

} // namespace ctl
