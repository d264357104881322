#include "calc/TimeAxisTable.h"

#include "conditions/ModelCatalogue.h"

namespace spanwise {

// Rows 0 and 1 sample 100 times per division, row 2 80 times. Row 1 adds "50s/div" and
// "100s/div", so its longer ranges stand two columns further right; row 2 has "400us/div" where
// the others have "500us/div" and no sampling period below "200us/div".
// clang-format off
const CTimeAxisCell TimeAxisTable[kTimeAxisRows][kTimeAxisColumns] = {
    {   // row 0: Cedar, Damson, Elm/Elm-2, Fir, Gum/Gum-2, Juniper
        {"5us/div",    "50ns/S",    0.000005}, //  0
        {"10us/div",   "100ns/S",   0.00001},  //  1
        {"20us/div",   "200ns/S",   0.00002},  //  2
        {"50us/div",   "500ns/S",   0.00005},  //  3
        {"100us/div",  "1us/S",     0.0001},   //  4
        {"200us/div",  "2us/S",     0.0002},   //  5
        {"500us/div",  "5us/S",     0.0005},   //  6
        {"1ms/div",    "10us/S",    0.001},    //  7
        {"2ms/div",    "20us/S",    0.002},    //  8
        {"5ms/div",    "50us/S",    0.005},    //  9
        {"10ms/div",   "100us/S",   0.01},     // 10
        {"20ms/div",   "200us/S",   0.02},     // 11
        {"50ms/div",   "500us/S",   0.05},     // 12
        {"100ms/div",  "1ms/S",     0.1},      // 13
        {"200ms/div",  "2ms/S",     0.2},      // 14
        {"500ms/div",  "5ms/S",     0.5},      // 15
        {"1s/div",     "10ms/S",    1},        // 16
        {"2s/div",     "20ms/S",    2},        // 17
        {"5s/div",     "50ms/S",    5},        // 18
        {"10s/div",    "100ms/S",   10},       // 19
        {"30s/div",    "300ms/S",   30},       // 20
        {"1min/div",   "600ms/S",   60},       // 21
        {"2min/div",   "1.2s/S",    120},      // 22
        {"5min/div",   "3s/S",      300},      // 23
        {"10min/div",  "6s/S",      600},      // 24
        {"30min/div",  "18s/S",     1800},     // 25
        {"1hour/div",  "36s/S",     3600},     // 26
        {"",           "",          0},        // 27
        {"",           "",          0},        // 28
    },
    {   // row 1: Alder/Alder-W, Birch/Birch-W, Kauri
        {"5us/div",    "50ns/S",    0.000005}, //  0
        {"10us/div",   "100ns/S",   0.00001},  //  1
        {"20us/div",   "200ns/S",   0.00002},  //  2
        {"50us/div",   "500ns/S",   0.00005},  //  3
        {"100us/div",  "1us/S",     0.0001},   //  4
        {"200us/div",  "2us/S",     0.0002},   //  5
        {"500us/div",  "5us/S",     0.0005},   //  6
        {"1ms/div",    "10us/S",    0.001},    //  7
        {"2ms/div",    "20us/S",    0.002},    //  8
        {"5ms/div",    "50us/S",    0.005},    //  9
        {"10ms/div",   "100us/S",   0.01},     // 10
        {"20ms/div",   "200us/S",   0.02},     // 11
        {"50ms/div",   "500us/S",   0.05},     // 12
        {"100ms/div",  "1ms/S",     0.1},      // 13
        {"200ms/div",  "2ms/S",     0.2},      // 14
        {"500ms/div",  "5ms/S",     0.5},      // 15
        {"1s/div",     "10ms/S",    1},        // 16
        {"2s/div",     "20ms/S",    2},        // 17
        {"5s/div",     "50ms/S",    5},        // 18
        {"10s/div",    "100ms/S",   10},       // 19
        {"30s/div",    "300ms/S",   30},       // 20
        {"50s/div",    "500ms/S",   50},       // 21
        {"1min/div",   "600ms/S",   60},       // 22
        {"100s/div",   "1s/S",      100},      // 23
        {"2min/div",   "1.2s/S",    120},      // 24
        {"5min/div",   "3s/S",      300},      // 25
        {"10min/div",  "6s/S",      600},      // 26
        {"30min/div",  "18s/S",     1800},     // 27
        {"1hour/div",  "36s/S",     3600},     // 28
    },
    {   // row 2: Hazel, Ivy
        {"5us/div",    "",          0.000005}, //  0
        {"10us/div",   "",          0.00001},  //  1
        {"20us/div",   "",          0.00002},  //  2
        {"50us/div",   "",          0.00005},  //  3
        {"100us/div",  "",          0.0001},   //  4
        {"200us/div",  "2.5us/S",   0.0002},   //  5
        {"400us/div",  "5us/S",     0.0004},   //  6
        {"1ms/div",    "12.5us/S",  0.001},    //  7
        {"2ms/div",    "25us/S",    0.002},    //  8
        {"5ms/div",    "62.5us/S",  0.005},    //  9
        {"10ms/div",   "125us/S",   0.01},     // 10
        {"20ms/div",   "250us/S",   0.02},     // 11
        {"50ms/div",   "625us/S",   0.05},     // 12
        {"100ms/div",  "1.25ms/S",  0.1},      // 13
        {"200ms/div",  "2.5ms/S",   0.2},      // 14
        {"500ms/div",  "6.25ms/S",  0.5},      // 15
        {"1s/div",     "12.5ms/S",  1},        // 16
        {"2s/div",     "25ms/S",    2},        // 17
        {"5s/div",     "62.5ms/S",  5},        // 18
        {"10s/div",    "125ms/S",   10},       // 19
        {"30s/div",    "375ms/S",   30},       // 20
        {"1min/div",   "750ms/S",   60},       // 21
        {"2min/div",   "1.5s/S",    120},      // 22
        {"5min/div",   "3.75s/S",   300},      // 23
        {"10min/div",  "7.5s/S",    600},      // 24
        {"30min/div",  "22.5s/S",   1800},     // 25
        {"1hour/div",  "45s/S",     3600},     // 26
        {"",           "",          0},        // 27
        {"",           "",          0},        // 28
    },
};
// clang-format on

namespace {

// First column of the window by ModelIndex, under MEM and under REC, without the scanner unit.
// clang-format off
const int kFirstColumnTable[kModelCount][2] = {
    // MEM  REC
    {  0,  10 }, // Alder/Alder-W
    {  0,  10 }, // Birch/Birch-W
    {  0,  10 }, // Cedar
    {  4,  10 }, // Damson
    {  4,  11 }, // Elm/Elm-2
    {  4,  11 }, // Fir
    {  4,   4 }, // Gum/Gum-2: MEM only
    {  5,  13 }, // Hazel
    {  5,  13 }, // Ivy
    {  4,   4 }, // Juniper: MEM only
    {  0,  10 }, // Kauri
};
// clang-format on

// With the scanner unit, Alder and Birch start at "1ms/div" under MEM (single-axis sampling
// only) and at "50ms/div" under REC.
constexpr int kFirstColumnOnlySableMem = 7;
constexpr int kFirstColumnSableRec = 12;

constexpr int kLastColumnMem = 23;
constexpr int kLastColumnRec = 26;

const CTimeAxisCell kEmptyTimeAxisCell = {"", "", 0.0};

bool UsesRowOne(int nModel) {
    return nModel == kAlder || nModel == kBirch || nModel == kKauri;
}

} // namespace

int TimeAxisRow(int nModel) {
    if (UsesRowOne(nModel)) {
        return 1;
    }
    if (nModel == kHazel || nModel == kIvy) {
        return 2;
    }
    return 0;
}

// A model outside the catalogue gets the window that starts at column 0.
int GetFirstTimeRangeIndex(int nModel, int nFunction, int nSampling, int nScanner) {
    if (nModel < 0 || nModel >= kModelCount) {
        return 0;
    }
    const bool bRec = nFunction == kFunctionRec;
    if ((nModel == kAlder || nModel == kBirch) && nScanner == 1) {
        if (bRec) {
            return kFirstColumnSableRec;
        }
        if (nSampling == 0) {
            return kFirstColumnOnlySableMem;
        }
    }
    return kFirstColumnTable[nModel][bRec ? 1 : 0];
}

int GetLastTimeRangeIndex(int nModel, int nFunction) {
    const int nLast = nFunction == kFunctionRec ? kLastColumnRec : kLastColumnMem;
    return UsesRowOne(nModel) ? nLast + 2 : nLast;
}

const CTimeAxisCell& GetTimeAxisCell(int nRow, int nColumn) {
    if (nRow < 0 || nRow >= kTimeAxisRows || nColumn < 0 || nColumn >= kTimeAxisColumns) {
        return kEmptyTimeAxisCell;
    }
    return TimeAxisTable[nRow][nColumn];
}

} // namespace spanwise
