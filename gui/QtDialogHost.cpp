#include "QtDialogHost.h"

#include "AccessibleList.h"
#include "ComboStyle.h"
#include "DialogWindow.h"

#include "controls/Dialog.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

using namespace ctl;

namespace {

// A run of this many characters without a blank may be broken after any of them.
constexpr int kLongestUnbrokenRun = 32;

// The text with a zero-width space after every kLongestUnbrokenRun characters of a run without a
// blank. A message box word-wraps its text, and a word wider than the screen (a long path, typed
// text without blanks) would make it grow off the screen; the zero-width spaces let it wrap there
// and show nothing.
QString WithBreaks(const QString& text) {
    QString broken;
    broken.reserve(text.size() + text.size() / kLongestUnbrokenRun);
    int nRun = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            nRun = 0;
        } else if (nRun == kLongestUnbrokenRun && !c.isLowSurrogate()) {
            broken += QChar(0x200B);
            nRun = 0;
        }
        broken += c;
        nRun += c.isLowSurrogate() ? 0 : 1;
    }
    return broken;
}

} // namespace

CQtDialogHost::CQtDialogHost() {
    CComboStyle::InstallOnApplication();
    InstallAccessibleLists();
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
    // Message boxes given before the dialog was shown now show over it.
    std::vector<CPendingBox> pending;
    for (auto it = m_pendingBoxes.begin(); it != m_pendingBoxes.end();) {
        if (it->pOwner == &dlg) {
            pending.push_back(std::move(*it));
            it = m_pendingBoxes.erase(it);
        } else {
            ++it;
        }
    }
    for (CPendingBox& box : pending) {
        ShowMessageBox(dlg, box.text, box.caption, 0, std::move(box.onClosed));
    }
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
    if (WindowFor(owner) == nullptr && !owner.IsShown()) {
        m_pendingBoxes.push_back({&owner, text, caption, std::move(onClosed)});
        return;
    }
    // Every message box of the dialogs is a plain notice with an OK button.
    auto* pBox = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(caption.c_str()),
                                 WithBreaks(QString::fromUtf8(text.c_str())), QMessageBox::Ok,
                                 WindowFor(owner));
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
