#pragma once

#include <string>
#include <vector>

namespace ctl {

#ifndef MF_STRING
constexpr unsigned MF_STRING = 0x0000;
#endif
#ifndef MF_SEPARATOR
constexpr unsigned MF_SEPARATOR = 0x0800;
#endif

// The dialog's window menu. The window system shows its items where its users look for them and
// sends a chosen item's id back as a system command.
class CMenu {
public:
    struct CItem {
        unsigned nFlags;
        unsigned nID;
        std::string text;
    };

    bool AppendMenu(unsigned nFlags, unsigned nIDNewItem = 0, const std::string& text = {}) {
        m_items.push_back({nFlags, nIDNewItem, text});
        return true;
    }
    const std::vector<CItem>& Items() const { return m_items; }

private:
    std::vector<CItem> m_items;
};

// An icon resource at one size.
struct HICON {
    int nResource = 0;
    int nSize = 0; // pixels; 0 for none
    bool IsNull() const { return nResource == 0; }
};

} // namespace ctl
