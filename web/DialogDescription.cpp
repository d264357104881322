#include "DialogDescription.h"

#include "JsonWriter.h"

#include "controls/Dialog.h"
#include "controls/FontFaces.h"
#include "controls/Mnemonics.h"
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

// A window-menu command the page also offers as a button of its own, where the user looks for
// it: the Ranges view beside the Time-axis Range list, on the row of the sampling period below
// it (dialog units).
struct CPageButton {
    unsigned nCommand;
    int nBeside;
    CRect rect;
};
const CPageButton kPageButtons[] = {{IDM_RANGES, IDC_TIME_RANGE, {180, 81, 45, 14}}};

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

// The window menu's items: {"id", "text" (as shown, "" for a separator), "mnemonic" (where the
// marked letter stands in text, -1 for none)}; then "buttons": the page's buttons for them
// (kPageButtons), {"command", "text", "group", "x", "y", "cx", "cy"}.
void WriteMenu(CJsonWriter& json, CDialog& dlg, const CDialogBaseUnits& units) {
    const std::vector<CMenu::CItem> none;
    const CMenu* pMenu = dlg.GetSystemMenu(false);
    const auto& items = pMenu != nullptr ? pMenu->Items() : none;
    json.Key("menu").BeginArray();
    for (const CMenu::CItem& item : items) {
        const bool bSeparator = (item.nFlags & MF_SEPARATOR) != 0;
        json.BeginObject().Field("id", static_cast<int>(item.nID));
        json.Field("text", bSeparator ? std::string() : StripMnemonics(item.text));
        json.Field("mnemonic", GetMnemonicPosition(item.text)).EndObject();
    }
    json.EndArray().Key("buttons").BeginArray();
    for (const CPageButton& button : kPageButtons) {
        const CControlState* pBeside = dlg.FindControl(button.nBeside);
        const auto item = std::find_if(items.begin(), items.end(), [&button](const auto& entry) {
            return entry.nID == button.nCommand;
        });
        if (pBeside == nullptr || item == items.end()) {
            continue;
        }
        const CRect rect = MapDialogRect(button.rect, units);
        json.BeginObject().Field("command", static_cast<int>(button.nCommand));
        json.Field("text", StripMnemonics(item->text));
        json.Field("group", GetEnclosingGroup(dlg.Template(), pBeside->GetIndex()));
        json.Field("x", rect.x).Field("y", rect.y).Field("cx", rect.cx).Field("cy", rect.cy);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

std::string FontFamilies(const std::string& face) {
    std::string families;
    for (const std::vector<std::string>& names : {GetFaceNames(face), GetStandInFaces()}) {
        for (const std::string& name : names) {
            families += '"' + name + "\", ";
        }
    }
    return families + "sans-serif";
}

std::string DialogFont(const CDialogTemplate& dlgTemplate) {
    return std::to_string(dlgTemplate.nFontPointSize) + "pt " + FontFamilies(dlgTemplate.fontFace);
}

std::string DescribeDialog(CDialog& dlg, int nOwner, const CDialogBaseUnits& units) {
    const CDialogTemplate& dlgTemplate = dlg.Template();
    const CDialogLayout layout = LayOutDialog(dlgTemplate, units);
    CJsonWriter json;
    json.BeginObject().Field("owner", nOwner).Field("title", dlgTemplate.title);
    json.Field("icon", IconFile(dlg.GetIcon(true).nResource))
        .Field("font", DialogFont(dlgTemplate));
    json.Field("pointSize", dlgTemplate.nFontPointSize);
    json.Field("cx", layout.cx).Field("cy", layout.cy);
    WriteMenu(json, dlg, units);
    json.Key("controls").BeginArray();
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& item = dlgTemplate.items[i];
        const CControlPlace& place = layout.controls[i];
        json.BeginObject()
            .Field("id", item.nID)
            .Field("kind", kKindNames[static_cast<int>(item.kind)]);
        json.Field("x", place.rect.x).Field("y", place.rect.y);
        json.Field("cx", place.rect.cx).Field("cy", place.rect.cy);
        json.Field("group", place.nGroup).Field("label", place.nLabel);
        json.Field("classes", StyleClasses(item.style)).Field("icon", IconFile(item.nIconResource));
        json.EndObject();
    }
    json.EndArray().EndObject();
    return json.Take();
}
