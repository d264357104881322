#include "conditions/ModelCatalogue.h"

namespace spanwise {

// The leading nOffered labels fill the Internal Memory list. "-" marks a model without a memory
// choice; its list still holds four entries, the placeholder and three empty ones.
// clang-format off
const CMemoryLabelRow kMemoryLabelTable[kModelCount] = {
    //  label 0   label 1   label 2   label 3   offered
    {{"32MW",   "128MW",  "512MW",  "1GW"},   4}, // Alder/Alder-W
    {{"64MW",   "256MW",  "1GW",    "2GW"},   4}, // Birch/Birch-W
    {{"32MW",   "128MW",  "512MW",  ""},      3}, // Cedar
    {{"4MW",    "",       "",       ""},      1}, // Damson
    {{"8MW",    "32MW",   "",       ""},      2}, // Elm/Elm-2
    {{"16MW",   "64MW",   "",       ""},      2}, // Fir
    {{"-",      "",       "",       ""},      4}, // Gum/Gum-2
    {{"-",      "",       "",       ""},      4}, // Hazel
    {{"-",      "",       "",       ""},      4}, // Ivy
    {{"-",      "",       "",       ""},      4}, // Juniper
    {{"64MW",   "",       "",       ""},      1}, // Kauri
};

const unsigned kScannerIdTable[2][2] = {
    //  entry 0                  entry 1
    {IDS_SABLE_NOT_INSTALLED, IDS_ONLY_SABLE_INSTALLED}, // MEM, single-axis
    {IDS_SABLE_NOT_INSTALLED, IDS_SABLE_INSTALLED},      // REC, or dual-axis
};
// clang-format on

namespace {

bool IsModel(int nModel) {
    return nModel >= 0 && nModel < kModelCount;
}

bool IsAlderOrBirch(int nModel) {
    return nModel == kAlder || nModel == kBirch;
}

} // namespace

int GetMemoryEntryCount(int nModel) {
    return IsModel(nModel) ? kMemoryLabelTable[nModel].nOffered : 0;
}

bool HasMemoryChoice(int nModel) {
    return IsModel(nModel) && !(nModel >= kGum && nModel <= kJuniper);
}

bool HasRecFunction(int nModel) {
    return IsModel(nModel) && nModel != kGum && nModel != kJuniper;
}

bool HasDualAxisSampling(int nModel) {
    return IsAlderOrBirch(nModel);
}

bool TakesScannerUnit(int nModel) {
    return IsAlderOrBirch(nModel);
}

// Only MEM with single-axis sampling offers "Only Sable Installed"; a sampling position other
// than single-axis counts as dual-axis, so the row is always 0 or 1.
int GetScannerRow(int nFunction, int nSampling) {
    if (nFunction == kFunctionRec) {
        return 1;
    }
    return nSampling == 0 ? 0 : 1;
}

} // namespace spanwise
