#pragma once

#include <string>

// Texts for the result fields: durations in days, hours, minutes and seconds, numbers in
// engineering notation with an SI prefix letter.

namespace spanwise {

// Days per second, one unit in the last place below the double nearest to 1/86400.
constexpr double K = 1.1574074074074072e-05;

// A duration as "2d7h33min20s", "1.6s" or "250ns". dResolution picks how the part below one
// minute is written: whole seconds (1.0 or more), tenths (0.1 up to 1.0) or engineering notation
// with nPrecision digits after the point (below 0.1). Pieces that would make the text longer
// than nMaxLength are dropped, with every piece after them.
std::string FormatDuration(double dSeconds, double dResolution, int nPrecision, int nMaxLength);

// dValue scaled by a power of 1000 and followed by its prefix letter ("2.5m", "1.2346M").
std::string FormatEngineering(double dValue, bool bPlusSign, bool bTrimZeros, int nPrecision);

// str without the zeros after its decimal point, and without the point when nothing follows it.
std::string TrimTrailingZeros(std::string str);

} // namespace spanwise
