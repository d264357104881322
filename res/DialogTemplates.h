#pragma once

#include "controls/DialogTemplate.h"

// The built-in dialog templates: the calculator (102) and the About box (100).
extern const ctl::CDialogTemplate kRecordingCalcTemplate;
extern const ctl::CDialogTemplate kAboutBoxTemplate;
