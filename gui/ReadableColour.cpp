#include "ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](int nFrom, int nTo) {
        return static_cast<int>(std::lround(nFrom + (nTo - nFrom) * amount));
    };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

// Hues within this many degrees of each other count as the same colour (blue and a lighter or
// more violet blue, not blue and green).
constexpr int kSameHueDegrees = 40;

bool SameHue(const QColor& first, const QColor& second) {
    const int nFirst = first.hsvHue();
    const int nSecond = second.hsvHue();
    if (nFirst < 0 || nSecond < 0) {
        return nFirst == nSecond; // greys go with greys only
    }
    const int nApart = std::abs(nFirst - nSecond);
    return std::min(nApart, 360 - nApart) <= kSameHueDegrees;
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double lighter = std::max(Luminance(first), Luminance(second));
    const double darker = std::min(Luminance(first), Luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor ReadableTextColour(const QColor& asked, const QPalette& palette) {
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    if (ContrastRatio(asked, background) >= kReadableContrast) {
        return asked;
    }
    const QColor link = palette.color(QPalette::Active, QPalette::Link);
    if (SameHue(link, asked) && ContrastRatio(link, background) >= kReadableContrast) {
        return link;
    }
    // Toward white or black, whichever stands out more from the background; one of the two always
    // has a contrast of at least 4.58 (the square root of 21) with it. Find the least blend that
    // reads, in steps fine enough not to be seen.
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor extreme =
        ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
    constexpr int kSteps = 256;
    int nLow = 0;
    int nHigh = kSteps;
    while (nLow < nHigh) {
        const int nMiddle = (nLow + nHigh) / 2;
        const QColor mixed = Mix(asked, extreme, static_cast<double>(nMiddle) / kSteps);
        if (ContrastRatio(mixed, background) >= kReadableContrast) {
            nHigh = nMiddle;
        } else {
            nLow = nMiddle + 1;
        }
    }
    return Mix(asked, extreme, static_cast<double>(nLow) / kSteps);
}
