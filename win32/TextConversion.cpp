#include "WindowsApi.h"

#include "TextConversion.h"

std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int nSize = static_cast<int>(text.size());
    const int nWide = MultiByteToWideChar(CP_UTF8, 0, text.data(), nSize, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), nSize, wide.data(), nWide);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int nSize = static_cast<int>(text.size());
    const int nBytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), nSize, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), nSize, narrow.data(), nBytes, nullptr, nullptr);
    return narrow;
}
