#include "WindowsApi.h"

#include "DialogTemplateBuilder.h"

#include "TextConversion.h"

using ctl::ControlKind;

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;
constexpr WORD kOrdinalMarker = 0xFFFF;

bool Has(unsigned style, unsigned bit) {
    return (style & bit) != 0;
}

DWORD StaticTextStyle(unsigned style) {
    DWORD dwStyle = SS_LEFT;
    if (Has(style, ctl::kStyleCenter)) {
        dwStyle = SS_CENTER;
    } else if (Has(style, ctl::kStyleRight)) {
        dwStyle = SS_RIGHT;
    }
    if (Has(style, ctl::kStyleCenterImage)) {
        dwStyle |= SS_CENTERIMAGE;
    }
    if (Has(style, ctl::kStyleNoPrefix)) {
        dwStyle |= SS_NOPREFIX;
    }
    return dwStyle;
}

DWORD KindStyle(const ctl::CDialogItemTemplate& item) {
    switch (item.kind) {
    case ControlKind::Static:
        return StaticTextStyle(item.style);
    case ControlKind::GroupBox:
        return BS_GROUPBOX;
    case ControlKind::ComboBox: {
        DWORD dwStyle = CBS_DROPDOWNLIST;
        if (Has(item.style, ctl::kStyleSorted)) {
            dwStyle |= CBS_SORT;
        }
        return dwStyle;
    }
    case ControlKind::PushButton:
        return BS_PUSHBUTTON;
    case ControlKind::DefPushButton:
        return BS_DEFPUSHBUTTON;
    case ControlKind::Icon:
        return SS_ICON;
    case ControlKind::Edit:
        return Has(item.style, ctl::kStyleAutoHScroll) ? ES_LEFT | ES_AUTOHSCROLL : ES_LEFT;
    }
    return 0;
}

} // namespace

DWORD CWin32DialogTemplate::DialogStyle(const ctl::CDialogTemplate& dlgTemplate) {
    const unsigned style = dlgTemplate.style;
    // Shown centred on the screen, as the application framework placed its dialogs.
    DWORD dwStyle = WS_POPUP | DS_SETFONT | DS_CENTER;
    if (Has(style, ctl::kDlgCaption)) {
        dwStyle |= WS_CAPTION;
    }
    if (Has(style, ctl::kDlgSysMenu)) {
        dwStyle |= WS_SYSMENU;
    }
    if (Has(style, ctl::kDlgModalFrame)) {
        dwStyle |= DS_MODALFRAME;
    }
    if (Has(style, ctl::kDlgVisible)) {
        dwStyle |= WS_VISIBLE;
    }
    if (Has(style, ctl::kDlgMinimizeBox)) {
        dwStyle |= WS_MINIMIZEBOX;
    }
    if (Has(style, ctl::kDlgMaximizeBox)) {
        dwStyle |= WS_MAXIMIZEBOX;
    }
    return dwStyle;
}

DWORD CWin32DialogTemplate::DialogExStyle(const ctl::CDialogTemplate& dlgTemplate) {
    return Has(dlgTemplate.style, ctl::kDlgAppWindow) ? WS_EX_APPWINDOW : 0;
}

DWORD CWin32DialogTemplate::ControlStyle(const ctl::CDialogItemTemplate& item) {
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | KindStyle(item);
    if (Has(item.style, ctl::kStyleGroup)) {
        dwStyle |= WS_GROUP;
    }
    if (Has(item.style, ctl::kStyleTabStop)) {
        dwStyle |= WS_TABSTOP;
    }
    if (Has(item.style, ctl::kStyleVScroll)) {
        dwStyle |= WS_VSCROLL;
    }
    return dwStyle;
}

DWORD CWin32DialogTemplate::ControlExStyle(const ctl::CDialogItemTemplate& item) {
    return Has(item.style, ctl::kStyleStaticEdge) ? WS_EX_STATICEDGE : 0;
}

WORD CWin32DialogTemplate::ControlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        return kButtonClass;
    case ControlKind::ComboBox:
        return kComboBoxClass;
    case ControlKind::Edit:
        return kEditClass;
    case ControlKind::Static:
    case ControlKind::Icon:
        break;
    }
    return kStaticClass;
}

void CWin32DialogTemplate::AddDword(DWORD dword) {
    AddWord(LOWORD(dword));
    AddWord(HIWORD(dword));
}

void CWin32DialogTemplate::AddString(const std::wstring& text) {
    for (const wchar_t c : text) {
        AddWord(static_cast<WORD>(c));
    }
    AddWord(0);
}

void CWin32DialogTemplate::AlignToDword() {
    if (m_words.size() % 2 != 0) {
        AddWord(0);
    }
}

CWin32DialogTemplate::CWin32DialogTemplate(const ctl::CDialogTemplate& dlgTemplate,
                                           const std::wstring& fontFace) {
    // DLGTEMPLATEEX
    AddWord(1);              // dlgVer
    AddWord(kOrdinalMarker); // signature
    AddDword(0);             // helpID
    AddDword(DialogExStyle(dlgTemplate));
    AddDword(DialogStyle(dlgTemplate));
    AddWord(static_cast<WORD>(dlgTemplate.nItems));
    AddWord(0); // x and y: the dialog is centred
    AddWord(0);
    AddWord(static_cast<WORD>(dlgTemplate.cx));
    AddWord(static_cast<WORD>(dlgTemplate.cy));
    AddWord(0); // no menu
    AddWord(0); // the dialog class
    AddString(Widen(dlgTemplate.title));
    AddWord(static_cast<WORD>(dlgTemplate.nFontPointSize));
    AddWord(FW_NORMAL);
    AddWord(MAKEWORD(FALSE, DEFAULT_CHARSET)); // italic, charset
    AddString(fontFace);

    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const ctl::CDialogItemTemplate& item = dlgTemplate.items[i];
        // DLGITEMTEMPLATEEX, on a DWORD boundary
        AlignToDword();
        AddDword(0); // helpID
        AddDword(ControlExStyle(item));
        AddDword(ControlStyle(item));
        AddWord(static_cast<WORD>(item.x));
        AddWord(static_cast<WORD>(item.y));
        AddWord(static_cast<WORD>(item.cx));
        AddWord(static_cast<WORD>(item.cy));
        AddDword(static_cast<DWORD>(item.nID));
        AddWord(kOrdinalMarker);
        AddWord(ControlClass(item.kind));
        if (item.kind == ControlKind::Icon) {
            AddWord(kOrdinalMarker);
            AddWord(static_cast<WORD>(item.nIconResource));
        } else {
            AddString(Widen(item.caption != nullptr ? item.caption : ""));
        }
        AddWord(0); // no creation data
    }
}
