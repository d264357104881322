#pragma once

#include "WindowsApi.h"

#include "controls/ControlState.h"

// A table control of the core drawn by a report-view list view: a column for each of its columns,
// the last one wide enough for each row's bar after its text (the recording time and its bar),
// the current row in bold and a check mark before the bar of each marked row. The row the keyboard
// is on is the list view's focused and selected item.

// Shows the table's columns and rows, replacing what the list view showed. hBoldFont: the list
// view's font in bold.
void FillListView(HWND hwndList, const ctl::CControlState& table, HFONT hBoldFont);
// Selects and focuses row nRow (none for -1) and scrolls it into view.
void SelectListViewRow(HWND hwndList, int nRow);
// The row the keyboard is on, or -1.
int GetFocusedRow(HWND hwndList);
// The answer to the list view's NM_CUSTOMDRAW. hBoldFont: the list view's font in bold.
LRESULT DrawTableRow(const NMLVCUSTOMDRAW& draw, const ctl::CControlState& table, HFONT hBoldFont);
