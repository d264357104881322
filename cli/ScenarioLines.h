#pragma once

#include "Commands.h"

#include <iosfwd>

namespace spanwise::cli {

// Answers every scenario line read from in, each from the opening conditions, and returns the
// exit status. A line that fails costs only its own answer. Every answer names its line: a Text
// answer is headed "line N:", a Csv answer gets a first column "line" under one header for the
// whole run, and JsonLine answers come one per scenario, a failing one as {"error": "line N: ..."}.
// Other failing lines are reported on err as "spanwise-cli: line N: ...". Stops at the first
// write to out that fails; a read of in that fails is reported after the lines read before it are
// answered.
int AnswerScenarioLines(const CCommand& command, const CCommandOptions& options, std::istream& in,
                        std::ostream& out, std::ostream& err);

} // namespace spanwise::cli
