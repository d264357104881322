#pragma once

#include <string>

// Looks a string up in the program's string table; an id it does not hold gives "".
std::string LoadString(unsigned nID);
