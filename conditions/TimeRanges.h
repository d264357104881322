#pragma once

// The time-axis ranges by name, shortest first. The time-axis table gives each its label,
// sampling period and length; the catalogue names the first and last range of each window.

namespace spanwise {

enum class TimeRange {
    k5us,
    k10us,
    k20us,
    k50us,
    k100us,
    k200us,
    k400us,
    k500us,
    k1ms,
    k2ms,
    k5ms,
    k10ms,
    k20ms,
    k50ms,
    k100ms,
    k200ms,
    k500ms,
    k1s,
    k2s,
    k5s,
    k10s,
    k30s,
    k50s,
    k1min,
    k100s,
    k2min,
    k5min,
    k10min,
    k30min,
    k1hour,
};

// The rows of the time-axis table: 100 samples per division, the same with "50s/div" and
// "100s/div", and 80 samples per division.
enum TimeAxisRowId : int { kRow100PerDiv = 0, kRow100PerDivTo100s = 1, kRow80PerDiv = 2 };

// The ranges a Time-axis Range list offers: from first to last in the order of the model's row
// of the time-axis table, both included.
struct CTimeWindow {
    TimeRange first;
    TimeRange last;
};

} // namespace spanwise
