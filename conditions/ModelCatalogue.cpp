#include "conditions/ModelCatalogue.h"

namespace spanwise {

namespace {

using R = TimeRange;

} // namespace

// One row per model, in Model Number order. Each row reads, line by line:
//   name;
//   Internal Memory labels and entries offered; the choices offered;
//   channel rows and their count; the Channels list's choice;
//   recording-length rule; MEM divisions by memory position; REC divisions; channel divisors;
//   time-axis row; window under MEM, under REC, with the scanner unit under MEM, under REC.
// clang-format off
constexpr CModelRow kModelCatalogue[kModelCount] = {
    {"Alder/Alder-W",
     {{"32MW", "128MW", "512MW", "1GW"}, 4}, kMemoryChoice | kRecFunction | kDualAxisSampling | kScannerUnit,
     kAlderChannelRows, kConfiguredChannelRows, ChannelChoice::Offered,
     LengthRule::ByConfiguration, {320000, 1280000, 5120000, 10240000}, {0, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDivTo100s, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}, {R::k1ms, R::k5min}, {R::k50ms, R::k1hour}},
    {"Birch/Birch-W",
     {{"64MW", "256MW", "1GW", "2GW"}, 4}, kMemoryChoice | kRecFunction | kDualAxisSampling | kScannerUnit,
     kBirchChannelRows, kConfiguredChannelRows, ChannelChoice::Offered,
     LengthRule::ByConfiguration, {320000, 1280000, 5120000, 10240000}, {0, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDivTo100s, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}, {R::k1ms, R::k5min}, {R::k50ms, R::k1hour}},
    {"Cedar",
     {{"32MW", "128MW", "512MW", ""}, 3}, kMemoryChoice | kRecFunction,
     &kCedarChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {320000, 1280000, 5120000, 0}, {20000, 80000, 320000, 0}, {2, 4, 8, 0, 0, 0},
     kRow100PerDiv, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}},
    {"Damson",
     {{"4MW", "", "", ""}, 1}, kMemoryChoice | kRecFunction,
     &kDamsonChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {40000, 0, 0, 0}, {2000, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDiv, {R::k100us, R::k5min}, {R::k10ms, R::k1hour}, {R::k100us, R::k5min}, {R::k10ms, R::k1hour}},
    {"Elm/Elm-2",
     {{"8MW", "32MW", "", ""}, 2}, kMemoryChoice | kRecFunction,
     &kElmChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {80000, 320000, 0, 0}, {2000, 10000, 0, 0}, {2, 4, 8, 16, 0, 0},
     kRow100PerDiv, {R::k100us, R::k5min}, {R::k20ms, R::k1hour}, {R::k100us, R::k5min}, {R::k20ms, R::k1hour}},
    {"Fir",
     {{"16MW", "64MW", "", ""}, 2}, kMemoryChoice | kRecFunction,
     &kFirChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {160000, 640000, 0, 0}, {2000, 10000, 0, 0}, {4, 8, 16, 32, 0, 0},
     kRow100PerDiv, {R::k100us, R::k5min}, {R::k20ms, R::k1hour}, {R::k100us, R::k5min}, {R::k20ms, R::k1hour}},
    {"Gum/Gum-2",
     {{"-", "", "", ""}, 4}, kOffersNothing,
     &kGumChannelRow, 1, ChannelChoice::FirstOnly,
     LengthRule::Fixed, {500, 0, 0, 0}, {500, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDiv, {R::k100us, R::k5min}, {R::k100us, R::k1hour}, {R::k100us, R::k5min}, {R::k100us, R::k1hour}},
    {"Hazel",
     {{"-", "", "", ""}, 4}, kRecFunction,
     &kHazelChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {3200, 0, 0, 0}, {400, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow80PerDiv, {R::k200us, R::k5min}, {R::k100ms, R::k1hour}, {R::k200us, R::k5min}, {R::k100ms, R::k1hour}},
    {"Ivy",
     {{"-", "", "", ""}, 4}, kRecFunction,
     &kIvyChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {3200, 0, 0, 0}, {400, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow80PerDiv, {R::k200us, R::k5min}, {R::k100ms, R::k1hour}, {R::k200us, R::k5min}, {R::k100ms, R::k1hour}},
    {"Juniper",
     {{"-", "", "", ""}, 4}, kOffersNothing,
     &kJuniperChannelRow, 1, ChannelChoice::Fixed,
     LengthRule::Fixed, {20000, 0, 0, 0}, {20000, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDiv, {R::k100us, R::k5min}, {R::k100us, R::k1hour}, {R::k100us, R::k5min}, {R::k100us, R::k1hour}},
    {"Kauri",
     {{"64MW", "", "", ""}, 1}, kMemoryChoice | kRecFunction,
     &kKauriChannelRow, 1, ChannelChoice::Offered,
     LengthRule::ByChannels, {320000, 0, 0, 0}, {20000, 0, 0, 0}, {1, 2, 4, 8, 16, 32},
     kRow100PerDivTo100s, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}, {R::k5us, R::k5min}, {R::k10ms, R::k1hour}},
};

const unsigned kScannerIdTable[2][2] = {
    //  entry 0                  entry 1
    {IDS_SABLE_NOT_INSTALLED, IDS_ONLY_SABLE_INSTALLED}, // MEM, single-axis
    {IDS_SABLE_NOT_INSTALLED, IDS_SABLE_INSTALLED},      // REC, or dual-axis
};
// clang-format on

namespace {

// A model outside the catalogue: nothing offered, no choice, no recording length, and the windows
// of the first time-axis row from its first range.
// clang-format off
const CModelRow kNoModel = {
    "",
    {{"", "", "", ""}, 0}, kOffersNothing,
    &kEmptyChannelRow, 1, ChannelChoice::Fixed,
    LengthRule::ByChannels, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
    kRow100PerDiv, {R::k5us, R::k5min}, {R::k5us, R::k1hour}, {R::k5us, R::k5min}, {R::k5us, R::k1hour},
};
// clang-format on

constexpr bool SameText(const char* a, const char* b) {
    for (; *a != '\0' && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

constexpr bool CatalogueFollowsTemplate() {
    for (int i = 0; i < kModelCount; ++i) {
        if (!SameText(kModelEntries[i], kModelCatalogue[i].name)) {
            return false;
        }
    }
    return true;
}

} // namespace

static_assert(CatalogueFollowsTemplate(),
              "the catalogue must have one row for each Model Number entry, in the same order");

const CModelRow& GetModelRow(int nModel) {
    return nModel >= 0 && nModel < kModelCount ? kModelCatalogue[nModel] : kNoModel;
}

int GetMemoryEntryCount(int nModel) {
    return GetModelRow(nModel).memory.nOffered;
}

bool HasMemoryChoice(int nModel) {
    return (GetModelRow(nModel).offers & kMemoryChoice) != 0;
}

bool HasRecFunction(int nModel) {
    return (GetModelRow(nModel).offers & kRecFunction) != 0;
}

bool HasDualAxisSampling(int nModel) {
    return (GetModelRow(nModel).offers & kDualAxisSampling) != 0;
}

bool TakesScannerUnit(int nModel) {
    return (GetModelRow(nModel).offers & kScannerUnit) != 0;
}

bool HasChannelChoice(int nModel) {
    return GetModelRow(nModel).channels == ChannelChoice::Offered;
}

// Only MEM with single-axis sampling offers "Only Sable Installed"; a sampling position other
// than single-axis counts as dual-axis, so the row is always 0 or 1.
int GetScannerRow(int nFunction, int nSampling) {
    if (nFunction == kFunctionRec) {
        return 1;
    }
    return nSampling == 0 ? 0 : 1;
}

// The scanner unit's windows are the plain ones for a model that takes none.
const CTimeWindow& GetTimeWindow(int nModel, int nFunction, int nSampling, int nScanner) {
    const CModelRow& model = GetModelRow(nModel);
    const bool bRec = nFunction == kFunctionRec;
    if (nScanner == 1) {
        if (bRec) {
            return model.sableRecWindow;
        }
        if (nSampling == 0) {
            return model.sableMemWindow;
        }
    }
    return bRec ? model.recWindow : model.memWindow;
}

} // namespace spanwise
