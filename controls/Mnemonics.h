#pragma once

#include "DialogTemplate.h"

#include <string>

namespace ctl {

// In a caption, '&' marks the letter after it as the mnemonic, the key that reaches the control
// with Alt, and "&&" stands for one '&'.

// The caption as shown, without its markers.
std::string StripMnemonics(const std::string& text);
// The marked letter, or '\0' when the caption marks none.
char GetMnemonic(const std::string& text);
// Where the marked letter stands in the caption as shown (StripMnemonics); -1 for none.
int GetMnemonicPosition(const std::string& text);
// What a control of this kind and style shows for text: static text with kStyleNoPrefix shows
// every '&'; every other caption is stripped of its markers. A list shows its entries as they are.
std::string ShownCaption(const CDialogItemTemplate& item, const std::string& text);

} // namespace ctl
