#pragma once

// The eleven models and what each offers in the Internal Memory, Function, Sampling and
// scanner-unit lists. A model is known everywhere by its position in the Model Number list.

namespace spanwise {

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
constexpr int kModelCount = 11;

constexpr int kMemoryLabelColumns = 4;

// One row of the Internal Memory label table: the leading nOffered labels are the list's entries.
struct CMemoryLabelRow {
    const char* labels[kMemoryLabelColumns];
    int nOffered;
};
extern const CMemoryLabelRow kMemoryLabelTable[kModelCount];

// Function list positions.
constexpr int kFunctionMem = 0;
constexpr int kFunctionRec = 1;

// String ids of the scanner-unit entries.
constexpr unsigned IDS_SABLE_NOT_INSTALLED = 1000;
constexpr unsigned IDS_SABLE_INSTALLED = 1001;
constexpr unsigned IDS_ONLY_SABLE_INSTALLED = 1002;

// Scanner-unit id table: row 0 under MEM with single-axis sampling, row 1 otherwise.
extern const unsigned kScannerIdTable[2][2];

// Queries on the catalogue; a model outside 0..10 offers nothing and allows no choice.
int GetMemoryEntryCount(int nModel);
bool HasMemoryChoice(int nModel);     // false: the list shows only the placeholder "-"
bool HasRecFunction(int nModel);      // false: MEM is forced
bool HasDualAxisSampling(int nModel); // false: single-axis is forced
bool TakesScannerUnit(int nModel);    // false: "Sable Not Installed" is forced
int GetScannerRow(int nFunction, int nSampling);

} // namespace spanwise
