#pragma once

// The channel configurations each model offers under each sampling mode and scanner-unit choice.

namespace spanwise {

constexpr int kChannelLabelColumns = 6;

struct CChannelRow {
    const char* labels[kChannelLabelColumns];
    int nOffered;
};

// Alder and Birch: four rows each, row = 2 x sampling + scanner.
extern const CChannelRow kAlderChannelRows[4];
extern const CChannelRow kBirchChannelRows[4];
// Every other model: one row, indexed by ModelIndex (rows 0 and 1 are unused and empty).
extern const CChannelRow kModelChannelRows[11];

// The row the Channels list shows; an empty row (nothing offered) for positions outside the
// tables.
const CChannelRow& GetChannelRow(int nModel, int nSampling, int nScanner);

} // namespace spanwise
