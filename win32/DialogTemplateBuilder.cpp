#include "WindowsApi.h"

#include "DialogTemplateBuilder.h"

#include "TextConversion.h"

#include "controls/ControlView.h"

#include <utility>

using ctl::ControlKind;

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;
constexpr WORD kOrdinalMarker = 0xFFFF;

// A style bit of the templates and the Windows style it stands for.
struct CStyleBit {
    unsigned nCore;
    DWORD dwWin32;
};

// Shown centred on the screen, as the application framework placed its dialogs.
constexpr DWORD kDialogBaseStyle = WS_POPUP | DS_SETFONT | DS_CENTER;
constexpr CStyleBit kDialogStyles[] = {
    {ctl::kDlgCaption, WS_CAPTION},         {ctl::kDlgSysMenu, WS_SYSMENU},
    {ctl::kDlgModalFrame, DS_MODALFRAME},   {ctl::kDlgVisible, WS_VISIBLE},
    {ctl::kDlgMinimizeBox, WS_MINIMIZEBOX}, {ctl::kDlgMaximizeBox, WS_MAXIMIZEBOX},
};
constexpr CStyleBit kControlStyles[] = {{ctl::kStyleGroup, WS_GROUP},
                                        {ctl::kStyleTabStop, WS_TABSTOP},
                                        {ctl::kStyleVScroll, WS_VSCROLL}};
// A static text is left-aligned unless it says otherwise.
constexpr CStyleBit kStaticTextStyles[] = {{ctl::kStyleCenter, SS_CENTER},
                                           {ctl::kStyleRight, SS_RIGHT},
                                           {ctl::kStyleCenterImage, SS_CENTERIMAGE},
                                           {ctl::kStyleNoPrefix, SS_NOPREFIX}};

template <std::size_t N> DWORD ToWin32(unsigned style, const CStyleBit (&bits)[N]) {
    DWORD dwStyle = 0;
    for (const CStyleBit& bit : bits) {
        if ((style & bit.nCore) != 0) {
            dwStyle |= bit.dwWin32;
        }
    }
    return dwStyle;
}

// The predefined window class of a kind of control and the style that makes it that kind.
std::pair<WORD, DWORD> ClassAndStyle(const ctl::CDialogItemTemplate& item) {
    const unsigned style = item.style;
    switch (item.kind) {
    case ControlKind::Static:
        return {kStaticClass, ToWin32(style, kStaticTextStyles)};
    case ControlKind::GroupBox:
        return {kButtonClass, BS_GROUPBOX};
    case ControlKind::ComboBox:
        return {kComboBoxClass,
                CBS_DROPDOWNLIST | ((style & ctl::kStyleSorted) != 0 ? CBS_SORT : 0)};
    case ControlKind::PushButton:
        return {kButtonClass, BS_PUSHBUTTON};
    case ControlKind::DefPushButton:
        return {kButtonClass, BS_DEFPUSHBUTTON};
    case ControlKind::Icon:
        return {kStaticClass, SS_ICON};
    case ControlKind::Edit:
        return {kEditClass, ES_LEFT | ((style & ctl::kStyleAutoHScroll) != 0 ? ES_AUTOHSCROLL : 0)};
    case ControlKind::Table: // a list view, whose class goes by its name
        return {0, WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER};
    }
    return {kStaticClass, 0};
}

} // namespace

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
    AddDword((dlgTemplate.style & ctl::kDlgAppWindow) != 0 ? WS_EX_APPWINDOW : 0);
    AddDword(kDialogBaseStyle | ToWin32(dlgTemplate.style, kDialogStyles));
    AddWord(static_cast<WORD>(dlgTemplate.nItems));
    AddWord(0); // x and y: the dialog is centred
    AddWord(0);
    AddWord(static_cast<WORD>(dlgTemplate.cx));
    AddWord(static_cast<WORD>(dlgTemplate.cy));
    AddWord(0); // no menu
    AddWord(0); // the dialog class
    AddString(Widen(ctl::CControlView::Shown(dlgTemplate.title)));
    AddWord(static_cast<WORD>(dlgTemplate.nFontPointSize));
    AddWord(FW_NORMAL);
    AddWord(MAKEWORD(FALSE, DEFAULT_CHARSET)); // italic, charset
    AddString(fontFace);

    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const ctl::CDialogItemTemplate& item = dlgTemplate.items[i];
        const auto [nClass, dwKindStyle] = ClassAndStyle(item);
        // DLGITEMTEMPLATEEX, on a DWORD boundary
        AlignToDword();
        AddDword(0); // helpID
        AddDword((item.style & ctl::kStyleStaticEdge) != 0 ? WS_EX_STATICEDGE : 0);
        AddDword(WS_CHILD | WS_VISIBLE | dwKindStyle | ToWin32(item.style, kControlStyles));
        AddWord(static_cast<WORD>(item.x));
        AddWord(static_cast<WORD>(item.y));
        AddWord(static_cast<WORD>(item.cx));
        AddWord(static_cast<WORD>(item.cy));
        AddDword(static_cast<DWORD>(item.nID));
        if (item.kind == ControlKind::Table) {
            AddString(WC_LISTVIEWW);
        } else {
            AddWord(kOrdinalMarker);
            AddWord(nClass);
        }
        if (item.kind == ControlKind::Icon) {
            AddWord(kOrdinalMarker);
            AddWord(static_cast<WORD>(item.nIconResource));
        } else {
            AddString(Widen(item.caption != nullptr ? item.caption : ""));
        }
        AddWord(0); // no creation data
    }
}
