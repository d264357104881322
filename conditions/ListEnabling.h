#pragma once

// Which condition lists apply to a model and function, and why one does not. The dialog's
// enabling step and the calculator's answer to "why is this list disabled" both read this.

namespace spanwise {

enum class DisabledBecause {
    Nothing,        // the list is enabled
    NoMemoryChoice, // the model has one internal memory
    MemOnly,        // the model has no REC function
    SingleAxisOnly, // the model samples on a single axis
    NoScannerUnit,  // the model takes no scanner unit
    FixedChannels,  // the model has one channel configuration
    NotUnderRec,    // the choice does not apply under REC
};

struct CListEnabling {
    DisabledBecause memory;
    DisabledBecause function;
    DisabledBecause sampling;
    DisabledBecause scanner;
    DisabledBecause channels;
    bool bSamplingPeriodShown;
};

// The Model Number and Time-axis Range lists are always enabled.
CListEnabling GetListEnabling(int nModel, int nFunction);

} // namespace spanwise
