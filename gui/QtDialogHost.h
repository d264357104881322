#pragma once

#include "QtClipboard.h"

#include "controls/DialogHost.h"

#include <QString>

#include <memory>
#include <unordered_map>

class CDialogWindow;

// The dialogs' window system on Qt Widgets: each dialog run modally gets a CDialogWindow, message
// boxes are QMessageBoxes and the clipboard is Qt's. Needs a QApplication.
class CQtDialogHost final : public ctl::IDialogHost {
public:
    // Gives the application the dialogs' style (CComboStyle), once: make the host before the
    // first widget, so that no widget is drawn in the style it replaces.
    CQtDialogHost();
    ~CQtDialogHost();

    CQtDialogHost(const CQtDialogHost&) = delete;
    CQtDialogHost& operator=(const CQtDialogHost&) = delete;

    int RunModal(ctl::CDialog& dlg) override;
    void EndModal(ctl::CDialog& dlg, int nResult) override;
    int MessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                   unsigned nType) override;
    ctl::IClipboard& Clipboard() override;

    // Creates dlg if it is not yet and builds its window, not shown. The window of the dialog's
    // parent, if it has one, is the new window's parent. RunModal runs such a window; tests may
    // drive one themselves.
    std::unique_ptr<CDialogWindow> BuildWindow(ctl::CDialog& dlg);
    // The window now showing dlg, or nullptr.
    CDialogWindow* WindowFor(const ctl::CDialog& dlg) const;

    // Puts another clipboard in place of Qt's; nullptr goes back to Qt's.
    void SetClipboard(ctl::IClipboard* pClipboard) { m_pClipboard = pClipboard; }

    // Once the main dialog is on screen, save a picture of it to path and close it.
    void SetScreenshotFile(const QString& path) { m_screenshotFile = path; }
    bool ScreenshotSaved() const { return m_bScreenshotSaved; }

private:
    std::unordered_map<const ctl::CDialog*, CDialogWindow*> m_windows;
    CQtClipboard m_qtClipboard;
    ctl::IClipboard* m_pClipboard = nullptr;
    QString m_screenshotFile;
    bool m_bScreenshotSaved = false;
};
