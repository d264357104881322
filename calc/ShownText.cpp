#include "ShownText.h"

#include <cstdint>

namespace spanwise {

namespace {

constexpr std::size_t kLongestShown = 60;
constexpr std::size_t kShortenedTo = 57;

bool IsContinuation(unsigned char c) {
    return (c & 0xC0U) == 0x80U;
}

// The length of the UTF-8 sequence at text[i] with its code point, or 0 when the byte there does
// not begin a well-formed sequence (overlong forms, surrogates and values past U+10FFFF included).
std::size_t DecodeAt(const std::string& text, std::size_t i, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t nLength = 0;
    char32_t minimum = 0;
    if (lead < 0x80U) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        nLength = 2;
        minimum = 0x80;
        codePoint = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        nLength = 3;
        minimum = 0x800;
        codePoint = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        nLength = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() - i < nLength) {
        return 0;
    }
    for (std::size_t k = 1; k < nLength; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(c)) {
            return 0;
        }
        codePoint = (codePoint << 6U) | (c & 0x3FU);
    }
    const bool bSurrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || bSurrogate) {
        return 0;
    }
    return nLength;
}

// Characters that print nothing, or nothing but a blank that passes for U+0020: controls, format
// characters (zero-width, joiners, bidirectional marks, embeddings and isolates, invisible
// operators, the byte-order mark, tags), fillers, variation selectors, spaces other than the
// blank, and noncharacters.
bool IsNonPrinting(char32_t c) {
    struct CRange {
        char32_t first, last;
    };
    static const CRange kRanges[] = {
        {0x0000, 0x001F},   {0x007F, 0x00A0},   {0x00AD, 0x00AD}, {0x034F, 0x034F},
        {0x061C, 0x061C},   {0x115F, 0x1160},   {0x1680, 0x1680}, {0x17B4, 0x17B5},
        {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F}, {0x205F, 0x206F},
        {0x3000, 0x3000},   {0x3164, 0x3164},   {0xFDD0, 0xFDEF}, {0xFE00, 0xFE0F},
        {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    if ((c & 0xFFFEU) == 0xFFFEU) {
        return true; // U+FFFE, U+FFFF and their likes in every plane
    }
    for (const CRange& range : kRanges) {
        if (c >= range.first && c <= range.last) {
            return true;
        }
    }
    return false;
}

void AppendHex(std::string& out, std::uint32_t value, int nDigits) {
    static const char kDigits[] = "0123456789abcdef";
    for (int nShift = 4 * (nDigits - 1); nShift >= 0; nShift -= 4) {
        out += kDigits[(value >> static_cast<unsigned>(nShift)) & 0xFU];
    }
}

// Appends the character at text[i] to out as it is shown, escaped where it does not print.
// Returns the bytes of text it took; nShown receives the characters it appended.
std::size_t AppendShown(std::string& out, const std::string& text, std::size_t i,
                        std::size_t& nShown) {
    char32_t c = 0;
    const std::size_t nLength = DecodeAt(text, i, c);
    if (nLength == 0 || (c < 0x80 && IsNonPrinting(c))) {
        out += "\\x";
        AppendHex(out, static_cast<unsigned char>(text[i]), 2);
        nShown = 4;
        return 1;
    }
    if (!IsNonPrinting(c)) {
        out.append(text, i, nLength);
        nShown = 1;
    } else if (c <= 0xFFFF) {
        out += "\\u";
        AppendHex(out, c, 4);
        nShown = 6;
    } else {
        out += "\\U";
        AppendHex(out, c, 8);
        nShown = 10;
    }
    return nLength;
}

} // namespace

std::string EscapeNonPrinting(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t nShown = 0;
    for (std::size_t i = 0; i < text.size();) {
        i += AppendShown(out, text, i, nShown);
    }
    return out;
}

std::string QuoteTyped(const std::string& text) {
    // Builds the whole shown text while it may still fit, and the shortened one beside it; then
    // only counts the characters.
    std::string whole;
    std::string shortened;
    std::size_t nShownTotal = 0;
    std::size_t nCharacters = 0;
    bool bShortenedFull = false;
    std::string piece;
    for (std::size_t i = 0; i < text.size(); ++nCharacters) {
        if (nShownTotal > kLongestShown) {
            char32_t c = 0;
            const std::size_t nLength = DecodeAt(text, i, c);
            i += nLength == 0 ? 1 : nLength;
            continue;
        }
        piece.clear();
        std::size_t nShown = 0;
        i += AppendShown(piece, text, i, nShown);
        bShortenedFull = bShortenedFull || nShownTotal + nShown > kShortenedTo;
        if (!bShortenedFull) {
            shortened += piece;
        }
        nShownTotal += nShown;
        if (nShownTotal <= kLongestShown) {
            whole += piece;
        }
    }
    if (nShownTotal <= kLongestShown) {
        return "\"" + whole + "\"";
    }
    return "\"" + shortened + "...\" (" + std::to_string(nCharacters) + " characters)";
}

} // namespace spanwise
