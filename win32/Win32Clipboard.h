#pragma once

#include "WindowsApi.h"

#include "controls/Clipboard.h"

// The Windows clipboard as the Copy command uses it, opened for the dialog window in front.
class CWin32Clipboard final : public ctl::IClipboard {
public:
    void SetOwner(HWND hwndOwner) { m_hwndOwner = hwndOwner; }

    bool Open() override;
    bool Empty() override;
    // One movable, zero-initialised block of the text's length + 1 with the text and its
    // terminating NUL, handed over as CF_TEXT. A block the clipboard refuses is freed again.
    bool SetText(const std::string& text) override;
    void Close() override;

private:
    HWND m_hwndOwner = nullptr;
};
