#include "Utf16.h"

namespace spanwise::cli {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsFirstHalf(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsSecondHalf(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(char32_t c, std::string& text) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) {
        text += byte(c);
    } else if (c < 0x800) {
        text += byte(0xC0 | (c >> 6));
        text += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += byte(0xE0 | (c >> 12));
        text += byte(0x80 | ((c >> 6) & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    } else {
        text += byte(0xF0 | (c >> 18));
        text += byte(0x80 | ((c >> 12) & 0x3F));
        text += byte(0x80 | ((c >> 6) & 0x3F));
        text += byte(0x80 | (c & 0x3F));
    }
}

} // namespace

std::size_t AppendUtf16AsUtf8(const char16_t* units, std::size_t nUnits, bool bFinal,
                              std::string& text) {
    std::size_t i = 0;
    while (i < nUnits) {
        const char16_t unit = units[i];
        if (IsFirstHalf(unit)) {
            if (i + 1 == nUnits && !bFinal) {
                break; // its second half is still to come
            }
            if (i + 1 < nUnits && IsSecondHalf(units[i + 1])) {
                const char32_t high = unit - 0xD800U;
                const char32_t low = units[i + 1] - 0xDC00U;
                AppendUtf8(0x10000 + (high << 10) + low, text);
                i += 2;
                continue;
            }
            AppendUtf8(kReplacement, text);
        } else {
            AppendUtf8(IsSecondHalf(unit) ? kReplacement : unit, text);
        }
        ++i;
    }
    return i;
}

std::string Utf16ToUtf8(const std::u16string& units) {
    std::string text;
    AppendUtf16AsUtf8(units.data(), units.size(), true, text);
    return text;
}

} // namespace spanwise::cli
