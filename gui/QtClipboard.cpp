#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

QClipboard* SystemClipboard() {
    // Without a GUI application there is no clipboard to talk to.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return nullptr;
    }
    return QGuiApplication::clipboard();
}

} // namespace

bool CQtClipboard::Open() {
    if (m_bOpen || SystemClipboard() == nullptr) {
        return false;
    }
    m_bOpen = true;
    return true;
}

bool CQtClipboard::Empty() {
    QClipboard* pClipboard = SystemClipboard();
    if (!m_bOpen || pClipboard == nullptr) {
        return false;
    }
    pClipboard->clear(QClipboard::Clipboard);
    return true;
}

bool CQtClipboard::SetText(const std::string& text) {
    QClipboard* pClipboard = SystemClipboard();
    if (!m_bOpen || pClipboard == nullptr) {
        return false;
    }
    const QString placed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    auto* pData = new QMimeData;
    pData->setText(placed);
    pClipboard->setMimeData(pData, QClipboard::Clipboard);
    // A platform that refused the data leaves something else, or nothing, on the clipboard.
    return pClipboard->text(QClipboard::Clipboard) == placed;
}

void CQtClipboard::Close() {
    m_bOpen = false;
}
