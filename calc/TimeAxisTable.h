#pragma once

// The time-axis ranges: three rows of 29 columns, each cell a time/div label, the sampling period
// that goes with it and the length of one division in seconds.

namespace spanwise {

constexpr int kTimeAxisRows = 3;
constexpr int kTimeAxisColumns = 29;

struct CTimeAxisCell {
    const char* label;    // "5us/div"
    const char* period;   // "50ns/S"; shown as "( 50ns/S )"
    double secondsPerDiv; // 0 in an empty cell
};

extern const CTimeAxisCell TimeAxisTable[kTimeAxisRows][kTimeAxisColumns];

// The row a model uses: 1 for Alder, Birch and Kauri, 2 for Hazel and Ivy, 0 for the others.
int TimeAxisRow(int nModel);

// The window of columns the Time-axis Range list offers, both ends included.
int GetFirstTimeRangeIndex(int nModel, int nFunction, int nSampling, int nScanner);
int GetLastTimeRangeIndex(int nModel, int nFunction);

// The cell at row/column, or an empty cell for a position outside the table.
const CTimeAxisCell& GetTimeAxisCell(int nRow, int nColumn);

} // namespace spanwise
