#include "PageView.h"

#include "DialogDescription.h"
#include "JsonWriter.h"

#include "controls/Dialog.h"
#include "controls/DialogLayout.h"
#include "controls/Mnemonics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace ctl;

namespace {

// #rrggbb; "" for kNoColour, the page's own colour.
std::string CssColour(COLORREF colour) {
    if (colour == kNoColour) {
        return {};
    }
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFFU, (colour >> 8) & 0xFFU,
                  (colour >> 16) & 0xFFU);
    return text;
}

} // namespace

CPageView::CPageView(CDialog& dlg, int nHandle, CJsonWriter& changes)
    : CControlView(dlg), m_nHandle(nHandle), m_changes(changes),
      m_shownEntries(dlg.Controls().size()) {
    Attach();
    // The opening is read as a whole, not announced.
    m_changedFields.clear();
}

CJsonWriter& CPageView::Write(const CControlState& control, const char* what) {
    m_changes.BeginArray().Value(m_nHandle).Value(static_cast<int>(control.GetIndex()));
    return m_changes.Value(what);
}

void CPageView::ShowText(const CControlState& control) {
    Write(control, "text").Value(ShownCaption(control.Template(), control.m_strText)).EndArray();
    const CDialog& dlg = *GetDialog();
    if (CDialog::IsLiveField(control) &&
        GetNamingControl(dlg.Template(), control.GetIndex()) >= 0) {
        Write(control, "name").Value(dlg.GetAccessibleName(control)).EndArray();
        if (std::find(m_changedFields.begin(), m_changedFields.end(), &control) ==
            m_changedFields.end()) {
            m_changedFields.push_back(&control);
        }
    }
}

std::string CPageView::TakeAnnouncement() {
    std::string announcement;
    for (const CControlState* pField : m_changedFields) {
        if (pField->m_bVisible) {
            announcement +=
                (announcement.empty() ? "" : ", ") + GetDialog()->GetAnnouncement(*pField);
        }
    }
    m_changedFields.clear();
    return announcement;
}

void CPageView::ShowEntries(const CControlState& control) {
    if (control.GetKind() == ControlKind::Table) {
        Write(control, "table").BeginObject().Key("columns").BeginArray();
        for (const std::string& column : control.m_entries) {
            m_changes.Value(column);
        }
        m_changes.EndArray().Key("rows").BeginArray();
        for (const CTableRow& row : control.m_rows) {
            m_changes.BeginObject().Key("cells").BeginArray();
            for (const std::string& cell : row.cells) {
                m_changes.Value(cell);
            }
            m_changes.EndArray().Field("bar", static_cast<int>(std::lround(row.dBar * 10000)));
            m_changes.Field("current", row.bCurrent).Field("marked", row.bMarked).EndObject();
        }
        m_changes.EndArray().EndObject().EndArray();
        ShowSelection(control);
        return;
    }
    // A list refilled with the entries it had (the same model's memories, the same range window)
    // keeps its options in the page: only the selection may have changed.
    std::vector<std::string>& shown = m_shownEntries[control.GetIndex()];
    if (control.m_entries != shown) {
        shown = control.m_entries;
        Write(control, "entries").BeginArray();
        for (const std::string& entry : shown) {
            m_changes.Value(entry);
        }
        m_changes.EndArray().EndArray();
    }
    ShowSelection(control);
}

void CPageView::ShowSelection(const CControlState& control) {
    Write(control, "selected").Value(control.m_nCurSel).EndArray();
}

void CPageView::ShowEnabled(const CControlState& control) {
    Write(control, "enabled").Value(control.m_bEnabled).EndArray();
}

void CPageView::ShowVisible(const CControlState& control) {
    Write(control, "visible").Value(control.m_bVisible).EndArray();
}

void CPageView::ShowFont(const CControlState& control) {
    if (!control.m_bHasFont) {
        return;
    }
    // A font that names no face is in the dialog's.
    const std::string& face = control.m_font.faceName;
    Write(control, "font").BeginObject().Field("height", control.m_font.nHeight);
    m_changes.Field("weight", control.m_font.nWeight);
    m_changes.Field("families",
                    FontFamilies(face.empty() ? GetDialog()->Template().fontFace : face));
    m_changes.EndObject().EndArray();
}

void CPageView::ShowToolTip(const CControlState& control) {
    Write(control, "toolTip")
        .Value(control.m_bToolTipActive ? control.m_strToolTip : std::string());
    m_changes.EndArray();
}

void CPageView::ShowFocus(const CControlState& control) {
    Write(control, "focus").Value(true).EndArray();
}

void CPageView::ShowTextColour(const CControlState& control, COLORREF colour) {
    Write(control, "colour").Value(CssColour(colour)).EndArray();
}
