#include "conditions/ChannelTables.h"

#include "conditions/ModelCatalogue.h"

namespace spanwise {

// Each list offers the leading nOffered labels of one row; empty labels are offered too where
// nOffered reaches them (Gum/Gum-2).
// clang-format off
const CChannelRow kAlderChannelRows[kConfiguredChannelRows] = {
    //  label 0     label 1     label 2     label 3     label 4        label 5       offered
    {{"1ch",      "2ch",      "4ch",      "8ch",      "16ch",        "16ch+logic"}, 6}, // single-axis
    {{"1*8ch",    "2*8ch",    "4*8ch",    "8*8ch",    "8*8ch+logic", ""},           5}, // single-axis, Sable
    {{"1+1ch",    "2+2ch",    "4+4ch",    "8+8ch",    "16+8ch",      ""},           5}, // dual-axis
    {{"1+1*8ch",  "2+2*8ch",  "4+4*8ch",  "8+8*8ch",  "16+8*8ch",    ""},           5}, // dual-axis, Sable
};

const CChannelRow kBirchChannelRows[kConfiguredChannelRows] = {
    //  label 0     label 1     label 2     label 3       label 4         label 5       offered
    {{"2ch",      "4ch",      "8ch",      "16ch",       "32ch",         "32ch+logic"}, 6}, // single-axis
    {{"2*8ch",    "4*8ch",    "8*8ch",    "16*8ch",     "16*8ch+logic", ""},           5}, // single-axis, Sable
    {{"2+2ch",    "4+4ch",    "8+8ch",    "16+16ch",    "32+16ch",      ""},           5}, // dual-axis
    {{"2+2*8ch",  "4+4*8ch",  "8+8*8ch",  "16+16*8ch",  "32+16*8ch",    ""},           5}, // dual-axis, Sable
};

//                                   label 0     label 1  label 2  label 3  label 4  label 5  offered
const CChannelRow kCedarChannelRow   = {{"2ch",      "4ch",   "8ch",   "",      "",      ""},     3};
const CChannelRow kDamsonChannelRow  = {{"1ch",      "2ch",   "4ch",   "8ch",   "",      ""},     4};
const CChannelRow kElmChannelRow     = {{"2ch",      "4ch",   "8ch",   "16ch",  "",      ""},     4};
const CChannelRow kFirChannelRow     = {{"4ch",      "8ch",   "16ch",  "32ch",  "",      ""},     4};
const CChannelRow kGumChannelRow     = {{"1ch/2ch",  "",      "",      "",      "",      ""},     4};
const CChannelRow kHazelChannelRow   = {{"1ch",      "2ch",   "",      "",      "",      ""},     2};
const CChannelRow kIvyChannelRow     = {{"1ch",      "2ch",   "4ch",   "",      "",      ""},     3};
const CChannelRow kJuniperChannelRow = {{"2ch",      "2ch",   "2ch",   "",      "",      ""},     1};
const CChannelRow kKauriChannelRow   = {{"2ch",      "4ch",   "8ch",   "16ch",  "",      ""},     4};

const CChannelRow kEmptyChannelRow   = {{"",         "",      "",      "",      "",      ""},     0};
// clang-format on

const CChannelRow& GetChannelRow(int nModel, int nSampling, int nScanner) {
    const CModelRow& model = GetModelRow(nModel);
    if (model.nChannelRows == 1) {
        return model.pChannelRows[0];
    }
    if (model.nChannelRows != kConfiguredChannelRows || nSampling < 0 || nSampling > 1 ||
        nScanner < 0 || nScanner > 1) {
        return kEmptyChannelRow;
    }
    return model.pChannelRows[2 * nSampling + nScanner];
}

} // namespace spanwise
