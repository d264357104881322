#include "DialogDescription.h"

#include "JsonWriter.h"

#include "controls/Dialog.h"
#include "controls/FontFaces.h"
#include "controls/Mnemonics.h"
#include "lang/Catalogue.h"
#include "res/PageButtons.h"
#include "res/Resource.h"

#include <algorithm>
#include <iterator>
#include <vector>

using namespace ctl;

namespace {

// By ControlKind.
const char* const kKindNames[] = {"static",    "groupbox", "combobox", "button",
                                  "defbutton", "icon",     "edit",     "table"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::Table) + 1);

struct CStyleClass {
    unsigned style;
    const char* name;
};

// clang-format off
const CStyleClass kStyleClasses[] = {
    { kStyleCenter,      " align-center" },
    { kStyleRight,       " align-right" },
    { kStyleCenterImage, " middle" },
    { kStyleStaticEdge,  " sunken" },
};
// clang-format on

std::string StyleClasses(unsigned style) {
    std::string classes;
    for (const CStyleClass& styleClass : kStyleClasses) {
        if ((style & styleClass.style) != 0) {
            classes += styleClass.name;
        }
    }
    return classes;
}

const char* IconFile(int nResource) {
    return nResource == IDR_MAINFRAME ? "spanwise.svg" : "";
}

void WritePlace(CJsonWriter& json, const CRect& rect) {
    json.Field("x", rect.x).Field("y", rect.y).Field("cx", rect.cx).Field("cy", rect.cy);
}

// How many lines of the dialog's font a control's box holds: a static text of one line never
// wraps.
int LinesHeld(const CRect& rect, const CDialogBaseUnits& units) {
    return units.nY > 0 ? rect.cy / units.nY : 0;
}

CDialogLayout PageLayout(const CDialog& dlg, const CDialogBaseUnits& units) {
    return LayOutDialog(dlg.Template(), units, GetPageButtons(dlg.Template().nIDD));
}

// The window menu's items: {"id", "text" (as shown, "" for a separator), "mnemonic" (where the
// marked letter stands in text, -1 for none)}; then "buttons": the page's buttons for them
// (GetPageButtons), {"command", "text", "group", "x", "y", "cx", "cy"}.
void WriteMenu(CJsonWriter& json, CDialog& dlg, const CDialogLayout& layout) {
    const std::vector<CMenu::CItem> none;
    const CMenu* pMenu = dlg.GetSystemMenu(false);
    const auto& items = pMenu != nullptr ? pMenu->Items() : none;
    json.Key("menu").BeginArray();
    for (const CMenu::CItem& item : items) {
        const bool bSeparator = (item.nFlags & MF_SEPARATOR) != 0;
        json.BeginObject().Field("id", static_cast<int>(item.nID));
        const std::string text = spanwise::lang::Translate(item.text);
        json.Field("text", bSeparator ? std::string() : StripMnemonics(text));
        json.Field("mnemonic", PageMnemonicPosition(text)).EndObject();
    }
    json.EndArray().Key("buttons").BeginArray();
    const std::vector<CAddedButton> buttons = GetPageButtons(dlg.Template().nIDD);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto item = std::find_if(items.begin(), items.end(), [&](const auto& entry) {
            return entry.nID == buttons[i].nCommand;
        });
        if (layout.added[i].rect.cx == 0 || item == items.end()) {
            continue;
        }
        json.BeginObject().Field("command", static_cast<int>(buttons[i].nCommand));
        json.Field("text", StripMnemonics(spanwise::lang::Translate(item->text)));
        json.Field("group", layout.added[i].nGroup);
        WritePlace(json, layout.added[i].rect);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

int PageMnemonicPosition(const std::string& text) {
    const int nByte = GetMnemonicPosition(text);
    if (nByte < 0) {
        return -1;
    }
    const std::string shown = StripMnemonics(text);
    int nUnits = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nByte) && i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        if ((c & 0xC0U) != 0x80U) { // a character's first byte; four bytes are two units
            nUnits += c >= 0xF0U ? 2 : 1;
        }
    }
    return nUnits;
}

std::string FontFamilies(const std::string& face) {
    std::string families;
    for (const std::vector<std::string>& names : {GetFaceNames(face), GetStandInFaces()}) {
        for (const std::string& name : names) {
            families += '"' + name + "\", ";
        }
    }
    // macOS has none of the stand-ins: its Japanese Gothic face, before a sans-serif that may
    // lack the glyphs.
    return families + "\"Hiragino Kaku Gothic ProN\", sans-serif";
}

std::string DialogFont(const CDialogTemplate& dlgTemplate) {
    return std::to_string(dlgTemplate.nFontPointSize) + "pt " + FontFamilies(dlgTemplate.fontFace);
}

std::string DescribeDialog(CDialog& dlg, int nOwner, const CDialogBaseUnits& units) {
    const CDialogTemplate& dlgTemplate = dlg.Template();
    const CDialogLayout layout = PageLayout(dlg, units);
    CJsonWriter json;
    json.BeginObject().Field("owner", nOwner);
    json.Field("title", spanwise::lang::Translate(dlgTemplate.title));
    json.Field("icon", IconFile(dlg.GetIcon(true).nResource))
        .Field("font", DialogFont(dlgTemplate));
    json.Field("pointSize", dlgTemplate.nFontPointSize);
    json.Field("cx", layout.cx).Field("cy", layout.cy);
    WriteMenu(json, dlg, layout);
    json.Key("controls").BeginArray();
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& item = dlgTemplate.items[i];
        const CControlPlace& place = layout.controls[i];
        json.BeginObject()
            .Field("id", item.nID)
            .Field("kind", kKindNames[static_cast<int>(item.kind)]);
        WritePlace(json, place.rect);
        json.Field("lines", LinesHeld(place.rect, units));
        json.Field("group", place.nGroup).Field("label", place.nLabel);
        json.Field("classes", StyleClasses(item.style)).Field("icon", IconFile(item.nIconResource));
        json.EndObject();
    }
    json.EndArray().EndObject();
    return json.Take();
}

std::string DescribeLayout(const CDialog& dlg, const CDialogBaseUnits& units) {
    const CDialogLayout layout = PageLayout(dlg, units);
    CJsonWriter json;
    json.BeginObject().Field("cx", layout.cx).Field("cy", layout.cy);
    json.Key("controls").BeginArray();
    for (const CControlPlace& place : layout.controls) {
        json.BeginObject();
        WritePlace(json, place.rect);
        json.Field("lines", LinesHeld(place.rect, units)).EndObject();
    }
    json.EndArray().Key("buttons").BeginArray();
    for (const CControlPlace& place : layout.added) {
        if (place.rect.cx != 0) {
            json.BeginObject();
            WritePlace(json, place.rect);
            json.EndObject();
        }
    }
    json.EndArray().EndObject();
    return json.Take();
}
