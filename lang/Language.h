#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spanwise::lang {

// The language of a locale name as the C library writes it, "ja_JP.UTF-8", "ja", "ja_JP@euro":
// the code of a catalogue built in ("ja"), or "" for English, which is also what "C", "POSIX", an
// empty name and a language without a catalogue speak.
std::string LanguageOfLocale(std::string_view locale);

// The language of the environment as the C library chooses the messages' locale: LC_ALL when set
// and not empty, else LC_MESSAGES, else LANG. Each may be nullptr (unset).
std::string LanguageOfEnvironment(const char* lcAll, const char* lcMessages, const char* lang);

// The first language of a list in preference order (a browser's or Windows' user languages,
// "ja-JP", "en-US") that has a catalogue, else "" (English). English before any other wins.
std::string FirstSpokenLanguage(const std::vector<std::string>& preferred);

// Makes the program speak code ("ja"; "" or "en" for English). False, and English, for a language
// without a catalogue, which a --lang option reports.
bool SetLanguage(std::string_view code);
// The language spoken now: "" for English; and its catalogue, nullptr for English.
const std::string& GetLanguage();
struct CCatalogue;
const CCatalogue* GetSpokenCatalogue();

// The codes a --lang option accepts: "en" and every catalogue's, separated by ", ".
std::string LanguageCodes();

// Speaks English while it lives, then the language spoken before: for the answers whose text is
// the same in every language (JSON, CSV).
class CEnglishScope {
public:
    CEnglishScope();
    ~CEnglishScope();
    CEnglishScope(const CEnglishScope&) = delete;
    CEnglishScope& operator=(const CEnglishScope&) = delete;

private:
    std::string m_strSaved;
};

} // namespace spanwise::lang
