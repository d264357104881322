#include "PageObjects.h"

#include "controls/DC.h"
#include "controls/Dialog.h"
#include "res/Resource.h"

#include <cstdio>
#include <string>

using namespace ctl;

namespace {

using emscripten::val;

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return "static";
    case ControlKind::GroupBox:
        return "groupbox";
    case ControlKind::ComboBox:
        return "combobox";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::DefPushButton:
        return "defbutton";
    case ControlKind::Icon:
        return "icon";
    case ControlKind::Edit:
        return "edit";
    }
    return "static";
}

struct CStyleName {
    unsigned style;
    const char* name;
};

// clang-format off
const CStyleName kStyleNames[] = {
    { kStyleCenter,       "center" },
    { kStyleRight,        "right" },
    { kStyleCenterImage,  "middle" },
    { kStyleNoPrefix,     "noPrefix" },
    { kStyleStaticEdge,   "sunken" },
    { kStyleGroup,        "group" },
    { kStyleTabStop,      "tabStop" },
    { kStyleVScroll,      "vscroll" },
    { kStyleDropDownList, "dropDown" },
    { kStyleSorted,       "sorted" },
    { kStyleAutoHScroll,  "autoHScroll" },
};
// clang-format on

val ItemObject(const CDialogItemTemplate& item) {
    val object = val::object();
    object.set("id", item.nID);
    object.set("kind", KindName(item.kind));
    object.set("caption", std::string(item.caption));
    object.set("x", item.x);
    object.set("y", item.y);
    object.set("cx", item.cx);
    object.set("cy", item.cy);
    val styles = val::object();
    for (const CStyleName& style : kStyleNames) {
        styles.set(style.name, (item.style & style.style) != 0);
    }
    object.set("style", styles);
    object.set("icon", std::string(IconFile(item.nIconResource)));
    return object;
}

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

const char* IconFile(int nResource) {
    return nResource == IDR_MAINFRAME ? "spanwise.svg" : "";
}

val TemplateObject(const CDialogTemplate& dlgTemplate) {
    val object = val::object();
    object.set("id", dlgTemplate.nIDD);
    object.set("title", std::string(dlgTemplate.title));
    object.set("cx", dlgTemplate.cx);
    object.set("cy", dlgTemplate.cy);
    object.set("fontFace", std::string(dlgTemplate.fontFace));
    object.set("fontPointSize", dlgTemplate.nFontPointSize);
    val items = val::array();
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        items.call<void>("push", ItemObject(dlgTemplate.items[i]));
    }
    object.set("items", items);
    return object;
}

val ControlObject(CDialog& dlg, CControlState& control) {
    val object = val::object();
    object.set("id", control.GetID());
    object.set("text", control.m_strText);
    object.set("enabled", control.m_bEnabled);
    object.set("visible", control.m_bVisible);
    val entries = val::array();
    for (const std::string& entry : control.m_entries) {
        entries.call<void>("push", entry);
    }
    object.set("entries", entries);
    object.set("selected", control.m_nCurSel);
    if (control.m_bHasFont) {
        val font = val::object();
        font.set("height", control.m_font.nHeight);
        font.set("weight", control.m_font.nWeight);
        font.set("face", control.m_font.faceName);
        object.set("font", font);
    } else {
        object.set("font", val::null());
    }
    object.set("toolTip", control.m_bToolTipActive ? control.m_strToolTip : std::string());

    // The dialog may colour a control's text while it is drawn: ask it, as the window does.
    CDC dc;
    CWnd wnd(&control);
    dlg.OnCtlColor(&dc, &wnd, CTLCOLOR_STATIC);
    object.set("textColour", CssColour(dc.GetTextColor()));
    return object;
}

val DialogObject(CDialog& dlg) {
    val object = val::object();
    object.set("template", TemplateObject(dlg.Template()));
    object.set("icon", std::string(IconFile(dlg.GetIcon(true).nResource)));
    val controls = val::array();
    for (const auto& pControl : dlg.Controls()) {
        controls.call<void>("push", ControlObject(dlg, *pControl));
    }
    object.set("controls", controls);
    return object;
}
