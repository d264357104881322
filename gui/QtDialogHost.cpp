#include "QtDialogHost.h"

#include "ComboStyle.h"
#include "DialogWindow.h"

#include "controls/Dialog.h"

#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

using namespace ctl;

CQtDialogHost::CQtDialogHost() {
    CComboStyle::InstallOnApplication();
}

CQtDialogHost::~CQtDialogHost() = default;

std::unique_ptr<CDialogWindow> CQtDialogHost::BuildWindow(CDialog& dlg) {
    dlg.Create();
    CDialogWindow* pParentWindow =
        dlg.GetParent() != nullptr ? WindowFor(*dlg.GetParent()) : nullptr;
    auto pWindow = std::make_unique<CDialogWindow>(dlg, pParentWindow);
    const CDialog* pKey = &dlg;
    m_windows[pKey] = pWindow.get();
    QObject::connect(pWindow.get(), &QObject::destroyed, [this, pKey, pWindow = pWindow.get()] {
        const auto found = m_windows.find(pKey);
        if (found != m_windows.end() && found->second == pWindow) {
            m_windows.erase(found);
        }
    });
    return pWindow;
}

CDialogWindow* CQtDialogHost::WindowFor(const CDialog& dlg) const {
    const auto found = m_windows.find(&dlg);
    return found != m_windows.end() ? found->second : nullptr;
}

int CQtDialogHost::RunModal(CDialog& dlg) {
    const std::unique_ptr<CDialogWindow> pWindow = BuildWindow(dlg);
    if (!m_screenshotFile.isEmpty() && dlg.GetParent() == nullptr) {
        CDialogWindow* pShown = pWindow.get();
        QTimer::singleShot(0, pShown, [this, pShown] {
            m_bScreenshotSaved = pShown->grab().save(m_screenshotFile, "PNG");
            pShown->Dialog().OnCancel();
        });
    }
    return pWindow->exec();
}

void CQtDialogHost::EndModal(CDialog& dlg, int nResult) {
    if (CDialogWindow* pWindow = WindowFor(dlg); pWindow != nullptr) {
        pWindow->EndFromDialog(nResult);
    }
}

int CQtDialogHost::MessageBox(CDialog& owner, const std::string& text, const std::string& caption,
                              unsigned /*nType*/) {
    // Every message box of the dialogs is a plain notice with an OK button.
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption.c_str()),
                    QString::fromUtf8(text.c_str()), QMessageBox::Ok, WindowFor(owner));
    box.exec();
    return IDOK;
}

IClipboard& CQtDialogHost::Clipboard() {
    return m_pClipboard != nullptr ? *m_pClipboard : m_qtClipboard;
}
