#include "calc/DurationParse.h"

#include "calc/ShownText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <system_error>

namespace spanwise {

const char* const kDurationExamples = "3d, 2d12h, 1h30min, 1.5h or 500ms";

namespace {

// Longest unit first: a piece's unit must come after the previous piece's in this table.
struct CDurationUnit {
    const char* name;     // the short name, as the program writes times
    const char* plural;   // what a message calls several of them
    double dSeconds;      // a whole unit in seconds, for the units of one second and more
    double dPerSecond;    // units in a second, for the units below one second
    const char* words[5]; // every spelling, in lower case
};

// clang-format off
const CDurationUnit kUnits[] = {
    { "d",   "days",          86400, 0,   { "d", "day", "days" } },
    { "h",   "hours",          3600, 0,   { "h", "hour", "hours", "hr", "hrs" } },
    { "min", "minutes",          60, 0,   { "min", "mins", "minute", "minutes" } },
    { "s",   "seconds",           1, 0,   { "s", "sec", "secs", "second", "seconds" } },
    { "ms",  "milliseconds",      0, 1e3, { "ms", "millisecond", "milliseconds" } },
    { "us",  "microseconds",      0, 1e6, { "us", "\xc2\xb5s", "\xce\xbcs", "microsecond",
                                            "microseconds" } }, // micro sign, Greek mu
    { "ns",  "nanoseconds",       0, 1e9, { "ns", "nanosecond", "nanoseconds" } },
};
// clang-format on

constexpr int kUnitCount = static_cast<int>(std::size(kUnits));

// A number's digits before its exponent, written out without one, up to this length; a longer one
// is only asked for in plain digits.
constexpr std::size_t kLongestPlainForm = 40;
// Exponents beyond this give plain forms far longer than kLongestPlainForm.
constexpr long kLargestExponent = 1000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A unit is a run of letters; bytes past ASCII belong to it, so that "µs" is one word and a
// character that is not a letter shows in the message about the unit it spoils.
bool IsUnitByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0x80;
}

// ASCII letters in lower case; the program's units and words have no others, and a locale must
// not change what "MIN" means.
std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

int FindUnit(const std::string& word) {
    const std::string lower = Lower(word);
    for (int i = 0; i < kUnitCount; ++i) {
        for (const char* spelling : kUnits[i].words) {
            if (spelling != nullptr && lower == spelling) {
                return i;
            }
        }
    }
    return -1;
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
double PieceSeconds(double dNumber, const CDurationUnit& unit) {
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
    // what, with the example after it when the message stays short enough.
    bool Fail(const std::string& what, bool bExample = true) {
        m_strError = what;
        const std::string example = std::string("; write a duration such as ") + kDurationExamples;
        if (bExample && what.size() + example.size() <= kLongestDurationMessage) {
            m_strError += example;
        }
        return false;
    }
    bool Unexpected(std::size_t i) {
        return Fail("unexpected " + QuoteTyped(m_strText.substr(i, 1)) + " in " +
                    QuoteTyped(m_strText));
    }
    void SkipBlanks() {
        while (m_nPos < m_nLength && IsBlank(m_strText[m_nPos])) {
            ++m_nPos;
        }
    }
    std::size_t UnitEnd(std::size_t i) const {
        while (i < m_nLength && IsUnitByte(m_strText[i])) {
            ++i;
        }
        return i;
    }
    bool ReadNumber(std::string& number);
    bool RefuseExponent(std::size_t numberStart, const std::string& number);

    const std::string& m_strText;
    const std::size_t m_nLength;
    std::size_t m_nPos = 0; // where reading goes on
    bool m_bCommaIsPoint = false;
    bool m_bNonZeroDigit = false;
    std::string m_strError;
};

// The number at m_nPos: digits with at most one decimal point (the lone comma too), a digit on at
// least one side of it. Refuses what stands there instead.
bool CDurationReader::ReadNumber(std::string& number) {
    const std::size_t start = m_nPos;
    const char first = m_strText[m_nPos];
    if (first == '+') {
        return Fail(QuoteTyped(m_strText) + " has a sign: write the number alone", false);
    }
    bool bDigits = false;
    bool bPoint = false;
    for (; m_nPos < m_nLength; ++m_nPos) {
        const char c = m_strText[m_nPos];
        // A decimal comma follows a digit, so that "1h, 30min" is not 1 h and 0.3 min.
        const bool bCommaPoint =
            c == ',' && m_bCommaIsPoint && m_nPos > start && IsDigit(m_strText[m_nPos - 1]);
        if (IsDigit(c)) {
            bDigits = true;
            m_bNonZeroDigit = m_bNonZeroDigit || c != '0';
            number += c;
        } else if ((c == '.' || bCommaPoint) && !bPoint) {
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
        const std::size_t end = UnitEnd(start);
        const std::string word = m_strText.substr(start, end - start);
        return Fail(FindUnit(word) >= 0
                        ? "the unit " + QuoteTyped(word) + " has no number before it"
                        : QuoteTyped(word) + " is not a number");
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
    return Fail(QuoteTyped(typed) + " is scientific notation, which is not accepted: write " +
                    (plain.empty() ? "it in plain digits" : plain),
                false);
}

bool CDurationReader::Read(double& dSeconds) {
    SkipBlanks();
    if (m_nPos == m_nLength) {
        return Fail("the duration is empty");
    }
    // Only a sign in front makes a duration negative; a '-' anywhere else is out of place.
    if (m_strText[m_nPos] == '-') {
        return Fail(QuoteTyped(m_strText) + " is negative: a duration must be longer than zero",
                    false);
    }
    const std::size_t nCommas = std::count(m_strText.begin(), m_strText.end(), ',');
    if (nCommas > 1) {
        return Fail(QuoteTyped(m_strText) + " has more than one comma: write decimals with a point",
                    false);
    }
    m_bCommaIsPoint = nCommas == 1;

    double dTotal = 0;
    int nPreviousUnit = -1;
    int nPieces = 0;
    std::string bareNumber; // a number without a unit, which must stand alone
    while (true) {
        SkipBlanks();
        if (m_nPos == m_nLength) {
            break;
        }
        if (!bareNumber.empty()) {
            return Fail("the number " + QuoteTyped(bareNumber) +
                        " has no unit: a number without one must stand alone");
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
        const double dNumber = ReadDecimal(number);

        SkipBlanks();
        const std::size_t unitStart = m_nPos;
        m_nPos = UnitEnd(m_nPos);
        const std::string word = m_strText.substr(unitStart, m_nPos - unitStart);
        if (word.empty()) {
            if (m_nPos < m_nLength && !IsDigit(m_strText[m_nPos])) {
                return Unexpected(m_nPos);
            }
            if (nPieces > 0) {
                return Fail("the number " + QuoteTyped(typedNumber) + " has no unit");
            }
            bareNumber = typedNumber;
            dTotal = dNumber;
            ++nPieces;
            continue;
        }
        const int nUnit = FindUnit(word);
        if (nUnit < 0) {
            return Fail(QuoteTyped(word) + " is not a unit: use d, h, min, s, ms, us or ns", false);
        }
        if (nUnit == nPreviousUnit) {
            return Fail(std::string("the ") + kUnits[nUnit].plural + " are written twice");
        }
        if (nUnit < nPreviousUnit) {
            return Fail(std::string("the ") + kUnits[nUnit].plural + " come after the " +
                            kUnits[nPreviousUnit].plural +
                            ": write the pieces from the longest unit down",
                        false);
        }
        nPreviousUnit = nUnit;
        dTotal += PieceSeconds(dNumber, kUnits[nUnit]);
        ++nPieces;
    }
    if (!std::isfinite(dTotal)) {
        return Fail(QuoteTyped(m_strText) + " is too long a duration: no number holds it", false);
    }
    if (!(dTotal > 0)) {
        return Fail(m_bNonZeroDigit ? QuoteTyped(m_strText) + " is too short to tell from zero"
                                    : QuoteTyped(m_strText) +
                                          " is no time at all: a duration must be longer than zero",
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
    return FindUnit(word) >= 0;
}

} // namespace spanwise
