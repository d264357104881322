#pragma once

#include <string>
#include <vector>

// The user's display languages in Windows' order of preference, as language tags ("ja-JP",
// "en-US"): what the programs speak unless told otherwise. This header needs no Windows header,
// for spanwise-cli.exe.
std::vector<std::string> GetUserLanguages();
