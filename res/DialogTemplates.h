#pragma once

#include "controls/DialogTemplate.h"

// The built-in dialog templates: the calculator (102), the About box (100), the question for
// the recording time to fit (103) and every range at a glance (104).
extern const ctl::CDialogTemplate kRecordingCalcTemplate;
extern const ctl::CDialogTemplate kAboutBoxTemplate;
extern const ctl::CDialogTemplate kFitTimeTemplate;
extern const ctl::CDialogTemplate kRangesTemplate;
