#include "calc/DurationParse.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace spanwise {

const char* const kDurationExamples = "3d, 2d12h, 1h30min, 1.5h or 500ms";

namespace {

// Longest unit first: a piece's unit must come after the previous piece's in this table.
struct CDurationUnit {
    const char* name;
    double dSeconds;   // a whole unit in seconds, for the units of one second and more
    double dPerSecond; // units in a second, for the units below one second
};

// clang-format off
const CDurationUnit kUnits[] = {
    { "d",   86400, 0 },
    { "h",    3600, 0 },
    { "min",    60, 0 },
    { "s",       1, 0 },
    { "ms",      0, 1e3 },
    { "us",      0, 1e6 },
    { "ns",      0, 1e9 },
};
// clang-format on

constexpr int kUnitCount = static_cast<int>(std::size(kUnits));

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

int FindUnit(const std::string& name) {
    for (int i = 0; i < kUnitCount; ++i) {
        if (name == kUnits[i].name) {
            return i;
        }
    }
    return -1;
}

// The piece's value in seconds, rounded once: a sub-second unit divides, so that "1600ms" is the
// same number as "1.6".
double PieceSeconds(double dNumber, const CDurationUnit& unit) {
    return unit.dPerSecond > 0 ? dNumber / unit.dPerSecond : dNumber * unit.dSeconds;
}

bool Fail(std::string& error, const std::string& what) {
    error = what + "; write a duration such as " + kDurationExamples;
    return false;
}

} // namespace

bool ParseDuration(const std::string& text, double& dSeconds, std::string& error) {
    const std::string lower = Lower(text);
    if (lower.find_first_not_of(" \t") == std::string::npos) {
        return Fail(error, "the duration is empty");
    }
    for (const char* word : {"nan", "inf"}) {
        if (lower.find(word) != std::string::npos) {
            return Fail(error, "\"" + text + "\" is not a number of any unit");
        }
    }
    if (lower.find('-') != std::string::npos) {
        return Fail(error, "a duration cannot be negative");
    }

    double dTotal = 0;
    int nPreviousUnit = -1;
    int nPieces = 0;
    bool bBareNumber = false;
    std::size_t i = 0;
    const std::size_t n = lower.size();
    while (true) {
        while (i < n && (lower[i] == ' ' || lower[i] == '\t')) {
            ++i;
        }
        if (i == n) {
            break;
        }
        if (bBareNumber) {
            return Fail(error, "a number without a unit must stand alone");
        }
        // The number: digits with at most one decimal point, a digit on at least one side.
        const std::size_t numberStart = i;
        if (lower[i] == '+') {
            return Fail(error, "\"" + text + "\" has a sign; write the number alone");
        }
        bool bDigits = false;
        bool bPoint = false;
        while (i < n && (IsDigit(lower[i]) || (lower[i] == '.' && !bPoint))) {
            bDigits = bDigits || IsDigit(lower[i]);
            bPoint = bPoint || lower[i] == '.';
            ++i;
        }
        if (!bDigits) {
            return Fail(error, "\"" + text.substr(numberStart) + "\" does not start with a number");
        }
        const std::string number = lower.substr(numberStart, i - numberStart);
        const double dNumber = std::strtod(number.c_str(), nullptr);

        const std::size_t unitStart = i;
        while (i < n && IsLetter(lower[i])) {
            ++i;
        }
        const std::string unitName = lower.substr(unitStart, i - unitStart);
        if (unitName.empty()) {
            if (i < n && lower[i] != ' ' && lower[i] != '\t') {
                return Fail(error, "\"" + text.substr(i) + "\" is not a unit");
            }
            if (nPieces > 0) {
                return Fail(error, "the number " + number + " has no unit");
            }
            bBareNumber = true;
            dTotal = dNumber;
            ++nPieces;
            continue;
        }
        const int nUnit = FindUnit(unitName);
        if (nUnit < 0) {
            return Fail(error, "\"" + text.substr(unitStart, i - unitStart) +
                                   "\" is not a unit: use d, h, min, s, ms, us or ns");
        }
        if (nUnit == nPreviousUnit) {
            return Fail(error, "the unit " + unitName + " is written twice");
        }
        if (nUnit < nPreviousUnit) {
            return Fail(error, "the unit " + unitName + " comes after " +
                                   kUnits[nPreviousUnit].name +
                                   "; write the pieces from the longest unit down");
        }
        nPreviousUnit = nUnit;
        dTotal += PieceSeconds(dNumber, kUnits[nUnit]);
        ++nPieces;
    }
    if (!std::isfinite(dTotal)) {
        return Fail(error, "\"" + text + "\" is too long a duration");
    }
    if (!(dTotal > 0)) {
        return Fail(error, "a duration must be longer than zero");
    }
    dSeconds = dTotal;
    return true;
}

} // namespace spanwise
