#include "ControlView.h"

#include "Dialog.h"

namespace ctl {

CControlView::CControlView(CDialog& dlg) : m_pDlg(&dlg) {}

CControlView::~CControlView() {
    Detach();
}

void CControlView::Attach() {
    if (m_pDlg != nullptr) {
        m_shownColours.assign(m_pDlg->Controls().size(), kNoColour);
        m_pDlg->SetObserver(this);
    }
}

void CControlView::Detach() {
    if (m_pDlg != nullptr) {
        m_pDlg->SetObserver(nullptr);
        m_pDlg = nullptr;
    }
}

void CControlView::OnControlChanged(const CControlState& control, ControlChange change) {
    switch (change) {
    case ControlChange::Text:
        ShowText(control);
        break;
    case ControlChange::Entries:
        ShowEntries(control);
        break;
    case ControlChange::Selection:
        ShowSelection(control);
        break;
    case ControlChange::Enabled:
        ShowEnabled(control);
        break;
    case ControlChange::Visible:
        ShowVisible(control);
        break;
    case ControlChange::Font:
        ShowFont(control);
        break;
    case ControlChange::ToolTip:
        ShowToolTip(control);
        break;
    case ControlChange::Focus:
        ShowFocus(control);
        return;
    }
    ShowTextColourIfChanged(control);
}

void CControlView::RefreshTextColours() {
    if (m_pDlg == nullptr) {
        return;
    }
    for (const auto& pControl : m_pDlg->Controls()) {
        if (m_shownColours[pControl->GetIndex()] != kNoColour) {
            m_shownColours[pControl->GetIndex()] = kNoColour;
            ShowTextColourIfChanged(*pControl);
        }
    }
}

void CControlView::ShowTextColourIfChanged(const CControlState& control) {
    const COLORREF colour = m_pDlg->GetTextColour(control);
    COLORREF& shown = m_shownColours[control.GetIndex()];
    if (colour != shown) {
        shown = colour;
        ShowTextColour(control, colour);
    }
}

} // namespace ctl
