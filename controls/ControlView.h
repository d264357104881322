#pragma once

#include "ControlState.h"

#include <string>
#include <vector>

namespace ctl {

class CDialog;

// A window system's drawing of one dialog: one call for each kind of change of a control. Attach
// draws every control as it is and then follows the dialog. The view keeps what it last sent of
// each control and sends only what differs from it, so that a drawing holds no copy of its own:
// a list refilled with the entries it had is not sent again, and neither is the text an edit
// field already shows because the user typed it. What screen readers call a control and the
// colour of its text are worked out here and handed over, and so is what a screen reader is to
// say once a user's action has changed what the dialog shows: a drawing never asks the dialog
// while it is being told of changes.
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
    void OnUserPicked(const CControlState& control, int nIndex) override;
    void OnUserTyped(const CControlState& control, const std::string& text) override;
    void OnActionEnded() override;

    // What a drawing shows of a control, in the language spoken: the dialog holds its English
    // texts, which programs read, and each is translated here, where it is handed to a drawing.
    // An edit field shows what the user typed as it stands; notation without a translation
    // ("5us/div", "MEM") reads the same in every language.
    static std::string TextShown(const CControlState& control);
    // A list's entries, or a table's column titles.
    static std::vector<std::string> EntriesShown(const CControlState& control);
    // Empty when the control shows no tooltip.
    static std::string ToolTipShown(const CControlState& control);
    // A dialog's title, a window menu's item, a text of the string table a front end shows.
    static std::string Shown(const std::string& text);

protected:
    virtual void ShowText(const CControlState& control) = 0;
    // Replaces a list's entries (or a table's columns and rows); the view then sends the
    // selection, since a widget refilled has lost it. A table's rows are sent whenever the dialog
    // sets them: it sets them as a whole, when its box opens.
    virtual void ShowEntries(const CControlState& control) = 0;
    virtual void ShowSelection(const CControlState& control) = 0;
    virtual void ShowEnabled(const CControlState& control) = 0;
    virtual void ShowVisible(const CControlState& control) = 0;
    virtual void ShowFont(const CControlState& control) = 0;
    virtual void ShowToolTip(const CControlState& control) = 0;
    // Sent each time the dialog gives control the focus, even where it had it: the user may have
    // moved it meanwhile.
    virtual void ShowFocus(const CControlState& control) = 0;
    // What screen readers call the control (CDialog::GetAccessibleName), sent when it changes.
    virtual void ShowAccessibleName(const CControlState& control, const std::string& name) = 0;
    // colour is kNoColour for the window system's own.
    virtual void ShowTextColour(const CControlState& control, COLORREF colour) = 0;
    // What screen readers are to say at the end of a user's action that changed what the dialog
    // shows ("Maximum Recording Time 3.2s"): one call for each such action.
    virtual void Announce(const std::string& text) = 0;

    // Works every control's colour out again, as when the window's own colours changed.
    void RefreshTextColours();

private:
    // What the drawing shows of one control, as the view last sent it.
    struct CShown {
        unsigned nKnown = 0; // one bit for each ControlChange sent once at least
        std::string text;
        std::vector<std::string> entries;
        int nCurSel = 0;
        bool bEnabled = false;
        bool bVisible = false;
        bool bHasFont = false;
        CFontRequest font;
        std::string toolTip;
        bool bNamed = false;
        std::string name;
        COLORREF colour = kNoColour;
    };

    // Sends change of control when the drawing shows something else; true when sent.
    bool SendIfChanged(const CControlState& control, ControlChange change);
    void ShowNameIfChanged(const CControlState& control);
    void ShowTextColourIfChanged(const CControlState& control);
    // A field the dialog writes that the user now sees changed, to be announced.
    void NoteChangedField(const CControlState& control);

    CDialog* m_pDlg;
    std::vector<CShown> m_shown;                       // by control index
    std::vector<const CControlState*> m_changedFields; // since the last action ended
    bool m_bAttaching = false;
};

} // namespace ctl
