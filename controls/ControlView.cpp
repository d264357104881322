#include "ControlView.h"

#include "Dialog.h"

#include "lang/Catalogue.h"

#include <algorithm>

namespace ctl {

namespace {

std::string ActiveToolTip(const CControlState& control) {
    return control.m_bToolTipActive ? control.m_strToolTip : std::string();
}

} // namespace

std::string CControlView::TextShown(const CControlState& control) {
    return control.GetKind() == ControlKind::Edit ? control.m_strText : Shown(control.m_strText);
}

std::vector<std::string> CControlView::EntriesShown(const CControlState& control) {
    std::vector<std::string> entries;
    entries.reserve(control.m_entries.size());
    for (const std::string& entry : control.m_entries) {
        entries.push_back(Shown(entry));
    }
    return entries;
}

std::string CControlView::ToolTipShown(const CControlState& control) {
    return Shown(ActiveToolTip(control));
}

std::string CControlView::Shown(const std::string& text) {
    return spanwise::lang::Translate(text);
}

CControlView::CControlView(CDialog& dlg) : m_pDlg(&dlg) {}

CControlView::~CControlView() {
    Detach();
}

void CControlView::Attach() {
    if (m_pDlg == nullptr) {
        return;
    }
    m_shown.clear();
    m_shown.resize(m_pDlg->Controls().size());
    m_bAttaching = true;
    m_pDlg->SetObserver(this);
    m_bAttaching = false;
    // The opening is read as a whole, not announced.
    m_changedFields.clear();
}

void CControlView::Detach() {
    if (m_pDlg != nullptr) {
        m_pDlg->SetObserver(nullptr);
        m_pDlg = nullptr;
    }
}

void CControlView::OnControlChanged(const CControlState& control, ControlChange change) {
    if (m_pDlg == nullptr) {
        return;
    }
    if (change == ControlChange::Focus) {
        ShowFocus(control);
        return;
    }
    if (!SendIfChanged(control, change)) {
        return;
    }
    switch (change) {
    case ControlChange::Entries:
        m_shown[control.GetIndex()].nKnown &= ~ChangeBit(ControlChange::Selection);
        SendIfChanged(control, ControlChange::Selection);
        break;
    case ControlChange::Text:
        if (CDialog::IsLiveField(control)) {
            NoteChangedField(control);
        } else if (!m_bAttaching) {
            // A caption or a group box names other controls; while attaching, each is named as
            // it is drawn.
            for (const auto& pOther : m_pDlg->Controls()) {
                ShowNameIfChanged(*pOther);
            }
        }
        break;
    case ControlChange::Visible:
        if (control.m_bVisible && CDialog::IsLiveField(control)) {
            NoteChangedField(control);
        }
        break;
    default:
        break;
    }
    ShowNameIfChanged(control);
    ShowTextColourIfChanged(control);
}

bool CControlView::SendIfChanged(const CControlState& control, ControlChange change) {
    CShown& shown = m_shown[control.GetIndex()];
    const bool bKnown = (shown.nKnown & ChangeBit(change)) != 0;
    switch (change) {
    case ControlChange::Text:
        if (bKnown && shown.text == control.m_strText) {
            return false;
        }
        shown.text = control.m_strText;
        shown.nKnown |= ChangeBit(change);
        ShowText(control);
        return true;
    case ControlChange::Entries:
        if (bKnown && control.GetKind() != ControlKind::Table &&
            shown.entries == control.m_entries) {
            return false;
        }
        shown.entries = control.m_entries;
        shown.nKnown |= ChangeBit(change);
        ShowEntries(control);
        return true;
    case ControlChange::Selection:
        if (bKnown && shown.nCurSel == control.m_nCurSel) {
            return false;
        }
        shown.nCurSel = control.m_nCurSel;
        shown.nKnown |= ChangeBit(change);
        ShowSelection(control);
        return true;
    case ControlChange::Enabled:
        if (bKnown && shown.bEnabled == control.m_bEnabled) {
            return false;
        }
        shown.bEnabled = control.m_bEnabled;
        shown.nKnown |= ChangeBit(change);
        ShowEnabled(control);
        return true;
    case ControlChange::Visible:
        if (bKnown && shown.bVisible == control.m_bVisible) {
            return false;
        }
        shown.bVisible = control.m_bVisible;
        shown.nKnown |= ChangeBit(change);
        ShowVisible(control);
        return true;
    case ControlChange::Font:
        if (bKnown && shown.bHasFont == control.m_bHasFont && shown.font == control.m_font) {
            return false;
        }
        shown.bHasFont = control.m_bHasFont;
        shown.font = control.m_font;
        shown.nKnown |= ChangeBit(change);
        ShowFont(control);
        return true;
    case ControlChange::ToolTip: {
        const std::string toolTip = ActiveToolTip(control);
        if (bKnown && shown.toolTip == toolTip) {
            return false;
        }
        shown.toolTip = toolTip;
        shown.nKnown |= ChangeBit(change);
        ShowToolTip(control);
        return true;
    }
    case ControlChange::Focus:
        break;
    }
    return false;
}

void CControlView::OnUserPicked(const CControlState& control, int nIndex) {
    if (m_pDlg != nullptr) {
        CShown& shown = m_shown[control.GetIndex()];
        shown.nCurSel = nIndex;
        shown.nKnown |= ChangeBit(ControlChange::Selection);
    }
}

void CControlView::OnUserTyped(const CControlState& control, const std::string& text) {
    if (m_pDlg != nullptr) {
        CShown& shown = m_shown[control.GetIndex()];
        shown.text = text;
        shown.nKnown |= ChangeBit(ControlChange::Text);
    }
}

void CControlView::OnActionEnded() {
    if (m_pDlg == nullptr) {
        return;
    }
    const std::string announcement = m_pDlg->GetAnnouncement(m_changedFields);
    m_changedFields.clear();
    if (!announcement.empty()) {
        Announce(announcement);
    }
}

void CControlView::NoteChangedField(const CControlState& control) {
    if (std::find(m_changedFields.begin(), m_changedFields.end(), &control) ==
        m_changedFields.end()) {
        m_changedFields.push_back(&control);
    }
}

void CControlView::ShowNameIfChanged(const CControlState& control) {
    CShown& shown = m_shown[control.GetIndex()];
    std::string name = m_pDlg->GetAccessibleName(control);
    if (shown.bNamed && shown.name == name) {
        return;
    }
    shown.bNamed = true;
    shown.name = std::move(name);
    ShowAccessibleName(control, shown.name);
}

void CControlView::RefreshTextColours() {
    if (m_pDlg == nullptr) {
        return;
    }
    for (const auto& pControl : m_pDlg->Controls()) {
        if (m_shown[pControl->GetIndex()].colour != kNoColour) {
            m_shown[pControl->GetIndex()].colour = kNoColour;
            ShowTextColourIfChanged(*pControl);
        }
    }
}

void CControlView::ShowTextColourIfChanged(const CControlState& control) {
    const COLORREF colour = m_pDlg->GetTextColour(control);
    COLORREF& shown = m_shown[control.GetIndex()].colour;
    if (colour != shown) {
        shown = colour;
        ShowTextColour(control, colour);
    }
}

} // namespace ctl
