#include "calc/TimeAxisTable.h"

#include "conditions/ModelCatalogue.h"

#include <iterator>

namespace spanwise {

namespace {

using R = TimeRange;

} // namespace

// Rows 0 and 1 sample 100 times per division, row 2 80 times. Row 1 adds "50s/div" and
// "100s/div"; row 2 has "400us/div" where the others have "500us/div" and no sampling period
// below "200us/div". A new range is one line in each row that has it; the windows of the model
// catalogue name their first and last range, not a column.
// clang-format off
// row 0: Cedar, Damson, Elm/Elm-2, Fir, Gum/Gum-2, Juniper
const CTimeAxisCell kTimeAxisRow0[] = {
    {R::k5us,    "5us/div",   "50ns/S",   0.000005},    //  0
    {R::k10us,   "10us/div",  "100ns/S",  0.00001},     //  1
    {R::k20us,   "20us/div",  "200ns/S",  0.00002},     //  2
    {R::k50us,   "50us/div",  "500ns/S",  0.00005},     //  3
    {R::k100us,  "100us/div", "1us/S",    0.0001},      //  4
    {R::k200us,  "200us/div", "2us/S",    0.0002},      //  5
    {R::k500us,  "500us/div", "5us/S",    0.0005},      //  6
    {R::k1ms,    "1ms/div",   "10us/S",   0.001},       //  7
    {R::k2ms,    "2ms/div",   "20us/S",   0.002},       //  8
    {R::k5ms,    "5ms/div",   "50us/S",   0.005},       //  9
    {R::k10ms,   "10ms/div",  "100us/S",  0.01},        // 10
    {R::k20ms,   "20ms/div",  "200us/S",  0.02},        // 11
    {R::k50ms,   "50ms/div",  "500us/S",  0.05},        // 12
    {R::k100ms,  "100ms/div", "1ms/S",    0.1},         // 13
    {R::k200ms,  "200ms/div", "2ms/S",    0.2},         // 14
    {R::k500ms,  "500ms/div", "5ms/S",    0.5},         // 15
    {R::k1s,     "1s/div",    "10ms/S",   1},           // 16
    {R::k2s,     "2s/div",    "20ms/S",   2},           // 17
    {R::k5s,     "5s/div",    "50ms/S",   5},           // 18
    {R::k10s,    "10s/div",   "100ms/S",  10},          // 19
    {R::k30s,    "30s/div",   "300ms/S",  30},          // 20
    {R::k1min,   "1min/div",  "600ms/S",  60},          // 21
    {R::k2min,   "2min/div",  "1.2s/S",   120},         // 22
    {R::k5min,   "5min/div",  "3s/S",     300},         // 23
    {R::k10min,  "10min/div", "6s/S",     600},         // 24
    {R::k30min,  "30min/div", "18s/S",    1800},        // 25
    {R::k1hour,  "1hour/div", "36s/S",    3600},        // 26
};

// row 1: Alder/Alder-W, Birch/Birch-W, Kauri
const CTimeAxisCell kTimeAxisRow1[] = {
    {R::k5us,    "5us/div",   "50ns/S",   0.000005},    //  0
    {R::k10us,   "10us/div",  "100ns/S",  0.00001},     //  1
    {R::k20us,   "20us/div",  "200ns/S",  0.00002},     //  2
    {R::k50us,   "50us/div",  "500ns/S",  0.00005},     //  3
    {R::k100us,  "100us/div", "1us/S",    0.0001},      //  4
    {R::k200us,  "200us/div", "2us/S",    0.0002},      //  5
    {R::k500us,  "500us/div", "5us/S",    0.0005},      //  6
    {R::k1ms,    "1ms/div",   "10us/S",   0.001},       //  7
    {R::k2ms,    "2ms/div",   "20us/S",   0.002},       //  8
    {R::k5ms,    "5ms/div",   "50us/S",   0.005},       //  9
    {R::k10ms,   "10ms/div",  "100us/S",  0.01},        // 10
    {R::k20ms,   "20ms/div",  "200us/S",  0.02},        // 11
    {R::k50ms,   "50ms/div",  "500us/S",  0.05},        // 12
    {R::k100ms,  "100ms/div", "1ms/S",    0.1},         // 13
    {R::k200ms,  "200ms/div", "2ms/S",    0.2},         // 14
    {R::k500ms,  "500ms/div", "5ms/S",    0.5},         // 15
    {R::k1s,     "1s/div",    "10ms/S",   1},           // 16
    {R::k2s,     "2s/div",    "20ms/S",   2},           // 17
    {R::k5s,     "5s/div",    "50ms/S",   5},           // 18
    {R::k10s,    "10s/div",   "100ms/S",  10},          // 19
    {R::k30s,    "30s/div",   "300ms/S",  30},          // 20
    {R::k50s,    "50s/div",   "500ms/S",  50},          // 21
    {R::k1min,   "1min/div",  "600ms/S",  60},          // 22
    {R::k100s,   "100s/div",  "1s/S",     100},         // 23
    {R::k2min,   "2min/div",  "1.2s/S",   120},         // 24
    {R::k5min,   "5min/div",  "3s/S",     300},         // 25
    {R::k10min,  "10min/div", "6s/S",     600},         // 26
    {R::k30min,  "30min/div", "18s/S",    1800},        // 27
    {R::k1hour,  "1hour/div", "36s/S",    3600},        // 28
};

// row 2: Hazel, Ivy
const CTimeAxisCell kTimeAxisRow2[] = {
    {R::k5us,    "5us/div",   "",         0.000005},    //  0
    {R::k10us,   "10us/div",  "",         0.00001},     //  1
    {R::k20us,   "20us/div",  "",         0.00002},     //  2
    {R::k50us,   "50us/div",  "",         0.00005},     //  3
    {R::k100us,  "100us/div", "",         0.0001},      //  4
    {R::k200us,  "200us/div", "2.5us/S",  0.0002},      //  5
    {R::k400us,  "400us/div", "5us/S",    0.0004},      //  6
    {R::k1ms,    "1ms/div",   "12.5us/S", 0.001},       //  7
    {R::k2ms,    "2ms/div",   "25us/S",   0.002},       //  8
    {R::k5ms,    "5ms/div",   "62.5us/S", 0.005},       //  9
    {R::k10ms,   "10ms/div",  "125us/S",  0.01},        // 10
    {R::k20ms,   "20ms/div",  "250us/S",  0.02},        // 11
    {R::k50ms,   "50ms/div",  "625us/S",  0.05},        // 12
    {R::k100ms,  "100ms/div", "1.25ms/S", 0.1},         // 13
    {R::k200ms,  "200ms/div", "2.5ms/S",  0.2},         // 14
    {R::k500ms,  "500ms/div", "6.25ms/S", 0.5},         // 15
    {R::k1s,     "1s/div",    "12.5ms/S", 1},           // 16
    {R::k2s,     "2s/div",    "25ms/S",   2},           // 17
    {R::k5s,     "5s/div",    "62.5ms/S", 5},           // 18
    {R::k10s,    "10s/div",   "125ms/S",  10},          // 19
    {R::k30s,    "30s/div",   "375ms/S",  30},          // 20
    {R::k1min,   "1min/div",  "750ms/S",  60},          // 21
    {R::k2min,   "2min/div",  "1.5s/S",   120},         // 22
    {R::k5min,   "5min/div",  "3.75s/S",  300},         // 23
    {R::k10min,  "10min/div", "7.5s/S",   600},         // 24
    {R::k30min,  "30min/div", "22.5s/S",  1800},        // 25
    {R::k1hour,  "1hour/div", "45s/S",    3600},        // 26
};
// clang-format on

const CTimeAxisRow TimeAxisTable[kTimeAxisRows] = {
    {kTimeAxisRow0, static_cast<int>(std::size(kTimeAxisRow0))},
    {kTimeAxisRow1, static_cast<int>(std::size(kTimeAxisRow1))},
    {kTimeAxisRow2, static_cast<int>(std::size(kTimeAxisRow2))},
};

namespace {

const CTimeAxisCell kEmptyTimeAxisCell = {R::k5us, "", "", 0.0};

} // namespace

int TimeAxisRow(int nModel) {
    return GetModelRow(nModel).timeAxisRow;
}

int GetTimeRangeColumn(int nRow, TimeRange range) {
    if (nRow < 0 || nRow >= kTimeAxisRows) {
        return -1;
    }
    const CTimeAxisRow& row = TimeAxisTable[nRow];
    for (int nColumn = 0; nColumn < row.nCells; ++nColumn) {
        if (row.cells[nColumn].range == range) {
            return nColumn;
        }
    }
    return -1;
}

int GetFirstTimeRangeIndex(int nModel, int nFunction, int nSampling, int nScanner) {
    return GetTimeRangeColumn(TimeAxisRow(nModel),
                              GetTimeWindow(nModel, nFunction, nSampling, nScanner).first);
}

// The window's last range does not depend on the sampling mode or the scanner unit.
int GetLastTimeRangeIndex(int nModel, int nFunction) {
    return GetTimeRangeColumn(TimeAxisRow(nModel), GetTimeWindow(nModel, nFunction, 0, 0).last);
}

const CTimeAxisCell& GetTimeAxisCell(int nRow, int nColumn) {
    if (nRow < 0 || nRow >= kTimeAxisRows || nColumn < 0 || nColumn >= TimeAxisTable[nRow].nCells) {
        return kEmptyTimeAxisCell;
    }
    return TimeAxisTable[nRow].cells[nColumn];
}

} // namespace spanwise
