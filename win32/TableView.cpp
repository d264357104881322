#include "WindowsApi.h"

#include "TableView.h"

#include "TextConversion.h"

#include <algorithm>

namespace {

void InsertColumn(HWND hwndList, int nColumn, const std::string& title) {
    std::wstring text = Widen(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = text.data();
    column.iSubItem = nColumn;
    SendMessageW(hwndList, LVM_INSERTCOLUMNW, static_cast<WPARAM>(nColumn),
                 reinterpret_cast<LPARAM>(&column));
}

void SetCellText(HWND hwndList, int nRow, int nColumn, const std::string& cell) {
    std::wstring text = Widen(cell);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nRow;
    item.iSubItem = nColumn;
    item.pszText = text.data();
    SendMessageW(hwndList, nColumn == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                 static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
}

// The bar column's cell of row nRow: a check mark for a marked row in a square at its start, then
// the bar, as long as the row says of the width that is left.
void DrawBar(HDC hdc, HWND hwndList, int nRow, int nBarColumn, const ctl::CTableRow& row) {
    RECT cell{LVIR_BOUNDS, nBarColumn, 0, 0};
    if (SendMessageW(hwndList, LVM_GETSUBITEMRECT, static_cast<WPARAM>(nRow),
                     reinterpret_cast<LPARAM>(&cell)) == 0) {
        return;
    }
    const LONG nHeight = cell.bottom - cell.top;
    const LONG nPad = std::max(1L, nHeight / 6);
    RECT check{cell.left + nPad, cell.top + nPad, cell.left + nHeight - nPad, cell.bottom - nPad};
    if (row.bMarked) {
        DrawFrameControl(hdc, &check, DFC_MENU, DFCS_MENUCHECK);
    }
    const LONG nLeft = check.right + nPad;
    const LONG nWidth = std::max(0L, cell.right - nPad - nLeft);
    const RECT bar{nLeft, check.top, nLeft + static_cast<LONG>(row.dBar * nWidth + 0.5),
                   check.bottom};
    FillRect(hdc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
}

} // namespace

void FillListView(HWND hwndList, const ctl::CControlState& table) {
    SendMessageW(hwndList, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwndList, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(hwndList, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    const auto nColumns = static_cast<int>(table.m_entries.size());
    for (int nColumn = 0; nColumn <= nColumns; ++nColumn) {
        InsertColumn(hwndList, nColumn,
                     nColumn < nColumns ? table.m_entries[static_cast<std::size_t>(nColumn)] : "");
    }
    for (std::size_t nRow = 0; nRow < table.m_rows.size(); ++nRow) {
        const std::vector<std::string>& cells = table.m_rows[nRow].cells;
        for (std::size_t nColumn = 0; nColumn < cells.size(); ++nColumn) {
            SetCellText(hwndList, static_cast<int>(nRow), static_cast<int>(nColumn),
                        cells[nColumn]);
        }
    }
    // Each text column as wide as its widest text or title; the bar column takes what is left.
    for (int nColumn = 0; nColumn <= nColumns; ++nColumn) {
        SendMessageW(hwndList, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nColumn),
                     LVSCW_AUTOSIZE_USEHEADER);
    }
    SendMessageW(hwndList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwndList, nullptr, TRUE);
}

void SelectListViewRow(HWND hwndList, int nRow) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwndList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    if (nRow >= 0) {
        state.state = state.stateMask;
        SendMessageW(hwndList, LVM_SETITEMSTATE, static_cast<WPARAM>(nRow),
                     reinterpret_cast<LPARAM>(&state));
        SendMessageW(hwndList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nRow), FALSE);
    }
}

int GetFocusedRow(HWND hwndList) {
    return static_cast<int>(
        SendMessageW(hwndList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

LRESULT DrawTableRow(const NMLVCUSTOMDRAW& draw, const ctl::CControlState& table, HFONT hBoldFont) {
    const auto nRow = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if (nRow < table.m_rows.size() && table.m_rows[nRow].bCurrent && hBoldFont != nullptr) {
            SelectObject(draw.nmcd.hdc, hBoldFont);
            return CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
        }
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
        if (nRow < table.m_rows.size()) {
            DrawBar(draw.nmcd.hdc, draw.nmcd.hdr.hwndFrom, static_cast<int>(nRow),
                    static_cast<int>(table.m_entries.size()), table.m_rows[nRow]);
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}
