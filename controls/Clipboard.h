#pragma once

#include <string>

namespace ctl {

// The system clipboard as the Copy command uses it: open, empty, place one text, close. Each call
// reports whether the platform accepted it.
class IClipboard {
public:
    virtual bool Open() = 0;
    virtual bool Empty() = 0;
    // Places a single-byte text; the clipboard keeps its own copy.
    virtual bool SetText(const std::string& text) = 0;
    virtual void Close() = 0;

protected:
    ~IClipboard() = default;
};

} // namespace ctl
