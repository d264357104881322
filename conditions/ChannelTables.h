#pragma once

// The channel configurations each model offers under each sampling mode and scanner-unit choice.

namespace spanwise {

constexpr int kChannelLabelColumns = 6;

struct CChannelRow {
    const char* labels[kChannelLabelColumns];
    int nOffered;
};

// Models with a choice of sampling and scanner unit: four rows each, row = 2 x sampling + scanner.
constexpr int kConfiguredChannelRows = 4;
extern const CChannelRow kAlderChannelRows[kConfiguredChannelRows];
extern const CChannelRow kBirchChannelRows[kConfiguredChannelRows];

// Every other model: one row of its own.
extern const CChannelRow kCedarChannelRow;
extern const CChannelRow kDamsonChannelRow;
extern const CChannelRow kElmChannelRow;
extern const CChannelRow kFirChannelRow;
extern const CChannelRow kGumChannelRow;
extern const CChannelRow kHazelChannelRow;
extern const CChannelRow kIvyChannelRow;
extern const CChannelRow kJuniperChannelRow;
extern const CChannelRow kKauriChannelRow;

// Nothing offered: the row for positions outside the tables.
extern const CChannelRow kEmptyChannelRow;

// The row the Channels list shows for the model, sampling and scanner-unit positions.
const CChannelRow& GetChannelRow(int nModel, int nSampling, int nScanner);

} // namespace spanwise
