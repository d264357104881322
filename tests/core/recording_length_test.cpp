#include "calc/RecordingLength.h"
#include "conditions/ModelCatalogue.h"

#include <climits>

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// Calls f with every combination of positions the lists can hold.
template <typename F> void ForEachSelection(F f) {
    for (int nMemory = 0; nMemory < 4; ++nMemory)
        for (int nFunction : {kFunctionMem, kFunctionRec})
            for (int nSampling : {0, 1})
                for (int nScanner : {0, 1})
                    for (int nChannels = 0; nChannels < 6; ++nChannels)
                        f(nMemory, nFunction, nSampling, nScanner, nChannels);
}

struct AlderBirchMem {
    int nSampling, nScanner, nChannels;
    int divs[4]; // by memory position
};

TEST(RecordingLength, AlderAndBirchMem) {
    // clang-format off
    const AlderBirchMem kRows[] = {
        {0, 0, 0, {320000, 1280000, 5120000, 10240000}},
        {0, 0, 1, {160000,  640000, 2560000,  5120000}},
        {0, 0, 2, { 80000,  320000, 1280000,  2560000}},
        {0, 0, 3, { 40000,  160000,  640000,  1280000}},
        {0, 0, 4, { 20000,   80000,  320000,   640000}},
        {0, 0, 5, { 10000,   40000,  160000,   320000}},
        {0, 1, 0, { 40000,  160000,  640000,  1280000}},
        {0, 1, 1, { 20000,   80000,  320000,   640000}},
        {0, 1, 2, { 10000,   40000,  160000,   320000}},
        {0, 1, 3, {  5000,   20000,   80000,   160000}},
        {0, 1, 4, {  2000,   10000,   40000,    80000}}, // 2500 snapped
        {1, 0, 0, {160000,  640000, 2560000,  5120000}},
        {1, 0, 1, { 80000,  320000, 1280000,  2560000}},
        {1, 0, 2, { 40000,  160000,  640000,  1280000}},
        {1, 0, 3, { 20000,   80000,  320000,   640000}},
        {1, 0, 4, { 10000,   40000,  160000,   320000}},
        {1, 1, 0, { 20000,   80000,  320000,   640000}},
        {1, 1, 1, { 10000,   40000,  160000,   320000}},
        {1, 1, 2, {  5000,   20000,   80000,   160000}},
        {1, 1, 3, {  2000,   10000,   40000,    80000}}, // 2500 snapped
        {1, 1, 4, {  1000,    5000,   20000,    40000}}, // 1250 snapped
    };
    // clang-format on
    for (int nModel : {kAlder, kBirch}) {
        for (const AlderBirchMem& row : kRows) {
            for (int nMemory = 0; nMemory < 4; ++nMemory) {
                SCOPED_TRACE(::testing::Message()
                             << "model " << nModel << " " << row.nSampling << row.nScanner
                             << " channels " << row.nChannels << " memory " << nMemory);
                EXPECT_EQ(GetRecordingLengthDivs(nModel, nMemory, kFunctionMem, row.nSampling,
                                                 row.nScanner, row.nChannels),
                          row.divs[nMemory]);
            }
        }
    }
}

TEST(RecordingLength, AlderAndBirchRecDependsOnScannerOnly) {
    const int kRec[2][4] = {
        {5000, 20000, 80000, 160000}, // "Sable Not Installed"
        {1000, 5000, 20000, 40000},   // "Sable Installed", 1250 snapped
    };
    for (int nModel : {kAlder, kBirch}) {
        ForEachSelection(
            [&](int nMemory, int nFunction, int nSampling, int nScanner, int nChannels) {
                if (nFunction == kFunctionRec) {
                    EXPECT_EQ(GetRecordingLengthDivs(nModel, nMemory, nFunction, nSampling,
                                                     nScanner, nChannels),
                              kRec[nScanner][nMemory]);
                }
            });
    }
}

struct OtherModel {
    int nModel, nMemory, nChannels;
    int mem[4]; // by channel position
    int nRec;
};

TEST(RecordingLength, OtherModels) {
    // clang-format off
    const OtherModel kRows[] = {
        //                MEM by channel position           REC
        {kCedar,  0, 3, { 160000,   80000,  40000},         20000},
        {kCedar,  1, 3, { 640000,  320000, 160000},         80000},
        {kCedar,  2, 3, {2560000, 1280000, 640000},        320000},
        {kDamson, 0, 4, {  40000,   20000,  10000,  5000},   2000},
        {kElm,    0, 4, {  40000,   20000,  10000,  5000},   2000},
        {kElm,    1, 4, { 160000,   80000,  40000, 20000},  10000},
        {kFir,    0, 4, {  40000,   20000,  10000,  5000},   2000},
        {kFir,    1, 4, { 160000,   80000,  40000, 20000},  10000},
        {kHazel,  0, 2, {   3200,    1600},                   400},
        {kIvy,    0, 3, {   3200,    1600,    800},           400},
        {kKauri,  0, 4, { 320000,  160000,  80000, 40000},  20000},
    };
    // clang-format on
    for (const OtherModel& row : kRows) {
        for (int nChannels = 0; nChannels < row.nChannels; ++nChannels) {
            SCOPED_TRACE(::testing::Message() << "model " << row.nModel << " memory " << row.nMemory
                                              << " channels " << nChannels);
            EXPECT_EQ(
                GetRecordingLengthDivs(row.nModel, row.nMemory, kFunctionMem, 0, 0, nChannels),
                row.mem[nChannels]);
            EXPECT_EQ(
                GetRecordingLengthDivs(row.nModel, row.nMemory, kFunctionRec, 0, 0, nChannels),
                row.nRec);
        }
    }
}

TEST(RecordingLength, GumAndJuniperIgnoreEverySelection) {
    ForEachSelection([](int nMemory, int nFunction, int nSampling, int nScanner, int nChannels) {
        EXPECT_EQ(GetRecordingLengthDivs(kGum, nMemory, nFunction, nSampling, nScanner, nChannels),
                  500);
        EXPECT_EQ(
            GetRecordingLengthDivs(kJuniper, nMemory, nFunction, nSampling, nScanner, nChannels),
            20000);
    });
}

TEST(RecordingLength, PositionsNeverOfferedGiveZero) {
    struct Case {
        int nModel, nMemory, nFunction, nSampling, nScanner, nChannels;
    };
    // clang-format off
    const Case kCases[] = {
        {kCedar,      3, kFunctionMem, 0, 0, 0}, // no fourth memory
        {kCedar,      3, kFunctionRec, 0, 0, 0},
        {kElm,        2, kFunctionMem, 0, 0, 0},
        {kCedar,      0, kFunctionMem, 0, 0, 3}, // no fourth channel entry: divisor 0
        {kFir,        0, kFunctionMem, 0, 0, 4},
        {kAlder,      4, kFunctionMem, 0, 0, 0},
        {kAlder,      0, kFunctionMem, 2, 0, 0},
        {kBirch,      0, kFunctionRec, 0, 2, 0},
        {kDamson,     0, kFunctionMem, 0, 0, 6},
        {kKauri,      0, 2,            0, 0, 0},
        {-1,          0, kFunctionMem, 0, 0, 0},
        {kModelCount, 0, kFunctionMem, 0, 0, 0},
    };
    // clang-format on
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message()
                     << c.nModel << " " << c.nMemory << " " << c.nFunction << " " << c.nSampling
                     << c.nScanner << " " << c.nChannels);
        EXPECT_EQ(GetRecordingLengthDivs(c.nModel, c.nMemory, c.nFunction, c.nSampling, c.nScanner,
                                         c.nChannels),
                  0);
    }
    EXPECT_EQ(GetChannelDivisor(kCedar, 3), 0);
    EXPECT_EQ(GetChannelDivisor(kElm, 4), 0);
    EXPECT_EQ(GetChannelDivisor(kHazel, 5), 32); // the shared row is full
}

TEST(RecordingLength, AnyInputStaysInRange) {
    const int kValues[] = {INT_MIN, -1, 0, 1, 2, 3, 4, 5, 6, 10, 11, INT_MAX};
    for (int nModel : kValues) {
        for (int nMemory : kValues) {
            for (int nFunction : kValues) {
                for (int nSampling : kValues) {
                    for (int nScanner : kValues) {
                        for (int nChannels : kValues) {
                            const int nDivs = GetRecordingLengthDivs(
                                nModel, nMemory, nFunction, nSampling, nScanner, nChannels);
                            ASSERT_GE(nDivs, 0);
                            ASSERT_LE(nDivs, 10240000);
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace spanwise
