#pragma once

#include <string>
#include <vector>

// The ranges the Time-axis Range list offers, each with what the calculator shows at it: the rows
// of `spanwise-cli table` and of the Ranges box, in one column layout.

namespace spanwise {

struct CRangeColumn {
    const char* name;  // in scripts' output: table's header line and CSV
    const char* title; // above the column in the Ranges box
};

// range, sampling_period, recording_time.
extern const CRangeColumn kRangeColumns[3];

struct CRangeRow {
    std::string range;          // "5us/div"
    std::string samplingPeriod; // "50ns/S"; "-" where the window hides it (REC)
    std::string recordingTime;  // "1.6s"
    double dRecordingTime = 0;  // seconds, the number the time was written from

    // The texts in the order of kRangeColumns.
    std::vector<std::string> Cells() const { return {range, samplingPeriod, recordingTime}; }
};

// How long a bar the Ranges box draws for a recording time: 0 to 1, on a logarithmic scale wide
// enough for every time the calculator shows (10 ms to 10^10 s), never quite empty.
double RecordingTimeBar(double dSeconds);

} // namespace spanwise
