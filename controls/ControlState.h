#pragma once

#include "DialogTemplate.h"
#include "Messages.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ctl {

class CChangeBatch;
class CControlState;

// What changed in a control, so that a window system can mirror it in its widget. Entries: a
// list's entries, or a table's columns and rows. Focus: the dialog gave the control the keyboard
// focus.
enum class ControlChange { Text, Entries, Selection, Enabled, Visible, Font, ToolTip, Focus };

// A change's bit in a set of changes held or known.
constexpr unsigned ChangeBit(ControlChange change) {
    return 1U << static_cast<unsigned>(change);
}

// Every kind of change, in the order a batch sends them.
extern const ControlChange kEveryControlChange[8];

// Watches the controls of a dialog (CDialog::SetObserver); control.GetIndex() says which one.
class IControlObserver {
public:
    virtual void OnControlChanged(const CControlState& control, ControlChange change) = 0;
    // The user's own widget already shows what the user did, before the dialog hears of it: entry
    // or row nIndex picked, or text typed into an edit field.
    virtual void OnUserPicked(const CControlState& /*control*/, int /*nIndex*/) {}
    virtual void OnUserTyped(const CControlState& /*control*/, const std::string& /*text*/) {}
    // The dialog has sent every change one user's action made.
    virtual void OnActionEnded() {}

protected:
    ~IControlObserver() = default;
};

// One row of a table: its columns' texts, the length of its bar from 0 to 1, and whether it is
// marked as the current row or as one that meets what the user asked for.
// note is what a screen reader adds to the row's cells, since the marks are seen and not read
// ("current range", "records 3h"); empty for none.
struct CTableRow {
    std::vector<std::string> cells;
    double dBar = 0;
    bool bCurrent = false;
    bool bMarked = false;
    std::string note;

    bool operator==(const CTableRow& other) const {
        return cells == other.cells && dBar == other.dBar && bCurrent == other.bCurrent &&
               bMarked == other.bMarked && note == other.note;
    }
};

// A font as a dialog asks for it; the window system picks the closest it has.
struct CFontRequest {
    int nHeight = 0; // character cell height in pixels
    int nWeight = 0; // 400 normal, 700 bold
    std::string faceName;

    bool operator==(const CFontRequest& other) const {
        return nHeight == other.nHeight && nWeight == other.nWeight && faceName == other.faceName;
    }
    bool operator!=(const CFontRequest& other) const { return !(*this == other); }
};

// One control of a dialog: the state a window system would hold for it. The dialog's refresh steps
// change it through the CWnd family; an observer (the window front end) mirrors every change.
class CControlState {
public:
    CControlState(const CDialogItemTemplate& item, std::size_t nIndex);

    const CDialogItemTemplate& Template() const { return *m_pTemplate; }
    // The control's place in its dialog's template (tab) order.
    std::size_t GetIndex() const { return m_nIndex; }
    int GetID() const { return m_pTemplate->nID; }
    ControlKind GetKind() const { return m_pTemplate->kind; }

    void SetObserver(IControlObserver* pObserver) { m_pObserver = pObserver; }
    // The batch of the dialog the control belongs to: while it is open, changes are held.
    void SetChangeBatch(CChangeBatch* pBatch) { m_pBatch = pBatch; }

    // The fields below are reached through CWnd and its subclasses.
    std::string m_strText;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    std::vector<std::string> m_entries; // list entries, in list order; a table's column titles
    int m_nCurSel = CB_ERR;             // selected list entry or table row
    std::vector<CTableRow> m_rows;      // a table's rows
    bool m_bHasFont = false;
    CFontRequest m_font;
    std::string m_strToolTip; // empty: no tooltip
    bool m_bToolTipActive = false;

    // Tells the observer of change, at once or, while the dialog's batch is open, when it closes.
    void Notify(ControlChange change) const;
    // Tells the observer of each kind of change held, once, in the order of ControlChange.
    void SendHeldChanges() const;

private:
    const CDialogItemTemplate* m_pTemplate;
    std::size_t m_nIndex;
    IControlObserver* m_pObserver = nullptr;
    CChangeBatch* m_pBatch = nullptr;
    mutable unsigned m_nHeldChanges = 0; // one bit for each ControlChange
};

} // namespace ctl
