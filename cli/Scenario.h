#pragma once

#include "Commands.h"

#include <string>
#include <vector>

namespace spanwise::cli {

// Opens the calculator as the window does, applies the selections in order as user picks and lets
// the command answer. The first selection that cannot be applied ends the scenario without an
// answer, with its message and the usage error's exit status.
CAnswer RunScenario(const CCommand& command, const CCommandOptions& options,
                    const std::vector<std::string>& selections);

} // namespace spanwise::cli
