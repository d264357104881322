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

namespace {

bool SharesColumn(const CRect& a, const CRect& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx;
}

int FindItem(const CDialogTemplate& dlgTemplate, int nID) {
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        if (dlgTemplate.items[i].nID == nID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The smallest base unit, at least nUnit, at which nUnits dialog units are at least nPixels.
int UnitHolding(int nUnit, int nUnits, int nDivisor, int nPixels) {
    // No text is wider than a thousand units' worth of pixels; past that, a measure is wrong.
    constexpr int kLargestUnit = 1000;
    if (nUnits <= 0) {
        return nUnit;
    }
    while (nUnit < kLargestUnit && MulDiv(nUnits, nUnit, nDivisor) < nPixels) {
        ++nUnit;
    }
    return nUnit;
}

} // namespace

CDialogLayout LayOutDialog(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units,
                           const std::vector<CAddedButton>& added) {
    // In dialog units first: each added row moves what lies below it in its column.
    CRect dialog{0, 0, dlgTemplate.cx, dlgTemplate.cy};
    std::vector<CRect> rects;
    rects.reserve(dlgTemplate.nItems);
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        const CDialogItemTemplate& item = dlgTemplate.items[i];
        rects.push_back({item.x, item.y, item.cx, item.cy});
    }
    std::vector<CControlPlace> addedPlaces;
    std::vector<CRect> addedRects;
    for (const CAddedButton& button : added) {
        const int nBeside = FindItem(dlgTemplate, button.nBeside);
        const int nGroup = nBeside < 0 ? -1 : GetEnclosingGroup(dlgTemplate, nBeside);
        CControlPlace place;
        place.nGroup = nGroup;
        addedPlaces.push_back(place);
        addedRects.push_back(nBeside < 0 ? CRect{} : button.rect);
        if (nBeside < 0) {
            continue;
        }
        const CRect column = nGroup < 0 ? dialog : rects[nGroup];
        const int nRow = button.rect.cy + kAddedRowGap;
        const auto moveBelow = [&](CRect& rect, bool bGrows) {
            if (!SharesColumn(rect, column)) {
                return;
            }
            if (rect.y >= button.rect.y) {
                rect.y += nRow;
            } else if (bGrows && rect.y + rect.cy > button.rect.y) {
                rect.cy += nRow;
            }
        };
        for (std::size_t i = 0; i < rects.size(); ++i) {
            moveBelow(rects[i], dlgTemplate.items[i].kind == ControlKind::GroupBox);
        }
        for (std::size_t i = 0; i + 1 < addedRects.size(); ++i) {
            moveBelow(addedRects[i], false);
        }
        dialog.cy += nRow;
    }

    CDialogLayout layout;
    const CRect client = MapDialogRect(dialog, units);
    layout.cx = client.cx;
    layout.cy = client.cy;
    layout.controls.reserve(dlgTemplate.nItems);
    for (std::size_t i = 0; i < dlgTemplate.nItems; ++i) {
        CControlPlace place;
        place.rect = MapDialogRect(rects[i], units);
        if (dlgTemplate.items[i].kind == ControlKind::Icon) {
            place.rect.cx = kStandardIconSize;
            place.rect.cy = kStandardIconSize;
        }
        place.nGroup = GetEnclosingGroup(dlgTemplate, i);
        place.nLabel = GetNamingControl(dlgTemplate, i);
        layout.controls.push_back(place);
    }
    for (std::size_t i = 0; i < addedPlaces.size(); ++i) {
        addedPlaces[i].rect = MapDialogRect(addedRects[i], units);
    }
    layout.added = std::move(addedPlaces);
    return layout;
}

CDialogBaseUnits FitBaseUnits(const CDialogTemplate& dlgTemplate, const CDialogBaseUnits& units,
                              const std::vector<CTextExtent>& extents) {
    CDialogBaseUnits fitted = units;
    for (const CTextExtent& extent : extents) {
        if (extent.nItem >= dlgTemplate.nItems) {
            continue;
        }
        const CDialogItemTemplate& item = dlgTemplate.items[extent.nItem];
        fitted.nX = UnitHolding(fitted.nX, item.cx, 4, extent.cx);
        // A list's height in the template is that of its list dropped down.
        if (item.kind != ControlKind::ComboBox) {
            fitted.nY = UnitHolding(fitted.nY, item.cy, 8, extent.cy);
        }
    }
    return fitted;
}

} // namespace ctl
