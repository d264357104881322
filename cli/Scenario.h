#pragma once

#include <string>
#include <vector>

namespace spanwise::cli {

enum class Command { Report, State, Table };

struct CScenarioOptions {
    Command command = Command::Report;
    bool bCsv = false; // table only
};

// Opens the calculator as the window does, applies the selections in order as user picks and
// writes what the command asks for to out. Returns false with a message for the first selection
// that cannot be applied; out is then left empty.
bool RunScenario(const CScenarioOptions& options, const std::vector<std::string>& selections,
                 std::string& out, std::string& error);

} // namespace spanwise::cli
