#pragma once

#include <QColor>
#include <QPalette>

// Text colours that read on the window's background whatever the desktop's palette.

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it, from 1
// (the same luminance) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);

// The least contrast with the background that text must have to read well.
constexpr double kReadableContrast = 4.5;

// The colour to draw text that a dialog asks to have in asked, on palette's window background:
// asked itself where it reads; else the palette's link colour where that reads and is of the
// same hue (the desktop's own choice of a readable blue on a dark palette); else asked made just
// as much lighter, or darker, as it takes to read.
QColor ReadableTextColour(const QColor& asked, const QPalette& palette);
