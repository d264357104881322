#pragma once

#include <string>

// Texts the user typed, as messages show them (on a terminal and in message boxes): safe to print
// and to read, and never longer than a line.

namespace spanwise {

// The text with every character that does not print written as an escape: control characters
// and bytes that are not UTF-8 as \xHH ("\x1b", "\xff"), other characters that print nothing or
// only a blank as \uHHHH or \UHHHHHHHH (C1 controls, zero-width and bidirectional marks, format
// characters, spaces other than the blank: "\u200b", "\u00a0", "\U000e0041"). A backslash stays
// as it is, so escaping twice changes nothing.
std::string EscapeNonPrinting(const std::string& text);

// The text between double quotes, escaped as above. When the escaped text is longer than 60
// characters, only as many of its first characters as fit in 57 are shown, then "...", then the
// length of the typed text (a byte that is not UTF-8 counts as one character):
// "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa..." (1000 characters).
// An escape is never cut, so the quoted text between the quotes never exceeds 60 characters.
std::string QuoteTyped(const std::string& text);

} // namespace spanwise
