#pragma once

#include <string>
#include <vector>

namespace spanwise::cli {

struct CFitRequest {
    double dSeconds = 0;  // the duration to record
    std::string duration; // as the user wrote it
    bool bAll = false;    // every combination of the condition lists instead of the current one
    bool bJson = false;
};

// fit: opens the calculator as the window does, applies the selections in order as user picks,
// then answers which range records the duration (see the manual page). bAnyFits tells whether a
// range records it (for --all: under any combination). Returns false with a message for the first
// selection that cannot be applied; out is then left empty.
bool RunFit(const CFitRequest& request, const std::vector<std::string>& selections,
            std::string& out, bool& bAnyFits, std::string& error);

} // namespace spanwise::cli
