#include "DialogLayout.h"

#include <cstdlib>

namespace ctl {

namespace {

bool IsInside(const CDialogItemTemplate& group, const CDialogItemTemplate& item) {
    return item.x >= group.x && item.x + item.cx <= group.x + group.cx && item.y >= group.y &&
           item.y < group.y + group.cy;
}

// A static text without a caption of its own: a field the dialog writes.
bool IsField(const CDialogItemTemplate& item) {
    return item.kind == ControlKind::Static && (item.caption == nullptr || *item.caption == '\0');
}

} // namespace

int GetEnclosingGroup(const CDialogTemplate& dlgTemplate, std::size_t nItem) {
    const CDialogItemTemplate& item = dlgTemplate.items[nItem];
    int nFound = -1;
    long nFoundArea = 0;
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& group = dlgTemplate.items[i];
        const long nArea = static_cast<long>(group.cx) * group.cy;
        if (i != nItem && group.kind == ControlKind::GroupBox && IsInside(group, item) &&
            (nFound < 0 || nArea < nFoundArea)) {
            nFound = static_cast<int>(i);
            nFoundArea = nArea;
        }
    }
    return nFound;
}

int GetNamingControl(const CDialogTemplate& dlgTemplate, std::size_t nItem) {
    const CDialogItemTemplate& item = dlgTemplate.items[nItem];
    if (item.kind == ControlKind::ComboBox || item.kind == ControlKind::Edit ||
        item.kind == ControlKind::Table) {
        const bool bCaptionBefore = nItem > 0 &&
                                    dlgTemplate.items[nItem - 1].kind == ControlKind::Static &&
                                    !IsField(dlgTemplate.items[nItem - 1]);
        return bCaptionBefore ? static_cast<int>(nItem) - 1 : -1;
    }
    return IsField(item) ? GetEnclosingGroup(dlgTemplate, nItem) : -1;
}

const char kBaseUnitLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

CDialogBaseUnits GetDialogBaseUnits(int nLettersWidth, int nFontHeight) {
    const int nLetters = static_cast<int>(sizeof kBaseUnitLetters - 1);
    return {MulDiv(nLettersWidth, 1, nLetters), nFontHeight};
}

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(a) * b;
    const long long divisor = std::llabs(static_cast<long long>(c));
    const long long magnitude = (std::llabs(product) + divisor / 2) / divisor;
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

CRect MapDialogRect(const CRect& rect, const CDialogBaseUnits& units) {
    return {MulDiv(rect.x, units.nX, 4), MulDiv(rect.y, units.nY, 8), MulDiv(rect.cx, units.nX, 4),
            MulDiv(rect.cy, units.nY, 8)};
}

CDialogLayout LayOutDialog(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units) {
    CDialogLayout layout;
    const CRect client = MapDialogRect({0, 0, dlgTemplate.cx, dlgTemplate.cy}, units);
    layout.cx = client.cx;
    layout.cy = client.cy;
    layout.controls.reserve(dlgTemplate.nItems);
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& item = dlgTemplate.items[i];
        CControlPlace place;
        place.rect = MapDialogRect({item.x, item.y, item.cx, item.cy}, units);
        if (item.kind == ControlKind::Icon) {
            place.rect.cx = kStandardIconSize;
            place.rect.cy = kStandardIconSize;
        }
        place.nGroup = GetEnclosingGroup(dlgTemplate, i);
        place.nLabel = GetNamingControl(dlgTemplate, i);
        layout.controls.push_back(place);
    }
    return layout;
}

} // namespace ctl
