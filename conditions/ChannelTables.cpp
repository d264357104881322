#include "conditions/ChannelTables.h"

#include "conditions/ModelCatalogue.h"

namespace spanwise {

// Each list offers the leading nOffered labels of one row; empty labels are offered too where
// nOffered reaches them (Gum/Gum-2).
// clang-format off
const CChannelRow kAlderChannelRows[4] = {
    //  label 0     label 1     label 2     label 3     label 4        label 5       offered
    {{"1ch",      "2ch",      "4ch",      "8ch",      "16ch",        "16ch+logic"}, 6}, // single-axis
    {{"1*8ch",    "2*8ch",    "4*8ch",    "8*8ch",    "8*8ch+logic", ""},           5}, // single-axis, Sable
    {{"1+1ch",    "2+2ch",    "4+4ch",    "8+8ch",    "16+8ch",      ""},           5}, // dual-axis
    {{"1+1*8ch",  "2+2*8ch",  "4+4*8ch",  "8+8*8ch",  "16+8*8ch",    ""},           5}, // dual-axis, Sable
};

const CChannelRow kBirchChannelRows[4] = {
    //  label 0     label 1     label 2     label 3       label 4         label 5       offered
    {{"2ch",      "4ch",      "8ch",      "16ch",       "32ch",         "32ch+logic"}, 6}, // single-axis
    {{"2*8ch",    "4*8ch",    "8*8ch",    "16*8ch",     "16*8ch+logic", ""},           5}, // single-axis, Sable
    {{"2+2ch",    "4+4ch",    "8+8ch",    "16+16ch",    "32+16ch",      ""},           5}, // dual-axis
    {{"2+2*8ch",  "4+4*8ch",  "8+8*8ch",  "16+16*8ch",  "32+16*8ch",    ""},           5}, // dual-axis, Sable
};

const CChannelRow kModelChannelRows[11] = {
    //  label 0     label 1  label 2  label 3  label 4  label 5  offered
    {{"",         "",      "",      "",      "",      ""},     0}, // Alder/Alder-W: own table
    {{"",         "",      "",      "",      "",      ""},     0}, // Birch/Birch-W: own table
    {{"2ch",      "4ch",   "8ch",   "",      "",      ""},     3}, // Cedar
    {{"1ch",      "2ch",   "4ch",   "8ch",   "",      ""},     4}, // Damson
    {{"2ch",      "4ch",   "8ch",   "16ch",  "",      ""},     4}, // Elm/Elm-2
    {{"4ch",      "8ch",   "16ch",  "32ch",  "",      ""},     4}, // Fir
    {{"1ch/2ch",  "",      "",      "",      "",      ""},     4}, // Gum/Gum-2
    {{"1ch",      "2ch",   "",      "",      "",      ""},     2}, // Hazel
    {{"1ch",      "2ch",   "4ch",   "",      "",      ""},     3}, // Ivy
    {{"2ch",      "2ch",   "2ch",   "",      "",      ""},     1}, // Juniper
    {{"2ch",      "4ch",   "8ch",   "16ch",  "",      ""},     4}, // Kauri
};
// clang-format on

namespace {

const CChannelRow kEmptyChannelRow = {{"", "", "", "", "", ""}, 0};

} // namespace

const CChannelRow& GetChannelRow(int nModel, int nSampling, int nScanner) {
    if (nModel == kAlder || nModel == kBirch) {
        if (nSampling < 0 || nSampling > 1 || nScanner < 0 || nScanner > 1) {
            return kEmptyChannelRow;
        }
        const CChannelRow* rows = nModel == kAlder ? kAlderChannelRows : kBirchChannelRows;
        return rows[2 * nSampling + nScanner];
    }
    if (nModel > kBirch && nModel < kModelCount) {
        return kModelChannelRows[nModel];
    }
    return kEmptyChannelRow;
}

} // namespace spanwise
