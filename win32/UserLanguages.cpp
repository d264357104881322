#include "WindowsApi.h"

#include "UserLanguages.h"

#include "TextConversion.h"

std::vector<std::string> GetUserLanguages() {
    ULONG nLanguages = 0;
    ULONG nLength = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &nLanguages, nullptr, &nLength) ||
        nLength == 0) {
        return {};
    }
    std::wstring buffer(nLength, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &nLanguages, buffer.data(), &nLength)) {
        return {};
    }
    // "ja-JP\0en-US\0\0"
    std::vector<std::string> languages;
    for (std::size_t start = 0; start < buffer.size() && buffer[start] != L'\0';) {
        const std::size_t end = buffer.find(L'\0', start);
        languages.push_back(Narrow(buffer.substr(start, end - start)));
        start = end + 1;
    }
    return languages;
}
