#pragma once

#include "controls/Clipboard.h"

// The system clipboard through Qt. Opening only checks that there is a clipboard to use and marks
// it as held; placing the text hands Qt a copy of it and reads it back to see that it arrived.
class CQtClipboard final : public ctl::IClipboard {
public:
    bool Open() override;
    bool Empty() override;
    bool SetText(const std::string& text) override;
    void Close() override;

private:
    bool m_bOpen = false;
};
