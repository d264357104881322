#include "calc/DurationFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

namespace spanwise {

namespace {

// Magnitudes below this are written as 0 by FormatEngineering.
constexpr double kZeroLimit = 1e-12;

// The prefix search starts at 1e18 and takes one step of 0.001 at a time; the prefix belongs to
// the number of steps taken. 1e15 and 1e18 have no letter, nor have 1e-15 and 1e-18.
constexpr double kFirstScale = 1e18;
constexpr double kScaleStep = 0.001;
constexpr int kPrefixCount = 13;
constexpr const char* kPrefixes[kPrefixCount] = {"",  "",  "T", "G", "M", "k", "",
                                                 "m", "u", "n", "p", "",  ""};

// dResolution from kWholeSeconds on writes whole seconds, from kTenths tenths of a second, below
// kTenths the part below one minute in engineering notation.
constexpr double kWholeSeconds = 1.0;
constexpr double kTenths = 0.1;

// Allowance, relative to the duration, added before the duration is cut into whole days, hours,
// minutes and seconds. K lies below 1/86400, so a whole number of minutes, hours or days turned
// into a span of days and back falls short of the whole unit: by up to about 1.5 * 2^-52 of the
// duration for every whole minute up to 3.6e9 s. The durations the program formats are products
// of a recording length and a division length, which adds up to one more rounding of 2^-53.
// 2^-48 is over five times the sum of the two, so whole units always count as whole, and it stays
// far below anything a text can show: 2.1e-13 s at 59.99 s, about 11 us at 3.072e9 s, the
// longest recording time, whose text has no room for digits below a millisecond.
constexpr double kAllowance = 0x1p-48;

// The day count is a signed 32-bit number. A duration of 2^31 days or more (about 5.9 million
// years), and an infinite one, is out of range and written as kOutOfRange instead of its pieces.
constexpr double kSecondsLimit = 2147483648.0 * 86400.0;
constexpr const char* kOutOfRange = "inf";

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;

// value written like printf's "%.*f" (or "%+.*f" with bPlusSign), always with '.' as the decimal
// point whatever the locale. A negative precision means 6, as it does for printf.
std::string FormatFixed(double value, bool bPlusSign, int nPrecision) {
    const int precision = nPrecision < 0 ? 6 : nPrecision;
    // Room for the 309 integer digits of the largest double, sign, point and the decimals.
    std::string text(static_cast<std::size_t>(precision) + 330, '\0');
#if defined(__cpp_lib_to_chars)
    char* first = text.data();
    if (bPlusSign && !std::signbit(value)) {
        *first++ = '+';
    }
    const std::to_chars_result result =
        std::to_chars(first, text.data() + text.size(), value, std::chars_format::fixed, precision);
    if (result.ec != std::errc()) {
        return {}; // cannot happen with the room given above
    }
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
#else
    // A standard library without floating-point std::to_chars (WebAssembly's) runs only in the C
    // locale, where printf writes the same digits with '.' as the point.
    const int nLength =
        std::snprintf(text.data(), text.size(), bPlusSign ? "%+.*f" : "%.*f", precision, value);
    if (nLength < 0) {
        return {};
    }
    text.resize(static_cast<std::size_t>(nLength));
#endif
    return text;
}

// Appends piece to text if the result stays within nMaxLength; returns false (text unchanged)
// when it would not.
bool AppendPiece(std::string& text, const std::string& piece, int nMaxLength) {
    const auto nLength = static_cast<long long>(text.size()) + static_cast<long long>(piece.size());
    if (nLength > nMaxLength) {
        return false;
    }
    text += piece;
    return true;
}

// a in whole days, hours, minutes and seconds, counted in a 64-bit integer of seconds.
struct Portions {
    int days;
    int hours;
    int minutes;
    int seconds;
};

// false when a is out of range (see kSecondsLimit).
bool SplitDuration(double a, Portions& portions) {
    const double span = a * K;
    const double total = span * 86400.0 + a * kAllowance;
    if (!(total < kSecondsLimit)) {
        return false;
    }
    const auto whole = static_cast<std::int64_t>(total);
    portions.days = static_cast<int>(whole / kSecondsPerDay);
    portions.hours = static_cast<int>(whole / kSecondsPerHour % 24);
    portions.minutes = static_cast<int>(whole / kSecondsPerMinute % 60);
    portions.seconds = static_cast<int>(whole % kSecondsPerMinute);
    return true;
}

} // namespace

std::string FormatDuration(double dSeconds, double dResolution, int nPrecision, int nMaxLength) {
    double a = std::fabs(dSeconds);
    if (!(a > 0.0)) {
        return "0s"; // also NaN
    }
    std::string text = dSeconds < 0.0 ? "-" : "";

    const bool bTenths = dResolution >= kTenths && dResolution < kWholeSeconds;
    if (bTenths) {
        // Tenths are rounded before the duration is cut up, so that 59.96 s carries into a whole
        // minute ("1min") instead of showing ten tenths or "60s".
        a = std::floor(a * 10.0 + 0.5) / 10.0;
    }

    Portions portions{};
    if (!SplitDuration(a, portions)) {
        AppendPiece(text, kOutOfRange, nMaxLength);
        return text;
    }

    if (portions.days > 0 && !AppendPiece(text, std::to_string(portions.days) + "d", nMaxLength)) {
        return text;
    }
    if (portions.hours > 0 &&
        !AppendPiece(text, std::to_string(portions.hours) + "h", nMaxLength)) {
        return text;
    }
    if (portions.minutes > 0 &&
        !AppendPiece(text, std::to_string(portions.minutes) + "min", nMaxLength)) {
        return text;
    }

    if (dResolution >= kWholeSeconds) {
        // Whole seconds, truncated; a duration below one second writes nothing here.
        if (portions.seconds > 0) {
            AppendPiece(text, std::to_string(portions.seconds) + "s", nMaxLength);
        }
        return text;
    }

    // The rest below one minute. The allowance may count a unit the duration falls a hair short
    // of, so the rest is taken as a magnitude.
    const double r = std::fabs(
        a - (portions.minutes * 60.0 + portions.hours * 3600.0 + portions.days * 86400.0));

    if (bTenths) {
        // a is a whole number of tenths here, so tenths stays below 10.
        const double whole = std::trunc(r);
        // Half a tenth and more rounds up, by adding one half and truncating.
        // NOLINTNEXTLINE(bugprone-incorrect-roundings)
        const int tenths = r > 0.0 ? static_cast<int>((r - whole) * 10.0 + 0.5) : 0;
        if (tenths > 0) {
            AppendPiece(text, std::to_string(portions.seconds) + "." + std::to_string(tenths) + "s",
                        nMaxLength);
        } else if (portions.seconds > 0) {
            AppendPiece(text, std::to_string(portions.seconds) + "s", nMaxLength);
        } else if (text.empty() || text == "-") {
            // Less than half a tenth in all: written as zero, without a sign.
            text.clear();
            AppendPiece(text, "0s", nMaxLength);
        }
        return text;
    }

    if (r > 0.0) {
        AppendPiece(text, FormatEngineering(r, false, true, nPrecision) + "s", nMaxLength);
    }
    return text;
}

std::string FormatEngineering(double dValue, bool bPlusSign, bool bTrimZeros, int nPrecision) {
    const double a = std::fabs(dValue);
    std::string number;
    const char* prefix = "";
    if (a < kZeroLimit) {
        number = FormatFixed(0.0, false, nPrecision);
    } else {
        // Also ends for NaN and infinity: they are written by the format as they are.
        double scale = kFirstScale;
        int steps = 0;
        while (a < scale && steps < kPrefixCount - 1) {
            scale *= kScaleStep;
            ++steps;
        }
        prefix = kPrefixes[steps];
        number = FormatFixed(dValue / scale, bPlusSign, nPrecision);
    }
    if (bTrimZeros) {
        number = TrimTrailingZeros(number);
    }
    return number + prefix;
}

std::string TrimTrailingZeros(std::string str) {
    if (str.find('.') == std::string::npos) {
        return str;
    }
    // The first character is never looked at.
    std::size_t length = str.size();
    while (length > 1 && str[length - 1] == '0') {
        --length;
    }
    if (length > 1 && str[length - 1] == '.') {
        --length;
    }
    str.resize(length);
    return str;
}

} // namespace spanwise
