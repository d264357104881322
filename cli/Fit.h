#pragma once

#include "Commands.h"

namespace spanwise::cli {

// fit DURATION: the finest range that records DURATION under the conditions, or with --all under
// every combination of the condition lists the model offers. Its options, its layout and its
// answer, as a row of the command table takes them.
// Where the duration goes, for messages about one that is missing or misplaced.
extern const char* const kFitDurationFirst;
extern const char* const kFitDurationMissing;

void AddFitOptions(CLI::App& subcommand, CCommandOptions& options);
AnswerFormat FitFormat(const CCommandOptions& options);
// Exit status kExitNothingFits when no range records DURATION (with --all: under no combination).
// With --all, the condition lists in picked are held at their entries and the others vary.
CAnswer AnswerFit(CCalculator& calc, const CCommandOptions& options, const PickedLists& picked);

} // namespace spanwise::cli
