#pragma once

#include "conditions/ChannelTables.h"
#include "conditions/TimeRanges.h"
#include "res/ModelEntries.h"

#include <iterator>

// The models: one row each with everything the dialog offers and computes for it. A model
// is known everywhere by its position in the Model Number list; only the catalogue tells one
// model from another, so adding a model is a template entry and a row here.

namespace spanwise {

// One model for each entry of the Model Number list.
constexpr int kModelCount = static_cast<int>(std::size(kModelEntries));

// Positions in the Model Number list, for tests and tables of expected values that name a model.
enum ModelIndex : int {
    kAlder = 0, // "Alder/Alder-W"
    kBirch = 1, // "Birch/Birch-W"
    kCedar = 2,
    kDamson = 3,
    kElm = 4, // "Elm/Elm-2"
    kFir = 5,
    kGum = 6, // "Gum/Gum-2"
    kHazel = 7,
    kIvy = 8,
    kJuniper = 9,
    kKauri = 10,
};

constexpr int kMemoryLabelColumns = 4;
constexpr int kMemoryPositions = 4;
constexpr int kChannelPositions = 6;

// One row of the Internal Memory label table: the leading nOffered labels are the list's entries.
struct CMemoryLabelRow {
    const char* labels[kMemoryLabelColumns];
    int nOffered;
};

// How the maximum recording length follows from the selections.
enum class LengthRule {
    // One number, the first MEM entry, whatever else is selected.
    Fixed,
    // MEM: the memory position's divisions over the channel divisor; REC: the REC divisions.
    ByChannels,
    // MEM: the memory position's divisions over the channel divisor times the sampling and
    // scanner-unit multiplier; REC: over a divisor set by the scanner unit. Both then snapped to
    // the instrument's steps.
    ByConfiguration,
};

// The choices a model offers in the lists after Model Number; a list whose choice a model does
// not offer is forced to its first entry and disabled.
enum Offers : unsigned {
    kOffersNothing = 0,
    kMemoryChoice = 1U << 0,     // Internal Memory
    kRecFunction = 1U << 1,      // Function: REC besides MEM
    kDualAxisSampling = 1U << 2, // Sampling: dual-axis besides single-axis
    kScannerUnit = 1U << 3,      // the Sable scanner unit
};

// The Channels list: a choice, or disabled where it stands, or disabled at its first entry.
enum class ChannelChoice { Offered, Fixed, FirstOnly };

struct CModelRow {
    const char* name; // its Model Number entry

    // Internal Memory: the labels offered.
    CMemoryLabelRow memory;
    unsigned offers; // Offers

    // Channels: one row, or kConfiguredChannelRows rows by 2 x sampling + scanner.
    const CChannelRow* pChannelRows;
    int nChannelRows;
    ChannelChoice channels;

    // Maximum recording length: divisions by memory position (0 where nothing is offered) and
    // the channel divisor by channel position.
    LengthRule lengthRule;
    int memDivs[kMemoryPositions];
    int recDivs[kMemoryPositions];
    int channelDivisors[kChannelPositions];

    // Time axis: the row of the time-axis table and the window offered under MEM and under REC,
    // and with the scanner unit installed (under MEM with single-axis sampling only).
    TimeAxisRowId timeAxisRow;
    CTimeWindow memWindow;
    CTimeWindow recWindow;
    CTimeWindow sableMemWindow;
    CTimeWindow sableRecWindow;
};

extern const CModelRow kModelCatalogue[kModelCount];

// The row of model nModel; a model outside the catalogue offers nothing and allows no choice.
const CModelRow& GetModelRow(int nModel);

// Function list positions.
constexpr int kFunctionMem = 0;
constexpr int kFunctionRec = 1;

// String ids of the scanner-unit entries.
constexpr unsigned IDS_SABLE_NOT_INSTALLED = 1000;
constexpr unsigned IDS_SABLE_INSTALLED = 1001;
constexpr unsigned IDS_ONLY_SABLE_INSTALLED = 1002;

// Scanner-unit id table: row 0 under MEM with single-axis sampling, row 1 otherwise.
extern const unsigned kScannerIdTable[2][2];

// Queries on the catalogue.
int GetMemoryEntryCount(int nModel);
bool HasMemoryChoice(int nModel);     // false: the list shows only the placeholder "-"
bool HasRecFunction(int nModel);      // false: MEM is forced
bool HasDualAxisSampling(int nModel); // false: single-axis is forced
bool TakesScannerUnit(int nModel);    // false: "Sable Not Installed" is forced
bool HasChannelChoice(int nModel);    // false: the Channels list is disabled
int GetScannerRow(int nFunction, int nSampling);

// The window the Time-axis Range list offers for these selections.
const CTimeWindow& GetTimeWindow(int nModel, int nFunction, int nSampling, int nScanner);

} // namespace spanwise
