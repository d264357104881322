#pragma once

#include <functional>
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
    // A clipboard that takes the text only after Close (a browser's) calls onRefused if it then
    // refuses it; one that answers at once never does.
    virtual void WhenRefusedLater(std::function<void()> onRefused) { (void)onRefused; }

protected:
    ~IClipboard() = default;
};

} // namespace ctl
