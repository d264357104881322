#include "Language.h"

#include "Catalogue.h"

namespace spanwise::lang {

namespace {

// The language the program speaks: one for the process, as the C library's locale is.
std::string g_strLanguage;
const CCatalogue* g_pCatalogue = nullptr;

// The language part of a locale or language tag: "ja" of "ja_JP.UTF-8" and of "ja-JP", in lower
// case.
std::string LanguagePart(std::string_view name) {
    std::string code;
    for (const char c : name) {
        if (c == '_' || c == '-' || c == '.' || c == '@') {
            break;
        }
        code += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return code;
}

} // namespace

std::string LanguageOfLocale(std::string_view locale) {
    const std::string code = LanguagePart(locale);
    return FindCatalogue(code) != nullptr ? code : std::string();
}

std::string LanguageOfEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') {
            return LanguageOfLocale(value);
        }
    }
    return {};
}

std::string FirstSpokenLanguage(const std::vector<std::string>& preferred) {
    for (const std::string& tag : preferred) {
        const std::string code = LanguagePart(tag);
        if (code == "en" || FindCatalogue(code) != nullptr) {
            return code == "en" ? std::string() : code;
        }
    }
    return {};
}

bool SetLanguage(std::string_view code) {
    const std::string wanted = LanguagePart(code);
    g_pCatalogue = FindCatalogue(wanted);
    g_strLanguage = g_pCatalogue != nullptr ? wanted : std::string();
    return g_pCatalogue != nullptr || wanted.empty() || wanted == "en";
}

const std::string& GetLanguage() {
    return g_strLanguage;
}

const CCatalogue* GetSpokenCatalogue() {
    return g_pCatalogue;
}

std::string LanguageCodes() {
    std::string codes = "en";
    for (const std::string& code : GetCatalogueCodes()) {
        codes.append(", ").append(code);
    }
    return codes;
}

CEnglishScope::CEnglishScope() : m_strSaved(g_strLanguage) {
    SetLanguage({});
}

CEnglishScope::~CEnglishScope() {
    SetLanguage(m_strSaved);
}

} // namespace spanwise::lang
