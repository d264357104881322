#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

CDialogBaseUnits CDialogBaseUnits::FromFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nLetters = static_cast<int>(kAlphabet.size());
    CDialogBaseUnits units;
    units.nX = MulDiv(metrics.horizontalAdvance(kAlphabet), 1, nLetters);
    units.nY = metrics.height();
    return units;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(a) * b;
    const long long half = (c < 0 ? -c : c) / 2;
    const bool bNegative = (product < 0) != (c < 0);
    const long long magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(bNegative ? -magnitude : magnitude);
}

int DialogUnitsToPixelsX(int x, const CDialogBaseUnits& units) {
    return MulDiv(x, units.nX, 4);
}

int DialogUnitsToPixelsY(int y, const CDialogBaseUnits& units) {
    return MulDiv(y, units.nY, 8);
}

QRect MapDialogRect(int x, int y, int cx, int cy, const CDialogBaseUnits& units) {
    return {DialogUnitsToPixelsX(x, units), DialogUnitsToPixelsY(y, units),
            DialogUnitsToPixelsX(cx, units), DialogUnitsToPixelsY(cy, units)};
}

QSize MapDialogSize(int cx, int cy, const CDialogBaseUnits& units) {
    return {DialogUnitsToPixelsX(cx, units), DialogUnitsToPixelsY(cy, units)};
}
