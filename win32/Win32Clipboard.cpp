#include "WindowsApi.h"

#include "Win32Clipboard.h"

#include <cstring>

bool CWin32Clipboard::Open() {
    return OpenClipboard(m_hwndOwner) != FALSE;
}

bool CWin32Clipboard::Empty() {
    return EmptyClipboard() != FALSE;
}

bool CWin32Clipboard::SetText(const std::string& text) {
    const SIZE_T nBytes = text.size() + 1;
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nBytes);
    if (hBlock == nullptr) {
        return false;
    }
    void* pBlock = GlobalLock(hBlock);
    if (pBlock == nullptr) {
        GlobalFree(hBlock);
        return false;
    }
    std::memcpy(pBlock, text.c_str(), nBytes);
    GlobalUnlock(hBlock);
    if (SetClipboardData(CF_TEXT, hBlock) == nullptr) {
        GlobalFree(hBlock);
        return false;
    }
    // The clipboard owns the block now.
    return true;
}

void CWin32Clipboard::Close() {
    CloseClipboard();
}
