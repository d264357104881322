#pragma once

#include <cstddef>

namespace ctl {

// A dialog as built-in data: its frame, font and controls, laid out in dialog units, plus the
// strings the framework puts into its lists when it opens.

// Table: rows of text columns, each row with a bar drawn after its columns (CTableCtrl).
enum class ControlKind { Static, GroupBox, ComboBox, PushButton, DefPushButton, Icon, Edit, Table };

// Styles of a control, combined as bits.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleLeft = 1U << 0,
    kStyleCenter = 1U << 1,      // text centred horizontally
    kStyleRight = 1U << 2,       // text right-aligned
    kStyleCenterImage = 1U << 3, // text centred vertically
    kStyleNoPrefix = 1U << 4,    // '&' is shown, not taken as a mnemonic
    kStyleStaticEdge = 1U << 5,  // sunken edge
    kStyleGroup = 1U << 6,       // starts a group
    kStyleTabStop = 1U << 7,
    kStyleVScroll = 1U << 8,
    kStyleDropDownList = 1U << 9,
    kStyleSorted = 1U << 10,
    kStyleAutoHScroll = 1U << 11, // an edit field scrolls its text sideways as it is typed
};

// Styles of the dialog frame.
enum DialogStyle : unsigned {
    kDlgCaption = 1U << 0,
    kDlgSysMenu = 1U << 1,
    kDlgModalFrame = 1U << 2,
    kDlgVisible = 1U << 3,
    kDlgAppWindow = 1U << 4, // the dialog has a taskbar button
    kDlgMinimizeBox = 1U << 5,
    kDlgMaximizeBox = 1U << 6,
};

struct CDialogItemTemplate {
    int nID;
    ControlKind kind;
    const char* caption; // for an icon control: empty; the image is nIconResource
    int x, y, cx, cy;    // dialog units
    unsigned style;
    int nIconResource; // 0 unless kind is Icon
};

struct CListInitData {
    int nID;
    const char* const* entries;
    std::size_t nEntries;
};

struct CDialogTemplate {
    int nIDD;
    const char* title;
    int cx, cy; // dialog units
    unsigned style;
    const char* fontFace; // UTF-8
    int nFontPointSize;
    const CDialogItemTemplate* items;
    std::size_t nItems;
    const CListInitData* lists;
    std::size_t nLists;
};

} // namespace ctl
