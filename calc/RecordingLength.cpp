#include "calc/RecordingLength.h"

#include "conditions/ModelCatalogue.h"

namespace spanwise {

namespace {

// clang-format off
// LengthRule::ByConfiguration under MEM: the channel divisor is multiplied by
// [sampling][scanner entry].
const int kConfigurationMultiplier[2][2] = {
    // not installed  installed
    {1,               8},  // single-axis ("Only Sable Installed")
    {2,              16},  // dual-axis ("Sable Installed")
};

// LengthRule::ByConfiguration under REC: half the memory's divisions over this divisor, by scanner
// entry; channels and sampling do not enter.
const int kRecDivisor[2] = {32, 128};

// LengthRule::ByConfiguration, MEM and REC alike: a computed value found here is replaced by its
// result; any other value passes unchanged.
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

int GetConfiguredDivs(const CModelRow& model, int nMemory, bool bRec, int nSampling, int nScanner,
                      int nChannelDivisor) {
    if (!IsZeroOrOne(nScanner)) {
        return 0;
    }
    const int nMemoryDivs = model.memDivs[nMemory];
    if (bRec) {
        return Snap(nMemoryDivs / 2 / kRecDivisor[nScanner]);
    }
    if (!IsZeroOrOne(nSampling)) {
        return 0;
    }
    return Snap(
        DivideOrZero(nMemoryDivs, nChannelDivisor * kConfigurationMultiplier[nSampling][nScanner]));
}

} // namespace

int GetChannelDivisor(int nModel, int nChannels) {
    if (nChannels < 0 || nChannels >= kChannelPositions) {
        return 0;
    }
    return GetModelRow(nModel).channelDivisors[nChannels];
}

int GetRecordingLengthDivs(int nModel, int nMemory, int nFunction, int nSampling, int nScanner,
                           int nChannels) {
    const CModelRow& model = GetModelRow(nModel);
    if (model.lengthRule == LengthRule::Fixed) {
        return model.memDivs[0];
    }
    if ((nFunction != kFunctionMem && nFunction != kFunctionRec) || !IsMemoryPosition(nMemory)) {
        return 0;
    }
    const bool bRec = nFunction == kFunctionRec;
    const int nChannelDivisor = GetChannelDivisor(nModel, nChannels);
    if (model.lengthRule == LengthRule::ByConfiguration) {
        return GetConfiguredDivs(model, nMemory, bRec, nSampling, nScanner, nChannelDivisor);
    }
    return bRec ? model.recDivs[nMemory] : DivideOrZero(model.memDivs[nMemory], nChannelDivisor);
}

} // namespace spanwise
