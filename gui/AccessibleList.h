#pragma once

class QComboBox;

// Screen readers name the dialogs' drop-down lists by their captions (the label whose buddy a list
// is, or its accessible name) and read the shown entry as the list's value and its text. Qt's own
// description of a list names it on Linux by its shown entry, which leaves no caption to read, and
// gives the entry neither as text nor as a selected child.
// Installs that description for every QComboBox, once; needs a QApplication.
void InstallAccessibleLists();

// Makes the entry pList shows the selected item of its drop-down view, where screen readers look
// for the list's selected child; call it whenever the shown entry changes.
void SelectShownEntry(QComboBox* pList);
