#pragma once

#include <QMessageBox>

// A message box of the dialogs: a plain notice with an OK button. Its text is the dialog's as it
// stands, with nothing inserted to show where it may wrap, so that what is selected and copied
// from it, and what screen readers read of it, is the text. A word too wide for the screen is
// wrapped anywhere by QMessageBox itself, which on a small screen then takes the screen's whole
// width, frame aside; the box keeps a tenth of the screen's width for its frame.
class CMessageBox final : public QMessageBox {
    Q_OBJECT

public:
    CMessageBox(const QString& caption, const QString& text, QWidget* pParent);

protected:
    void showEvent(QShowEvent* pEvent) override;
};
