#include "PageView.h"

#include "DialogDescription.h"
#include "JsonWriter.h"

#include "controls/Dialog.h"
#include "controls/DialogLayout.h"
#include "controls/Mnemonics.h"

#include <cmath>
#include <cstdio>
#include <utility>

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
    : CControlView(dlg), m_nHandle(nHandle), m_changes(changes) {
    Attach();
}

CJsonWriter& CPageView::Write(const CControlState& control, const char* what) {
    m_changes.BeginArray().Value(m_nHandle).Value(static_cast<int>(control.GetIndex()));
    return m_changes.Value(what);
}

void CPageView::ShowText(const CControlState& control) {
    Write(control, "text").Value(ShownCaption(control.Template(), TextShown(control))).EndArray();
}

void CPageView::ShowAccessibleName(const CControlState& control, const std::string& name) {
    // The page names the other controls by the captions it draws for them.
    if (CDialog::IsLiveField(control) &&
        GetNamingControl(GetDialog()->Template(), control.GetIndex()) >= 0) {
        Write(control, "name").Value(name).EndArray();
    }
}

void CPageView::Announce(const std::string& text) {
    m_strAnnouncement += (m_strAnnouncement.empty() ? "" : ", ") + text;
}

std::string CPageView::TakeAnnouncement() {
    return std::exchange(m_strAnnouncement, std::string());
}

void CPageView::ShowEntries(const CControlState& control) {
    if (control.GetKind() == ControlKind::Table) {
        Write(control, "table").BeginObject().Key("columns").BeginArray();
        for (const std::string& column : EntriesShown(control)) {
            m_changes.Value(column);
        }
        m_changes.EndArray().Key("rows").BeginArray();
        for (const CTableRow& row : control.m_rows) {
            m_changes.BeginObject().Key("cells").BeginArray();
            for (const std::string& cell : row.cells) {
                m_changes.Value(cell);
            }
            m_changes.EndArray().Field("bar", static_cast<int>(std::lround(row.dBar * 10000)));
            m_changes.Field("current", row.bCurrent).Field("marked", row.bMarked);
            m_changes.Field("note", row.note).EndObject();
        }
        m_changes.EndArray().EndObject().EndArray();
        return;
    }
    Write(control, "entries").BeginArray();
    for (const std::string& entry : EntriesShown(control)) {
        m_changes.Value(entry);
    }
    m_changes.EndArray().EndArray();
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
    Write(control, "toolTip").Value(ToolTipShown(control)).EndArray();
}

void CPageView::ShowFocus(const CControlState& control) {
    Write(control, "focus").Value(true).EndArray();
}

void CPageView::ShowTextColour(const CControlState& control, COLORREF colour) {
    Write(control, "colour").Value(CssColour(colour)).EndArray();
}
