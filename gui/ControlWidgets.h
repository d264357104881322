#pragma once

#include "controls/DialogLayout.h"
#include "controls/DialogTemplate.h"

class QWidget;

// The widgets the dialogs' controls are drawn with, made from the templates: a static text is a
// QLabel, a group box a QGroupBox, a list a QComboBox, a button a QPushButton, an edit field a
// QLineEdit, an icon a QLabel with its image and a table a CTableWidget.

// The widget of item, placed at place in pParent, named "control<id>"; its signals are not
// connected yet.
QWidget* CreateControlWidget(const ctl::CDialogItemTemplate& item, const ctl::CRect& place,
                             QWidget* pParent);

// Moves a control's widget to place, as when the dialog is laid out again at other base units.
void PlaceControlWidget(QWidget* pWidget, const ctl::CRect& place);
