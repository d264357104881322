#include "WindowsApi.h"

#include "TextExtents.h"

#include <algorithm>
#include <string>

namespace {

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return name;
}

// A device context with the control's font selected, released when it goes.
class CControlDC {
public:
    explicit CControlDC(HWND hwnd)
        : m_hwnd(hwnd), m_hdc(GetDC(hwnd)),
          m_hOldFont(SelectObject(
              m_hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)))) {}
    ~CControlDC() {
        SelectObject(m_hdc, m_hOldFont);
        ReleaseDC(m_hwnd, m_hdc);
    }
    CControlDC(const CControlDC&) = delete;
    CControlDC& operator=(const CControlDC&) = delete;

    HDC Get() const { return m_hdc; }
    // The text's extent as DrawText draws it with flags, lines broken at width where it wraps.
    SIZE Extent(const std::wstring& text, UINT flags, LONG width = 0) const {
        RECT rect{0, 0, width, 0};
        DrawTextW(m_hdc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | flags);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    LONG AverageCharWidth() const {
        TEXTMETRICW metrics{};
        GetTextMetricsW(m_hdc, &metrics);
        return metrics.tmAveCharWidth;
    }

private:
    HWND m_hwnd;
    HDC m_hdc;
    HGDIOBJ m_hOldFont;
};

LONG Width(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect.right - rect.left;
}

// The frame a control draws around its client area, both sides together.
SIZE FrameOf(HWND hwnd) {
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return {window.right - window.left - client.right, window.bottom - window.top - client.bottom};
}

bool IsStaticText(HWND hwnd, LONG style) {
    const LONG type = style & SS_TYPEMASK;
    return ClassOf(hwnd) == L"Static" &&
           (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
            type == SS_LEFTNOWORDWRAP);
}

// A static text wraps at blanks, but where it is one line centred on its height or told not to,
// and where its box holds one line only: there it stays on one line, as on the other front ends.
bool Wraps(HWND hwnd, LONG style) {
    const LONG type = style & SS_TYPEMASK;
    if ((style & SS_CENTERIMAGE) != 0 ||
        (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT)) {
        return false;
    }
    const CControlDC dc(hwnd);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.bottom >= 2 * metrics.tmHeight;
}

int StaticWidthNeed(HWND hwnd, LONG style, const std::wstring& text) {
    const CControlDC dc(hwnd);
    const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    LONG nWidest = 0;
    if (!Wraps(hwnd, style)) {
        nWidest = dc.Extent(text, prefix).cx;
    } else {
        // Its longest word must fit on a line.
        std::size_t nAt = 0;
        while (nAt < text.size()) {
            const std::size_t nEnd = std::min(text.find_first_of(L" \n", nAt), text.size());
            nWidest = std::max(nWidest, dc.Extent(text.substr(nAt, nEnd - nAt), prefix).cx);
            nAt = nEnd + 1;
        }
    }
    return static_cast<int>(nWidest + FrameOf(hwnd).cx);
}

int ComboWidthNeed(HWND hwnd) {
    const auto nCount = static_cast<int>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0));
    if (nCount <= 0) {
        return 0;
    }
    const CControlDC dc(hwnd);
    LONG nWidest = 0;
    for (int i = 0; i < nCount; ++i) {
        const auto nLength = SendMessageW(hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring entry(static_cast<std::size_t>(std::max<LRESULT>(nLength, 0)) + 1, L'\0');
        entry.resize(static_cast<std::size_t>(
            std::max<LRESULT>(SendMessageW(hwnd, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                           reinterpret_cast<LPARAM>(entry.data())),
                              0)));
        nWidest = std::max(nWidest, dc.Extent(entry, DT_NOPREFIX | DT_SINGLELINE).cx);
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd, &info) == FALSE) {
        return 0;
    }
    // The frame and the button take what the entry's box leaves of the list's width.
    return static_cast<int>(nWidest + Width(hwnd) - (info.rcItem.right - info.rcItem.left));
}

int ButtonWidthNeed(HWND hwnd, LONG style, const std::wstring& text) {
    const CControlDC dc(hwnd);
    const LONG nText = dc.Extent(text, DT_SINGLELINE).cx;
    if ((style & BS_TYPEMASK) == BS_GROUPBOX) {
        // The caption stands in from the frame's left end and leaves as much room after it.
        return static_cast<int>(nText + 2 * dc.AverageCharWidth());
    }
    // The button's edge and the focus rectangle inside it.
    return static_cast<int>(nText + 4 * (GetSystemMetrics(SM_CXEDGE) + 1));
}

} // namespace

int TextWidthNeed(HWND hwndControl) {
    const auto style = static_cast<LONG>(GetWindowLongW(hwndControl, GWL_STYLE));
    const std::wstring className = ClassOf(hwndControl);
    if (className == L"ComboBox") {
        return ComboWidthNeed(hwndControl);
    }
    const std::wstring text = WindowText(hwndControl);
    if (text.empty()) {
        return 0;
    }
    if (IsStaticText(hwndControl, style)) {
        return StaticWidthNeed(hwndControl, style, text);
    }
    if (className == L"Button") {
        return ButtonWidthNeed(hwndControl, style, text);
    }
    return 0;
}

int TextHeightNeed(HWND hwndControl) {
    const auto style = static_cast<LONG>(GetWindowLongW(hwndControl, GWL_STYLE));
    const std::wstring text = WindowText(hwndControl);
    if (text.empty() || !IsStaticText(hwndControl, style) || !Wraps(hwndControl, style)) {
        return 0;
    }
    RECT client{};
    GetClientRect(hwndControl, &client);
    const CControlDC dc(hwndControl);
    const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    return static_cast<int>(dc.Extent(text, DT_WORDBREAK | prefix, client.right).cy +
                            FrameOf(hwndControl).cy);
}

std::vector<ctl::CTextExtent> MeasureTexts(const std::vector<HWND>& controls) {
    std::vector<ctl::CTextExtent> extents;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == nullptr) {
            continue;
        }
        const ctl::CTextExtent extent{i, TextWidthNeed(controls[i]), TextHeightNeed(controls[i])};
        if (extent.cx > 0 || extent.cy > 0) {
            extents.push_back(extent);
        }
    }
    return extents;
}

ctl::CDialogBaseUnits DialogBaseUnits(HWND hwndDialog) {
    RECT rect{0, 0, 4, 8};
    MapDialogRect(hwndDialog, &rect);
    return {static_cast<int>(rect.right), static_cast<int>(rect.bottom)};
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
