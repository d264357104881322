#pragma once

#include "QtClipboard.h"

#include "controls/DialogHost.h"

#include <QPointer>
#include <QString>

#include <string>
#include <vector>

class CDialogWindow;

// The dialogs' window system on Qt Widgets: each dialog shown gets a CDialogWindow (one opened
// from another is window-modal over it), message boxes are QMessageBoxes and the clipboard is
// Qt's. Needs a QApplication.
class CQtDialogHost final : public ctl::IDialogHost {
public:
    // Gives the application the dialogs' style (CComboStyle) and the accessible descriptions of
    // the lists and the announcer (InstallAccessibleLists, CAnnouncer), once: make the host
    // before the first widget, so that no widget is drawn in the style it replaces.
    CQtDialogHost();
    ~CQtDialogHost();

    CQtDialogHost(const CQtDialogHost&) = delete;
    CQtDialogHost& operator=(const CQtDialogHost&) = delete;

    void OpenDialog(ctl::CDialog& dlg, ctl::DialogEnded onEnded) override;
    void CloseDialog(ctl::CDialog& dlg, int nResult) override;
    void ShowMessageBox(ctl::CDialog& owner, const std::string& text, const std::string& caption,
                        unsigned nType, ctl::DialogEnded onClosed) override;
    void RunUntilEnded(ctl::CDialog& dlg) override;
    ctl::IClipboard& Clipboard() override;

    // The window now showing dlg, or nullptr.
    CDialogWindow* WindowFor(const ctl::CDialog& dlg) const;
    // The windows shown now, the one opened last last.
    std::vector<CDialogWindow*> Windows() const;

    // Puts another clipboard in place of Qt's; nullptr goes back to Qt's.
    void SetClipboard(ctl::IClipboard* pClipboard) { m_pClipboard = pClipboard; }

    // Once the main dialog is on screen, save a picture of it to path and close it.
    void SetScreenshotFile(const QString& path) { m_screenshotFile = path; }
    bool ScreenshotSaved() const { return m_bScreenshotSaved; }

private:
    struct CShown {
        ctl::CDialog* pDlg;
        QPointer<CDialogWindow> pWindow;
        ctl::DialogEnded onEnded;
    };

    std::vector<CShown> m_shown;
    CQtClipboard m_qtClipboard;
    ctl::IClipboard* m_pClipboard = nullptr;
    QString m_screenshotFile;
    bool m_bScreenshotSaved = false;
};
