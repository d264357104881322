#pragma once

#include "controls/DialogLayout.h"

#include <vector>

// The buttons the web page adds to dialog nIDD for commands of its window menu, where its users
// look for them (see ctl::CAddedButton); none for most dialogs.
std::vector<ctl::CAddedButton> GetPageButtons(int nIDD);
