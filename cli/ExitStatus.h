#pragma once

namespace spanwise::cli {

// The exit statuses of spanwise-cli, as its manual page lists them.
constexpr int kExitAnswered = 0;
// Reading scenario lines: at least one line could not be answered; all others were.
constexpr int kExitFailedLines = 1;
// A usage error: an unknown command or option, or a selection that cannot be applied.
constexpr int kExitUsage = 2;
// fit: no range records the duration (with --all: under no combination).
constexpr int kExitNothingFits = 3;
// Standard input could not be read or standard output could not be written.
constexpr int kExitIo = 4;

} // namespace spanwise::cli
