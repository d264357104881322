#include "WindowsApi.h"

#include "TableView.h"

#include "TextConversion.h"

#include "controls/ControlView.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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
    // A row inserted carries its own position, which drawing it reads back.
    item.mask = nColumn == 0 ? LVIF_TEXT | LVIF_PARAM : LVIF_TEXT;
    item.iItem = nRow;
    item.iSubItem = nColumn;
    item.pszText = text.data();
    item.lParam = nRow;
    SendMessageW(hwndList, nColumn == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                 static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
}

int TextWidth(HDC hdc, HFONT hFont, const std::string& text) {
    const std::wstring wide = Widen(text);
    SelectObject(hdc, hFont);
    SIZE size{};
    GetTextExtentPoint32W(hdc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// The margin a list view keeps on each side of a cell's text, and the bars on each side.
int CellMargin(HDC hdc) {
    TEXTMETRICW metric{};
    GetTextMetricsW(hdc, &metric);
    return static_cast<int>(metric.tmAveCharWidth) * 3 / 2;
}

// Where the bars begin in the last column, from its left edge: kept in the list view's user data.
void SetBarStart(HWND hwndList, int nStart) {
    SetWindowLongPtrW(hwndList, GWLP_USERDATA, nStart);
}

int GetBarStart(HWND hwndList) {
    return static_cast<int>(GetWindowLongPtrW(hwndList, GWLP_USERDATA));
}

// A check mark filling box, in colour.
void DrawCheckMark(HDC hdc, const RECT& box, COLORREF colour) {
    const LONG nSide = box.bottom - box.top;
    HPEN hPen = CreatePen(PS_SOLID, std::max(2L, nSide / 5), colour);
    const HGDIOBJ hOldPen = SelectObject(hdc, hPen);
    const POINT tick[] = {
        {box.left, box.top + nSide / 2}, {box.left + nSide / 3, box.bottom}, {box.right, box.top}};
    Polyline(hdc, tick, 3);
    DeleteObject(SelectObject(hdc, hOldPen));
}

// After the text of the row's last column: a check mark for a marked row, then the bar, as long
// as the row says of the width that is left. On a selected row they take the selection's text
// colour.
void DrawBar(const NMCUSTOMDRAW& draw, int nLastColumn, const ctl::CTableRow& row) {
    HWND hwndList = draw.hdr.hwndFrom;
    const auto nRow = static_cast<WPARAM>(draw.lItemlParam);
    RECT cell{LVIR_BOUNDS, nLastColumn, 0, 0};
    if (SendMessageW(hwndList, LVM_GETSUBITEMRECT, nRow, reinterpret_cast<LPARAM>(&cell)) == 0) {
        return;
    }
    const LONG nHeight = cell.bottom - cell.top;
    const LONG nPad = std::max(2L, nHeight / 6);
    const LONG nStart = cell.left + GetBarStart(hwndList);
    const RECT check{nStart, cell.top + nPad, nStart + nHeight, cell.bottom - nPad};
    const bool bSelected = SendMessageW(hwndList, LVM_GETITEMSTATE, nRow, LVIS_SELECTED) != 0 &&
                           GetFocus() == hwndList;
    const int nColour = bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_HIGHLIGHT;
    if (row.bMarked) {
        DrawCheckMark(draw.hdc, check, GetSysColor(bSelected ? nColour : COLOR_WINDOWTEXT));
    }
    const LONG nLeft = check.right + nPad;
    const LONG nWidth = std::max(0L, cell.right - nPad - nLeft);
    const RECT bar{nLeft, check.top, nLeft + static_cast<LONG>(std::lround(row.dBar * nWidth)),
                   check.bottom};
    FillRect(draw.hdc, &bar, GetSysColorBrush(nColour));
}

} // namespace

void FillListView(HWND hwndList, const ctl::CControlState& table, HFONT hBoldFont) {
    SendMessageW(hwndList, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwndList, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(hwndList, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    // Each column as wide as its title or its widest text in the font its row is drawn in (bold for
    // the current row), with the margins the list view itself keeps around a cell's text; the last
    // one takes what is left, its bars beginning after its widest text.
    HDC hdc = GetDC(hwndList);
    const auto hFont = reinterpret_cast<HFONT>(SendMessageW(hwndList, WM_GETFONT, 0, 0));
    const HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    const int nMargin = CellMargin(hdc);
    std::vector<int> titleWidths;
    for (const std::string& title : ctl::CControlView::EntriesShown(table)) {
        InsertColumn(hwndList, static_cast<int>(titleWidths.size()), title);
        titleWidths.push_back(TextWidth(hdc, hFont, title));
    }
    std::vector<int> textWidths(titleWidths.size(), 0);
    std::vector<int> plainWidths(titleWidths.size(), 0);
    for (std::size_t nRow = 0; nRow < table.m_rows.size(); ++nRow) {
        const ctl::CTableRow& row = table.m_rows[nRow];
        const HFONT hRowFont = row.bCurrent && hBoldFont != nullptr ? hBoldFont : hFont;
        for (std::size_t nColumn = 0; nColumn < row.cells.size() && nColumn < textWidths.size();
             ++nColumn) {
            SetCellText(hwndList, static_cast<int>(nRow), static_cast<int>(nColumn),
                        row.cells[nColumn]);
            textWidths[nColumn] =
                std::max(textWidths[nColumn], TextWidth(hdc, hRowFont, row.cells[nColumn]));
            plainWidths[nColumn] =
                std::max(plainWidths[nColumn], TextWidth(hdc, hFont, row.cells[nColumn]));
        }
    }
    SelectObject(hdc, hOldFont);
    ReleaseDC(hwndList, hdc);
    // What the list view adds to a column's widest text in its own font when it sizes the column
    // to it: the margins, and in the first column the room it keeps before the text.
    std::vector<int> paddings(textWidths.size(), 2 * nMargin);
    for (std::size_t nColumn = 0; nColumn < textWidths.size() && !table.m_rows.empty(); ++nColumn) {
        SendMessageW(hwndList, LVM_SETCOLUMNWIDTH, nColumn, LVSCW_AUTOSIZE);
        const auto nFitted =
            static_cast<int>(SendMessageW(hwndList, LVM_GETCOLUMNWIDTH, nColumn, 0));
        paddings[nColumn] = std::max(paddings[nColumn], nFitted - plainWidths[nColumn]);
    }
    SendMessageW(hwndList, WM_SETREDRAW, TRUE, 0);
    RECT client{};
    GetClientRect(hwndList, &client);
    auto nLeft = static_cast<int>(client.right);
    for (std::size_t nColumn = 0; nColumn + 1 < textWidths.size(); ++nColumn) {
        const int nWidth =
            std::max(titleWidths[nColumn] + 2 * nMargin, textWidths[nColumn] + paddings[nColumn]);
        SendMessageW(hwndList, LVM_SETCOLUMNWIDTH, nColumn, nWidth);
        nLeft -= nWidth;
    }
    if (!textWidths.empty()) {
        SendMessageW(hwndList, LVM_SETCOLUMNWIDTH, textWidths.size() - 1, nLeft);
        SetBarStart(hwndList, textWidths.back() + paddings.back());
    }
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
    const auto nRow = static_cast<std::size_t>(draw.nmcd.lItemlParam);
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
        if (nRow < table.m_rows.size() && !table.m_entries.empty()) {
            DrawBar(draw.nmcd, static_cast<int>(table.m_entries.size()) - 1, table.m_rows[nRow]);
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}
