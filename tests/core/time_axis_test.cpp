#include "calc/TimeAxisTable.h"
#include "conditions/ModelCatalogue.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace spanwise {
namespace {

struct Window {
    std::vector<int> models;
    int nFunction, nSampling, nScanner;
    int nRow, nFirst, nLast, nEntries;
    const char* first;
    const char* last;
};

TEST(TimeAxisWindow, EveryModelAndCondition) {
    const int M = kFunctionMem;
    const int R = kFunctionRec;
    // clang-format off
    const Window kWindows[] = {
        {{kAlder, kBirch},     M, 0, 1,  1,  7, 25, 19, "1ms/div",   "5min/div"},
        {{kAlder, kBirch},     M, 0, 0,  1,  0, 25, 26, "5us/div",   "5min/div"},
        {{kAlder, kBirch},     M, 1, 0,  1,  0, 25, 26, "5us/div",   "5min/div"},
        {{kAlder, kBirch},     M, 1, 1,  1,  0, 25, 26, "5us/div",   "5min/div"},
        {{kAlder, kBirch},     R, 0, 1,  1, 12, 28, 17, "50ms/div",  "1hour/div"},
        {{kAlder, kBirch},     R, 1, 1,  1, 12, 28, 17, "50ms/div",  "1hour/div"},
        {{kAlder, kBirch},     R, 0, 0,  1, 10, 28, 19, "10ms/div",  "1hour/div"},
        {{kAlder, kBirch},     R, 1, 0,  1, 10, 28, 19, "10ms/div",  "1hour/div"},
        {{kCedar},             M, 0, 0,  0,  0, 23, 24, "5us/div",   "5min/div"},
        {{kCedar},             R, 0, 0,  0, 10, 26, 17, "10ms/div",  "1hour/div"},
        {{kDamson},            M, 0, 0,  0,  4, 23, 20, "100us/div", "5min/div"},
        {{kDamson},            R, 0, 0,  0, 10, 26, 17, "10ms/div",  "1hour/div"},
        {{kElm, kFir},         M, 0, 0,  0,  4, 23, 20, "100us/div", "5min/div"},
        {{kElm, kFir},         R, 0, 0,  0, 11, 26, 16, "20ms/div",  "1hour/div"},
        {{kGum, kJuniper},     M, 0, 0,  0,  4, 23, 20, "100us/div", "5min/div"},
        {{kHazel, kIvy},       M, 0, 0,  2,  5, 23, 19, "200us/div", "5min/div"},
        {{kHazel, kIvy},       R, 0, 0,  2, 13, 26, 14, "100ms/div", "1hour/div"},
        {{kKauri},             M, 0, 0,  1,  0, 25, 26, "5us/div",   "5min/div"},
        {{kKauri},             R, 0, 0,  1, 10, 28, 19, "10ms/div",  "1hour/div"},
    };
    // clang-format on
    for (const Window& w : kWindows) {
        for (int nModel : w.models) {
            SCOPED_TRACE(::testing::Message() << "model " << nModel << " function " << w.nFunction
                                              << " " << w.nSampling << w.nScanner);
            const int nFirst = GetFirstTimeRangeIndex(nModel, w.nFunction, w.nSampling, w.nScanner);
            const int nLast = GetLastTimeRangeIndex(nModel, w.nFunction);
            EXPECT_EQ(TimeAxisRow(nModel), w.nRow);
            EXPECT_EQ(nFirst, w.nFirst);
            EXPECT_EQ(nLast, w.nLast);
            EXPECT_EQ(nLast - nFirst + 1, w.nEntries);
            EXPECT_STREQ(GetTimeAxisCell(w.nRow, nFirst).label, w.first);
            EXPECT_STREQ(GetTimeAxisCell(w.nRow, nLast).label, w.last);
        }
    }
}

TEST(TimeAxisWindow, EveryCellInsideAWindowIsFilled) {
    for (int nModel = 0; nModel < kModelCount; ++nModel) {
        for (int nFunction : {kFunctionMem, kFunctionRec}) {
            for (int nSampling : {0, 1}) {
                for (int nScanner : {0, 1}) {
                    const int nRow = TimeAxisRow(nModel);
                    const int nFirst =
                        GetFirstTimeRangeIndex(nModel, nFunction, nSampling, nScanner);
                    const int nLast = GetLastTimeRangeIndex(nModel, nFunction);
                    EXPECT_GE(nLast - nFirst + 1, 14);
                    for (int nColumn = nFirst; nColumn <= nLast; ++nColumn) {
                        SCOPED_TRACE(::testing::Message() << nRow << "/" << nColumn);
                        const CTimeAxisCell& cell = GetTimeAxisCell(nRow, nColumn);
                        EXPECT_STRNE(cell.label, "");
                        EXPECT_STRNE(cell.period, "");
                        EXPECT_GT(cell.secondsPerDiv, 0.0);
                    }
                }
            }
        }
    }
}

// The number of seconds a label such as "5us/div" or "62.5ms/S" stands for. strtod("5e-6") is
// the double nearest to 0.000005, so the table must hold exactly that value. -1 for an unknown
// unit.
double LabelSeconds(const std::string& label, const char* suffix) {
    const std::string text = label.substr(0, label.size() - std::strlen(suffix));
    const std::size_t nUnit = text.find_first_not_of("0123456789.");
    const std::string number = text.substr(0, nUnit);
    const std::string unit = text.substr(nUnit);
    if (unit == "ns" || unit == "us" || unit == "ms" || unit == "s") {
        const char* exponent = unit == "ns"   ? "e-9"
                               : unit == "us" ? "e-6"
                               : unit == "ms" ? "e-3"
                                              : "";
        return std::strtod((number + exponent).c_str(), nullptr);
    }
    if (unit == "min" || unit == "hour") {
        return std::strtod(number.c_str(), nullptr) * (unit == "min" ? 60 : 3600);
    }
    return -1;
}

// The longest row has 29 ranges; the others read as empty past their end.
constexpr int kTimeAxisColumns = 29;

TEST(TimeAxisTable, SecondsAndPeriodsMatchTheLabels) {
    for (int nRow = 0; nRow < kTimeAxisRows; ++nRow) {
        const double dSamplesPerDiv = nRow == 2 ? 80 : 100;
        double dPrevious = 0;
        for (int nColumn = 0; nColumn < kTimeAxisColumns; ++nColumn) {
            SCOPED_TRACE(::testing::Message() << nRow << "/" << nColumn);
            const CTimeAxisCell& cell = GetTimeAxisCell(nRow, nColumn);
            if (nRow != 1 && nColumn >= 27) {
                EXPECT_STREQ(cell.label, "");
                EXPECT_STREQ(cell.period, "");
                EXPECT_EQ(cell.secondsPerDiv, 0.0);
                continue;
            }
            EXPECT_EQ(cell.secondsPerDiv, LabelSeconds(cell.label, "/div"));
            EXPECT_GT(cell.secondsPerDiv, dPrevious);
            dPrevious = cell.secondsPerDiv;
            if (nRow == 2 && nColumn <= 4) {
                EXPECT_STREQ(cell.period, "");
            } else {
                EXPECT_DOUBLE_EQ(LabelSeconds(cell.period, "/S") * dSamplesPerDiv,
                                 cell.secondsPerDiv);
            }
        }
    }
}

TEST(TimeAxisTable, RowsDifferOnlyWhereStated) {
    for (int nColumn = 0; nColumn < kTimeAxisColumns; ++nColumn) {
        SCOPED_TRACE(nColumn);
        // Row 2 has "400us/div" where row 0 has "500us/div".
        EXPECT_STREQ(GetTimeAxisCell(2, nColumn).label,
                     nColumn == 6 ? "400us/div" : GetTimeAxisCell(0, nColumn).label);
        // Row 1 is row 0 with "50s/div" and "100s/div" inserted at columns 21 and 23.
        const int nRow0Column = nColumn < 21 ? nColumn : nColumn == 22 ? 21 : nColumn - 2;
        if (nColumn == 21 || nColumn == 23) {
            EXPECT_STREQ(GetTimeAxisCell(1, nColumn).label, nColumn == 21 ? "50s/div" : "100s/div");
        } else {
            EXPECT_STREQ(GetTimeAxisCell(1, nColumn).label, GetTimeAxisCell(0, nRow0Column).label);
            EXPECT_STREQ(GetTimeAxisCell(1, nColumn).period,
                         GetTimeAxisCell(0, nRow0Column).period);
        }
    }
}

TEST(TimeAxisTable, PositionOutsideTableGivesEmptyCell) {
    const int kOutside[][2] = {
        {-1, 0},           {kTimeAxisRows, 0}, {0, -1}, {0, kTimeAxisColumns}, {INT_MIN, INT_MIN},
        {INT_MAX, INT_MAX}};
    for (const auto& pos : kOutside) {
        SCOPED_TRACE(::testing::Message() << pos[0] << "/" << pos[1]);
        const CTimeAxisCell& cell = GetTimeAxisCell(pos[0], pos[1]);
        EXPECT_STREQ(cell.label, "");
        EXPECT_STREQ(cell.period, "");
        EXPECT_EQ(cell.secondsPerDiv, 0.0);
    }
}

} // namespace
} // namespace spanwise
