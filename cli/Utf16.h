#pragma once

#include <cstddef>
#include <string>

namespace spanwise::cli {

// Appends the UTF-16 code units to text as UTF-8 and returns how many it took. A code unit that
// is half of a pair without its other half becomes U+FFFD; a first half at the very end is left
// for the units that follow it, unless bFinal says none will.
std::size_t AppendUtf16AsUtf8(const char16_t* units, std::size_t nUnits, bool bFinal,
                              std::string& text);

// The whole UTF-16 text as UTF-8.
std::string Utf16ToUtf8(const std::u16string& units);

} // namespace spanwise::cli
