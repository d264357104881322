#include "DialogDescription.h"

#include "JsonWriter.h"

#include "controls/Dialog.h"
#include "controls/FontFaces.h"
#include "controls/Mnemonics.h"
#include "res/Resource.h"

#include <iterator>

using namespace ctl;

namespace {

// By ControlKind.
const char* const kKindNames[] = {"static",    "groupbox", "combobox", "button",
                                  "defbutton", "icon",     "edit"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::Edit) + 1);

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

void WriteMenu(CJsonWriter& json, CDialog& dlg) {
    json.Key("menu").BeginArray();
    if (const CMenu* pMenu = dlg.GetSystemMenu(false); pMenu != nullptr) {
        for (const CMenu::CItem& item : pMenu->Items()) {
            const bool bSeparator = (item.nFlags & MF_SEPARATOR) != 0;
            json.BeginObject().Field("id", static_cast<int>(item.nID));
            json.Field("text", bSeparator ? std::string() : StripMnemonics(item.text)).EndObject();
        }
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
    WriteMenu(json, dlg);
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
