#pragma once

// The dialog's selection state as one value: the position of the selected entry in each of the
// seven lists. The time-axis range is counted from the first range the list offers.
struct CSelection {
    int nModel = 0;
    int nMemory = 0;
    int nFunction = 0;
    int nSampling = 0;
    int nScanner = 0;
    int nChannels = 0;
    int nTimeRange = 0;

    bool operator==(const CSelection& other) const {
        return nModel == other.nModel && nMemory == other.nMemory && nFunction == other.nFunction &&
               nSampling == other.nSampling && nScanner == other.nScanner &&
               nChannels == other.nChannels && nTimeRange == other.nTimeRange;
    }
    bool operator!=(const CSelection& other) const { return !(*this == other); }
};
