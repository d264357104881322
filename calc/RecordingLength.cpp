#include "calc/RecordingLength.h"

#include "conditions/ModelCatalogue.h"

namespace spanwise {

namespace {

constexpr int kMemoryPositions = 4;
constexpr int kChannelPositions = 6;

// Alder and Birch: divisions the whole memory holds at divisor 1, by memory position. Both
// models share the numbers; only their memory labels differ.
// clang-format off
const int kAlderBirchMemoryDivs[kMemoryPositions] = {320000, 1280000, 5120000, 10240000};
// clang-format on

// Models with a memory choice of their own, MEM and REC divisions by memory position. A 0 stands
// where the model's Internal Memory list offers nothing.
struct CMemoryDivsRow {
    int nModel;
    int mem[kMemoryPositions];
    int rec[kMemoryPositions];
};

// clang-format off
const CMemoryDivsRow kMemoryDivsTable[] = {
    //       MEM                            REC
    {kCedar, {320000, 1280000, 5120000, 0}, {20000, 80000, 320000, 0}},
    {kElm,   { 80000,  320000,       0, 0}, { 2000, 10000,      0, 0}},
    {kFir,   {160000,  640000,       0, 0}, { 2000, 10000,      0, 0}},
};
// clang-format on

// Models whose memory position is not read.
struct CFixedDivsRow {
    int nModel;
    int nMem; // before the channel divisor, where it applies
    int nRec;
    bool bChannelDivisor;
};

// clang-format off
const CFixedDivsRow kFixedDivsTable[] = {
    //             MEM    REC    channel divisor
    {kDamson,     40000,  2000,  true},
    {kGum,          500,   500,  false},
    {kHazel,       3200,   400,  true},
    {kIvy,         3200,   400,  true},
    {kJuniper,    20000, 20000,  false},
    {kKauri,     320000, 20000,  true},
};
// clang-format on

// Channel divisor by channel position; a 0 stands where the model's Channels list offers nothing.
constexpr int kAnyOtherModel = -1;

struct CChannelDivisorRow {
    int nModel;
    int divisors[kChannelPositions];
};

// clang-format off
const CChannelDivisorRow kChannelDivisorTable[] = {
    //                   0  1   2   3   4   5
    {kCedar,           {2, 4,  8,  0,  0,  0}},
    {kElm,             {2, 4,  8, 16,  0,  0}},
    {kFir,             {4, 8, 16, 32,  0,  0}},
    {kAnyOtherModel,   {1, 2,  4,  8, 16, 32}},
};

// Alder and Birch under MEM: the channel divisor is multiplied by [sampling][scanner entry].
const int kConfigurationMultiplier[2][2] = {
    // not installed  installed
    {1,               8},  // single-axis ("Only Sable Installed")
    {2,              16},  // dual-axis ("Sable Installed")
};

// Alder and Birch, MEM and REC alike: a computed value found here is replaced by its result; any
// other value passes unchanged.
struct CSnapRow {
    int nComputed;
    int nResult;
};

const CSnapRow kSnapTable[] = {
    {2500, 2000},
    {1250, 1000},
    { 625,  500},
    { 312,  200},
    { 156,  100},
};
// clang-format on

bool IsModel(int nModel) {
    return nModel >= 0 && nModel < kModelCount;
}

bool IsMemoryPosition(int nMemory) {
    return nMemory >= 0 && nMemory < kMemoryPositions;
}

bool IsZeroOrOne(int n) {
    return n == 0 || n == 1;
}

int Snap(int nDivs) {
    for (const CSnapRow& row : kSnapTable) {
        if (row.nComputed == nDivs) {
            return row.nResult;
        }
    }
    return nDivs;
}

// nDivs / nDivisor, or 0 where the divisor marks a position that is never offered.
int DivideOrZero(int nDivs, int nDivisor) {
    return nDivisor > 0 ? nDivs / nDivisor : 0;
}

int GetAlderBirchDivs(int nModel, int nMemory, int nFunction, int nSampling, int nScanner,
                      int nChannels) {
    if (!IsMemoryPosition(nMemory) || !IsZeroOrOne(nScanner)) {
        return 0;
    }
    const int nMemoryDivs = kAlderBirchMemoryDivs[nMemory];
    if (nFunction == kFunctionRec) {
        // Channels and sampling do not enter under REC.
        return Snap(nMemoryDivs / 2 / (nScanner == 1 ? 128 : 32));
    }
    if (!IsZeroOrOne(nSampling)) {
        return 0;
    }
    const int nDivisor =
        GetChannelDivisor(nModel, nChannels) * kConfigurationMultiplier[nSampling][nScanner];
    return Snap(DivideOrZero(nMemoryDivs, nDivisor));
}

} // namespace

int GetChannelDivisor(int nModel, int nChannels) {
    if (!IsModel(nModel) || nChannels < 0 || nChannels >= kChannelPositions) {
        return 0;
    }
    for (const CChannelDivisorRow& row : kChannelDivisorTable) {
        if (row.nModel == nModel || row.nModel == kAnyOtherModel) {
            return row.divisors[nChannels];
        }
    }
    return 0;
}

int GetRecordingLengthDivs(int nModel, int nMemory, int nFunction, int nSampling, int nScanner,
                           int nChannels) {
    // Gum/Gum-2 and Juniper give their one number whatever the other selections are.
    for (const CFixedDivsRow& row : kFixedDivsTable) {
        if (row.nModel == nModel && !row.bChannelDivisor) {
            return row.nMem;
        }
    }
    if (nFunction != kFunctionMem && nFunction != kFunctionRec) {
        return 0;
    }
    const bool bRec = nFunction == kFunctionRec;
    if (nModel == kAlder || nModel == kBirch) {
        return GetAlderBirchDivs(nModel, nMemory, nFunction, nSampling, nScanner, nChannels);
    }
    for (const CMemoryDivsRow& row : kMemoryDivsTable) {
        if (row.nModel == nModel) {
            if (!IsMemoryPosition(nMemory)) {
                return 0;
            }
            return bRec ? row.rec[nMemory]
                        : DivideOrZero(row.mem[nMemory], GetChannelDivisor(nModel, nChannels));
        }
    }
    for (const CFixedDivsRow& row : kFixedDivsTable) {
        if (row.nModel == nModel) {
            return bRec ? row.nRec : DivideOrZero(row.nMem, GetChannelDivisor(nModel, nChannels));
        }
    }
    return 0;
}

} // namespace spanwise
