#pragma once

#include <string>

namespace spanwise::cli {

// Texts the user typed, as error messages show them: safe to print on a terminal and to read.

// The text with every character that does not print written as an escape: control characters
// and bytes that are not UTF-8 as \xHH ("\x1b", "\xff"), other characters that print nothing or
// only a blank as \uHHHH or \UHHHHHHHH (C1 controls, zero-width and bidirectional marks, format
// characters, spaces other than the blank: "\u200b", "\u00a0", "\U000e0041"). A backslash stays
// as it is, so escaping twice changes nothing.
std::string EscapeNonPrinting(const std::string& text);

// The text between double quotes, escaped as above; a text of more than 60 characters (a byte
// that is not UTF-8 counts as one) shows its first 57 and "...", followed by its length:
// "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa..." (1000 characters).
std::string QuoteTyped(const std::string& text);

} // namespace spanwise::cli
