#include "calc/DurationParse.h"

#include "calc/DurationUnits.h"
#include "calc/ShownText.h"
#include "lang/Catalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <system_error>

namespace spanwise {

const char* const kDurationExamples = N_("3d, 2d12h, 1h30min, 1.5h or 500ms");

namespace {

// A number's digits before its exponent, written out without one, up to this length; a longer one
// is only asked for in plain digits.
constexpr std::size_t kLongestPlainForm = 40;
// Exponents beyond this give plain forms far longer than kLongestPlainForm.
constexpr long kLargestExponent = 1000;
// A clock time has two to four fields: MM:SS, H:MM:SS, D:HH:MM:SS.
constexpr std::size_t kLongestClock = 4;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length in bytes of the space at text[i], 0 where there is none: the blank, the tab, line
// ends, and the Unicode spaces that text pasted from a document or a web page brings: no-break,
// the typographic spaces from en quad to hair (thin among them), narrow no-break, ideographic.
std::size_t SpaceLength(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : 0U;
    };
    const unsigned b = byte(i);
    if (b == ' ' || (b >= '\t' && b <= '\r')) {
        return 1;
    }
    if (b == 0xc2 && byte(i + 1) == 0xa0) { // U+00A0
        return 2;
    }
    const unsigned b1 = byte(i + 1);
    const unsigned b2 = byte(i + 2);
    const bool bSpace =
        (b == 0xe2 && b1 == 0x80 && (b2 <= 0x8a || b2 == 0xaf)) || // U+2000-200A, 202F
        (b == 0xe3 && b1 == 0x80 && b2 == 0x80);                   // U+3000
    return bSpace && b2 >= 0x80 ? 3 : 0;
}

// A unit is a run of letters; bytes past ASCII belong to it, so that "µs" is one word and a
// character that is not a letter shows in the message about the unit it spoils.
bool IsUnitByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0x80;
}

// The number of digits with at most one '.', read the same in every locale. Out of range: +inf
// for a number too large for a double, 0 for one too small to tell from zero.
double ReadDecimal(const std::string& number) {
    double dValue = 0;
#if defined(__cpp_lib_to_chars)
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), dValue);
    if (result.ec == std::errc::result_out_of_range) {
        const std::size_t point = number.find('.');
        const std::string whole = number.substr(0, point);
        return whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
    }
#else
    // A standard library without floating-point std::from_chars (WebAssembly's) runs only in the
    // C locale, where strtod reads '.' as the point; it answers out of range as above.
    dValue = std::strtod(number.c_str(), nullptr);
#endif
    return dValue;
}

// The piece's value in seconds, rounded once: a sub-second unit divides, so that "1600ms" is the
// same number as "1.6".
double PieceSeconds(double dNumber, const CDurationUnitInfo& unit) {
    return unit.dPerSecond > 0 ? dNumber / unit.dPerSecond : dNumber * unit.dSeconds;
}

// number (digits with at most one '.') times ten to nExponent, in plain digits: "0.001" for "1"
// and -3. Empty when that is longer than kLongestPlainForm.
std::string PlainForm(const std::string& number, long nExponent) {
    if (nExponent > kLargestExponent || nExponent < -kLargestExponent) {
        return {};
    }
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : number.substr(point + 1);
    std::string digits = whole + fraction;
    const long nPoint = static_cast<long>(whole.size()) + nExponent;
    std::string plain;
    if (nPoint <= 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-nPoint), '0') + digits;
    } else if (static_cast<std::size_t>(nPoint) >= digits.size()) {
        plain = digits + std::string(static_cast<std::size_t>(nPoint) - digits.size(), '0');
    } else {
        plain = digits.substr(0, static_cast<std::size_t>(nPoint)) + "." +
                digits.substr(static_cast<std::size_t>(nPoint));
    }
    if (plain.find('.') != std::string::npos) {
        plain.erase(plain.find_last_not_of('0') + 1);
        if (plain.back() == '.') {
            plain.pop_back();
        }
    }
    const std::size_t firstDigit = plain.find_first_not_of('0');
    if (firstDigit == std::string::npos) {
        plain = "0";
    } else if (firstDigit > 0) {
        plain.erase(0, plain[firstDigit] == '.' ? firstDigit - 1 : firstDigit);
    }
    return plain.size() <= kLongestPlainForm ? plain : std::string();
}

// Reads one duration; each refusal sets m_strError and returns false.
class CDurationReader {
public:
    explicit CDurationReader(const std::string& text) : m_strText(text), m_nLength(text.size()) {}

    bool Read(double& dSeconds);
    const std::string& Error() const { return m_strError; }

private:
    // The message, with the example after it when it stays short enough.
    bool Fail(std::string message, bool bExample = true) {
        m_strError = std::move(message);
        const std::string example = lang::TranslateFormat(
            "%1; write a duration such as %2", {m_strError, lang::Translate(kDurationExamples)});
        if (bExample && example.size() <= kLongestDurationMessage) {
            m_strError = example;
        }
        return false;
    }
    bool Unexpected(std::size_t i) {
        return Fail(lang::TranslateFormat(
            "unexpected %1 in %2", {QuoteTyped(m_strText.substr(i, 1)), QuoteTyped(m_strText)}));
    }
    void SkipSpaces() {
        for (std::size_t n = 0; m_nPos < m_nLength && (n = SpaceLength(m_strText, m_nPos)) > 0;) {
            m_nPos += n;
        }
    }
    std::size_t UnitEnd(std::size_t i) const {
        while (i < m_nLength && IsUnitByte(m_strText[i]) && SpaceLength(m_strText, i) == 0) {
            ++i;
        }
        return i;
    }
    std::size_t DigitsEnd(std::size_t i) const {
        while (i < m_nLength && IsDigit(m_strText[i])) {
            ++i;
        }
        return i;
    }
    // A comma after a whole number from 1 to 999, with three digits after it and then neither a
    // digit nor a point, reads as well as a separator of thousands ("1,000").
    bool IsThousandsComma(std::size_t comma, const std::string& whole) const {
        return !whole.empty() && whole.size() <= 3 && whole[0] != '0' &&
               DigitsEnd(comma + 1) == comma + 4 &&
               (comma + 4 == m_nLength || m_strText[comma + 4] != '.');
    }
    bool ReadPieces(double& dTotal);
    bool ReadNumber(std::string& number);
    bool RefuseExponent(std::size_t numberStart, const std::string& number);
    bool RefuseThousands(std::size_t numberStart, std::size_t comma);
    bool CheckOrder(int nUnit);
    bool ReadClock(std::size_t start, double& dTotal);

    const std::string& m_strText;
    const std::size_t m_nLength;
    std::size_t m_nPos = 0;   // where reading goes on
    int m_nPreviousUnit = -1; // the unit of the last piece read, as a DurationUnit
    int m_nPieces = 0;
    bool m_bNonZeroDigit = false;
    std::string m_strError;
};

// The number at m_nPos: digits with at most one decimal point, a digit on at least one side of
// it; a comma right after a digit is the point. Refuses what stands there instead.
bool CDurationReader::ReadNumber(std::string& number) {
    const std::size_t start = m_nPos;
    const char first = m_strText[m_nPos];
    if (first == '+') {
        return Fail(
            lang::TranslateFormat("%1 has a sign: write the number alone", {QuoteTyped(m_strText)}),
            false);
    }
    bool bDigits = false;
    bool bPoint = false;
    for (; m_nPos < m_nLength; ++m_nPos) {
        const char c = m_strText[m_nPos];
        // A decimal comma follows a digit, so that "1h, 30min" is not 1 h and 0.3 min.
        const bool bCommaPoint = c == ',' && m_nPos > start && IsDigit(m_strText[m_nPos - 1]);
        if (IsDigit(c)) {
            bDigits = true;
            m_bNonZeroDigit = m_bNonZeroDigit || c != '0';
            number += c;
        } else if ((c == '.' || bCommaPoint) && !bPoint) {
            if (bCommaPoint && IsThousandsComma(m_nPos, number)) {
                return RefuseThousands(start, m_nPos);
            }
            bPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (bDigits) {
        return true;
    }
    if (IsUnitByte(first)) {
        const std::string word = m_strText.substr(start, UnitEnd(start) - start);
        return IsDurationUnit(word)
                   ? Fail(lang::TranslateFormat("the unit %1 has no number before it",
                                                {QuoteTyped(word)}))
                   : Fail(lang::TranslateFormat("%1 is not a number", {QuoteTyped(word)}));
    }
    return Unexpected(start);
}

// A number followed by an exponent, "1e-3" or "2.5E+2": refused with its plain form.
bool CDurationReader::RefuseExponent(std::size_t numberStart, const std::string& number) {
    std::size_t i = m_nPos + 1;
    bool bNegative = false;
    if (i < m_nLength && (m_strText[i] == '+' || m_strText[i] == '-')) {
        bNegative = m_strText[i] == '-';
        ++i;
    }
    long nExponent = 0;
    for (; i < m_nLength && IsDigit(m_strText[i]); ++i) {
        nExponent = std::min(nExponent * 10 + (m_strText[i] - '0'), kLargestExponent + 1);
    }
    const std::string typed = m_strText.substr(numberStart, i - numberStart);
    const std::string plain = PlainForm(number, bNegative ? -nExponent : nExponent);
    return Fail(
        plain.empty()
            ? lang::TranslateFormat("%1 is scientific notation, which is not accepted: write it "
                                    "in plain digits",
                                    {QuoteTyped(typed)})
            : lang::TranslateFormat("%1 is scientific notation, which is not accepted: write %2",
                                    {QuoteTyped(typed), plain}),
        false);
}

// "1,000h" is a thousand hours to some and one to others: refused with both readings of the
// number, with its unit when one follows at once.
bool CDurationReader::RefuseThousands(std::size_t numberStart, std::size_t comma) {
    std::size_t end = UnitEnd(comma + 4);
    if (!IsDurationUnit(m_strText.substr(comma + 4, end - comma - 4))) {
        end = comma + 4;
    }
    const std::string before = m_strText.substr(numberStart, comma - numberStart);
    const std::string after = m_strText.substr(comma + 1, end - comma - 1);
    return Fail(lang::TranslateFormat("\"%1\" is ambiguous: write %2 or %3",
                                      {before + "," + after, before + after, before + "." + after}),
                false);
}

// A piece in nUnit after the pieces read so far: each unit once, from the longest down.
bool CDurationReader::CheckOrder(int nUnit) {
    const char* const plural = GetDurationUnit(static_cast<DurationUnit>(nUnit)).plural;
    if (nUnit == m_nPreviousUnit) {
        return Fail(lang::TranslateFormat("the %1 are written twice", {lang::Translate(plural)}));
    }
    if (nUnit < m_nPreviousUnit) {
        return Fail(lang::TranslateFormat(
                        "the %1 come after the %2: write the pieces from the longest unit down",
                        {lang::Translate(plural),
                         lang::Translate(
                             GetDurationUnit(static_cast<DurationUnit>(m_nPreviousUnit)).plural)}),
                    false);
    }
    m_nPreviousUnit = nUnit;
    return true;
}

// A clock time whose first field, all digits, was read from start and whose first colon is at
// m_nPos: MM:SS, H:MM:SS or D:HH:MM:SS, two digits after each colon, each below the next longer
// unit, the seconds with decimals or not. It ends the duration.
bool CDurationReader::ReadClock(std::size_t start, double& dTotal) {
    std::size_t end = m_nPos;
    int nColons = 0;
    while (end < m_nLength && (IsDigit(m_strText[end]) || m_strText[end] == ':')) {
        nColons += m_strText[end++] == ':' ? 1 : 0;
    }
    bool bWellFormed = DigitsEnd(start) == m_nPos && nColons <= static_cast<int>(kLongestClock) - 1;
    for (std::size_t i = m_nPos; i < end; i += 3) {
        bWellFormed = bWellFormed && m_strText[i] == ':' && DigitsEnd(i + 1) == i + 3;
    }
    if (end < m_nLength && m_strText[end] == '.') {
        end = DigitsEnd(end + 1); // the seconds' decimals
        bWellFormed = bWellFormed && (end == m_nLength || m_strText[end] != ':');
    }
    const std::string typed = m_strText.substr(start, end - start);
    if (!bWellFormed) {
        return Fail(
            lang::TranslateFormat("%1 is not a clock time: write MM:SS, H:MM:SS or D:HH:MM:SS",
                                  {QuoteTyped(typed)}),
            false);
    }
    const int nFirstUnit = static_cast<int>(DurationUnit::Second) - nColons;
    if (!CheckOrder(nFirstUnit)) {
        return false;
    }
    // Each field ends at the next colon; the seconds at the end.
    int nUnit = nFirstUnit;
    for (std::size_t fieldStart = start; fieldStart < end;) {
        const auto unit = static_cast<DurationUnit>(nUnit++);
        const std::size_t fieldEnd = unit == DurationUnit::Second ? end : DigitsEnd(fieldStart);
        const double dField = ReadDecimal(m_strText.substr(fieldStart, fieldEnd - fieldStart));
        m_bNonZeroDigit = m_bNonZeroDigit || dField > 0;
        dTotal += PieceSeconds(dField, GetDurationUnit(unit));
        fieldStart = fieldEnd + 1;
    }
    m_nPos = end;
    m_nPreviousUnit = static_cast<int>(DurationUnit::Second);
    ++m_nPieces;
    SkipSpaces();
    return m_nPos == m_nLength || Unexpected(m_nPos);
}

// The pieces from m_nPos to the end, added up in dTotal.
bool CDurationReader::ReadPieces(double& dTotal) {
    std::size_t nDecimalCommas = 0;
    for (std::size_t i = m_nPos + 1; i < m_nLength; ++i) {
        nDecimalCommas += m_strText[i] == ',' && IsDigit(m_strText[i - 1]) ? 1 : 0;
    }
    if (nDecimalCommas > 1) {
        return Fail(lang::TranslateFormat("%1 has more than one comma: write decimals with a point",
                                          {QuoteTyped(m_strText)}),
                    false);
    }
    std::string bareNumber; // a number without a unit, which must stand alone
    while (true) {
        SkipSpaces();
        if (m_nPos == m_nLength) {
            return true;
        }
        if (!bareNumber.empty()) {
            return Fail(lang::TranslateFormat(
                "the number %1 has no unit: a number without one must stand alone",
                {QuoteTyped(bareNumber)}));
        }
        const std::size_t numberStart = m_nPos;
        std::string number;
        if (!ReadNumber(number)) {
            return false;
        }
        const std::string typedNumber = m_strText.substr(numberStart, m_nPos - numberStart);
        if (m_nPos + 1 < m_nLength && (m_strText[m_nPos] == 'e' || m_strText[m_nPos] == 'E') &&
            (IsDigit(m_strText[m_nPos + 1]) ||
             (m_nPos + 2 < m_nLength &&
              (m_strText[m_nPos + 1] == '+' || m_strText[m_nPos + 1] == '-') &&
              IsDigit(m_strText[m_nPos + 2])))) {
            return RefuseExponent(numberStart, number);
        }
        if (m_nPos < m_nLength && m_strText[m_nPos] == ':') {
            return ReadClock(numberStart, dTotal);
        }
        const double dNumber = ReadDecimal(number);

        SkipSpaces();
        const std::size_t unitStart = m_nPos;
        m_nPos = UnitEnd(m_nPos);
        const std::string word = m_strText.substr(unitStart, m_nPos - unitStart);
        if (word.empty()) {
            if (m_nPos < m_nLength && !IsDigit(m_strText[m_nPos])) {
                return Unexpected(m_nPos);
            }
            if (m_nPieces > 0) {
                return Fail(
                    lang::TranslateFormat("the number %1 has no unit", {QuoteTyped(typedNumber)}));
            }
            bareNumber = typedNumber;
            dTotal = dNumber;
            ++m_nPieces;
            continue;
        }
        DurationUnit unit = DurationUnit::Second;
        if (!FindDurationUnit(word, unit)) {
            return Fail(
                lang::TranslateFormat("%1 is not a unit: use %2",
                                      {QuoteTyped(word), lang::Translate(kDurationUnitNames)}),
                false);
        }
        const CDurationUnitInfo& info = GetDurationUnit(unit);
        if (!info.bFixedLength) {
            return Fail(
                lang::TranslateFormat("%1 is not accepted: months and years vary; write days",
                                      {QuoteTyped(word)}),
                false);
        }
        if (!CheckOrder(static_cast<int>(unit))) {
            return false;
        }
        dTotal += PieceSeconds(dNumber, info);
        ++m_nPieces;
        // A comma after a unit separates it from the next piece: "1 hour, 30 minutes".
        SkipSpaces();
        if (m_nPos < m_nLength && m_strText[m_nPos] == ',') {
            const std::size_t comma = m_nPos++;
            SkipSpaces();
            if (m_nPos == m_nLength || m_strText[m_nPos] == ',') {
                return Unexpected(m_nPos == m_nLength ? comma : m_nPos);
            }
        }
    }
}

bool CDurationReader::Read(double& dSeconds) {
    SkipSpaces();
    if (m_nPos == m_nLength) {
        return Fail(lang::Translate("the duration is empty"));
    }
    const bool bMinus = m_strText[m_nPos] == '-';
    m_nPos += bMinus ? 1 : 0;
    double dTotal = 0;
    const bool bRead = ReadPieces(dTotal);
    // Zero is zero with a sign as without; only a sign in front makes anything else negative,
    // whatever follows it.
    if (bRead && m_nPieces > 0 && dTotal == 0 && !m_bNonZeroDigit) {
        return Fail(lang::TranslateFormat("%1 is not longer than zero", {QuoteTyped(m_strText)}));
    }
    if (bMinus) {
        return Fail(lang::TranslateFormat("%1 is negative: a duration must be longer than zero",
                                          {QuoteTyped(m_strText)}),
                    false);
    }
    if (!bRead) {
        return false;
    }
    if (!std::isfinite(dTotal)) {
        return Fail(lang::TranslateFormat("%1 is too long a duration: no number holds it",
                                          {QuoteTyped(m_strText)}),
                    false);
    }
    if (!(dTotal > 0)) {
        return Fail(
            lang::TranslateFormat("%1 is too short to tell from zero", {QuoteTyped(m_strText)}),
            false);
    }
    dSeconds = dTotal;
    return true;
}

} // namespace

bool ParseDuration(const std::string& text, double& dSeconds, std::string& error) {
    CDurationReader reader(text);
    if (!reader.Read(dSeconds)) {
        error = reader.Error();
        return false;
    }
    return true;
}

bool IsDurationUnit(const std::string& word) {
    DurationUnit unit = DurationUnit::Second;
    return FindDurationUnit(word, unit);
}

} // namespace spanwise
