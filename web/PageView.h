#pragma once

#include "controls/ControlView.h"

#include <string>

class CJsonWriter;

// The page's drawing of one open dialog: each change of a control is written for the page as
// [handle, control index, what, value], what being "text" (as shown), "name" (what a screen reader
// calls a field the dialog writes), "entries", "table" ({columns, rows: [{cells, bar (0 to 10000),
// current, marked, note}]}), "selected" (entry or row), "enabled", "visible", "font" ({height,
// weight, families}), "toolTip" ("" for none), "colour" ("" for the page's own) or "focus". The
// page takes them after the user's action and draws them.
class CPageView final : public ctl::CControlView {
public:
    // Writes the dialog's whole state at once, as the page's first drawing, into changes.
    CPageView(ctl::CDialog& dlg, int nHandle, CJsonWriter& changes);

    // What screen readers are to say of the user's actions since the last call ("Maximum
    // Recording Time 1.6s, ..."); "" for nothing.
    std::string TakeAnnouncement();

protected:
    void ShowText(const ctl::CControlState& control) override;
    void ShowEntries(const ctl::CControlState& control) override;
    void ShowSelection(const ctl::CControlState& control) override;
    void ShowEnabled(const ctl::CControlState& control) override;
    void ShowVisible(const ctl::CControlState& control) override;
    void ShowFont(const ctl::CControlState& control) override;
    void ShowToolTip(const ctl::CControlState& control) override;
    void ShowFocus(const ctl::CControlState& control) override;
    void ShowAccessibleName(const ctl::CControlState& control, const std::string& name) override;
    void ShowTextColour(const ctl::CControlState& control, ctl::COLORREF colour) override;
    void Announce(const std::string& text) override;

private:
    // Starts the record of a change: [handle, index, what, ... ; the caller writes the value.
    CJsonWriter& Write(const ctl::CControlState& control, const char* what);

    int m_nHandle;
    CJsonWriter& m_changes;
    std::string m_strAnnouncement; // since TakeAnnouncement
};
