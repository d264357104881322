#include "QtDialogHost.h"

#include "AccessibleList.h"
#include "Announcer.h"
#include "ComboStyle.h"
#include "DialogWindow.h"
#include "MessageBox.h"

#include "controls/Dialog.h"

#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

using namespace ctl;

CQtDialogHost::CQtDialogHost() {
    CComboStyle::InstallOnApplication();
    InstallAccessibleLists();
    CAnnouncer::InstallAccessibleRoles();
}

CQtDialogHost::~CQtDialogHost() {
    for (const CShown& shown : m_shown) {
        delete shown.pWindow.data();
    }
}

void CQtDialogHost::OpenDialog(CDialog& dlg, DialogEnded onEnded) {
    CDialogWindow* pParentWindow =
        dlg.GetParent() != nullptr ? WindowFor(*dlg.GetParent()) : nullptr;
    auto* pWindow = new CDialogWindow(dlg, pParentWindow);
    m_shown.push_back({&dlg, pWindow, std::move(onEnded)});
    if (!m_screenshotFile.isEmpty() && pParentWindow == nullptr) {
        QTimer::singleShot(0, pWindow, [this, pWindow] {
            m_bScreenshotSaved = pWindow->grab().save(m_screenshotFile, "PNG");
            pWindow->reject();
        });
    }
    if (pParentWindow != nullptr) {
        pWindow->open();
    } else {
        pWindow->show();
    }
    dlg.OnWindowShown();
}

void CQtDialogHost::CloseDialog(CDialog& dlg, int nResult) {
    const auto found = std::find_if(m_shown.begin(), m_shown.end(),
                                    [&dlg](const CShown& shown) { return shown.pDlg == &dlg; });
    if (found == m_shown.end()) {
        return;
    }
    const CShown shown = std::move(*found);
    m_shown.erase(found);
    if (shown.pWindow != nullptr) {
        shown.pWindow->Detach();
        shown.pWindow->done(nResult);
        shown.pWindow->deleteLater();
    }
    if (shown.onEnded) {
        shown.onEnded(nResult);
    }
}

void CQtDialogHost::ShowMessageBox(CDialog& owner, const std::string& text,
                                   const std::string& caption, unsigned /*nType*/,
                                   DialogEnded onClosed) {
    auto* pBox = new CMessageBox(QString::fromUtf8(caption.c_str()),
                                 QString::fromUtf8(text.c_str()), WindowFor(owner));
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(pBox, &QMessageBox::finished, pBox, [onClosed = std::move(onClosed)] {
        if (onClosed) {
            onClosed(IDOK);
        }
    });
    pBox->open();
}

void CQtDialogHost::RunUntilEnded(CDialog& dlg) {
    CDialogWindow* pWindow = WindowFor(dlg);
    if (pWindow == nullptr) {
        return;
    }
    QEventLoop loop;
    QObject::connect(pWindow, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

IClipboard& CQtDialogHost::Clipboard() {
    return m_pClipboard != nullptr ? *m_pClipboard : m_qtClipboard;
}

CDialogWindow* CQtDialogHost::WindowFor(const CDialog& dlg) const {
    for (const CShown& shown : m_shown) {
        if (shown.pDlg == &dlg) {
            return shown.pWindow;
        }
    }
    return nullptr;
}

std::vector<CDialogWindow*> CQtDialogHost::Windows() const {
    std::vector<CDialogWindow*> windows;
    for (const CShown& shown : m_shown) {
        if (shown.pWindow != nullptr) {
            windows.push_back(shown.pWindow);
        }
    }
    return windows;
}
