#pragma once

#include "conditions/TimeRanges.h"

// The time-axis ranges: three rows, each a list of ranges with its time/div label, the sampling
// period that goes with it and the length of one division in seconds. A model's Time-axis Range
// list offers a window of one row.

namespace spanwise {

constexpr int kTimeAxisRows = 3;

struct CTimeAxisCell {
    TimeRange range;
    const char* label;    // "5us/div"
    const char* period;   // "50ns/S"; shown as "( 50ns/S )"
    double secondsPerDiv; // 0 in an empty cell
};

struct CTimeAxisRow {
    const CTimeAxisCell* cells;
    int nCells;
};

extern const CTimeAxisRow TimeAxisTable[kTimeAxisRows];

// The row a model uses: 1 for Alder, Birch and Kauri, 2 for Hazel and Ivy, 0 for the others.
int TimeAxisRow(int nModel);

// The column of range in row nRow; -1 where the row does not have it.
int GetTimeRangeColumn(int nRow, TimeRange range);

// The window of columns the Time-axis Range list offers, both ends included.
int GetFirstTimeRangeIndex(int nModel, int nFunction, int nSampling, int nScanner);
int GetLastTimeRangeIndex(int nModel, int nFunction);

// The cell at row/column, or an empty cell for a position outside the table.
const CTimeAxisCell& GetTimeAxisCell(int nRow, int nColumn);

} // namespace spanwise
