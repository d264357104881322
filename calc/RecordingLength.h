#pragma once

// The maximum recording length in divisions: how many divisions of the time axis the internal
// memory holds under the chosen model, memory, function, sampling, scanner unit and channels.
// All arithmetic is signed 32-bit with truncating division.

namespace spanwise {

// The entry of the channel divisor table for the model and channel position; 0 in a position the
// model's Channels list never offers.
int GetChannelDivisor(int nModel, int nChannels);

// Never negative; 0 for positions outside the tables (never by a divisor of 0).
int GetRecordingLengthDivs(int nModel, int nMemory, int nFunction, int nSampling, int nScanner,
                           int nChannels);

} // namespace spanwise
