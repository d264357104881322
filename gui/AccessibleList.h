#pragma once

// Screen readers name the dialogs' drop-down lists by their captions (the label whose buddy a list
// is, or its accessible name) and read the shown entry as the list's value. Qt's own description
// of a list names it on Linux by its shown entry, which leaves no caption to read.
// Installs that description for every QComboBox, once; needs a QApplication.
void InstallAccessibleLists();
