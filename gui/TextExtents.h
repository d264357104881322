#pragma once

#include "controls/DialogLayout.h"

#include <QString>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// How much room each widget's text takes as Qt draws it, in the widget's own font, for the core
// to fit the dialog to (ctl::FitBaseUnits): the width a text needs, the frame, margins and button
// of its widget included, and a wrapping label's height at its width. What a widget has room for
// is measured the same way, so that a text fits where its need is at most its widget's size.
int TextNeed(const QLabel& label);          // width; 0 for an image
int WrappedHeightNeed(const QLabel& label); // 0 for a label on one line
int TextNeed(const QGroupBox& group);
int TextNeed(const QPushButton& button);
int TextNeed(const QComboBox& list); // its widest entry

// The extents of the texts of widgets (template order) that need room: labels, group boxes,
// buttons and lists.
std::vector<ctl::CTextExtent> MeasureTexts(const std::vector<QWidget*>& widgets);
