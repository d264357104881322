#include "WindowsApi.h"

#include "MessageText.h"

#include <algorithm>

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// How many characters from text[nAt] before nEnd fit in nMaxWidth, at least one, never half a
// surrogate pair.
std::size_t CountFitting(HDC hdc, const std::wstring& text, std::size_t nAt, std::size_t nEnd,
                         int nMaxWidth) {
    int nFit = 0;
    SIZE size{};
    GetTextExtentExPointW(hdc, text.data() + nAt, static_cast<int>(nEnd - nAt), nMaxWidth, &nFit,
                          nullptr, &size);
    std::size_t nCount = std::max<std::size_t>(static_cast<std::size_t>(nFit), 1);
    while (nAt + nCount < nEnd && IS_LOW_SURROGATE(text[nAt + nCount])) {
        ++nCount;
    }
    return nCount;
}

} // namespace

std::wstring BreakLongRuns(const std::wstring& text, HWND hwndOwner) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwndOwner, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const int nMaxWidth = (monitor.rcWork.right - monitor.rcWork.left) / 2;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT hFont = CreateFontIndirectW(&metrics.lfMessageFont);
    HDC hdc = GetDC(nullptr);
    const HGDIOBJ hOldFont = SelectObject(hdc, hFont);

    std::wstring broken;
    for (std::size_t nAt = 0; nAt < text.size();) {
        if (IsBlank(text[nAt])) {
            broken += text[nAt++];
            continue;
        }
        const std::size_t nEnd =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(nAt), text.end(), IsBlank) -
            text.begin();
        const std::size_t nCount = CountFitting(hdc, text, nAt, nEnd, nMaxWidth);
        broken.append(text, nAt, nCount);
        nAt += nCount;
        if (nAt < nEnd) {
            broken += L'\n';
        }
    }
    SelectObject(hdc, hOldFont);
    ReleaseDC(nullptr, hdc);
    DeleteObject(hFont);
    return broken;
}
