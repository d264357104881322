#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Marks a text of a constant table for the message catalogue without translating it: the table
// keeps the English, and the code that shows it asks Translate. scripts/update-pot finds it.
#define N_(text) text

namespace spanwise::lang {

// One translated text: the English as written in the sources, and its translation.
struct CMessage {
    const char* msgid;
    const char* msgstr;
};

// The translations of one language, sorted by msgid (byte order), as the build writes them from
// po/<code>.po.
struct CCatalogue {
    const char* code; // "ja"
    const CMessage* messages;
    std::size_t nCount;
};

// Adds catalogues, which SetLanguage and Translate look in, in the order added. Adding the same
// catalogues again changes nothing. A program speaks only the languages of what it added.
void AddCatalogues(const CCatalogue* catalogues, std::size_t nCount);

// The tables the build writes from po/, one for each language of SPANWISE_LANGUAGES
// (cmake/Translations.cmake), each in an object file of its own, so that a program that never
// adds them does not carry them: the core's texts (dialogs, messages, the report), and the texts
// only the programs' command lines show (spanwise-cli's help and messages, the window programs'
// help). The web page adds neither: it fetches the core's texts of the one language it speaks
// (AddCatalogueEntries).
void AddCoreCatalogues();
void AddCommandLineCatalogues();

// Adds the catalogue of language code from texts read while the program runs (the web page's,
// fetched for the one language it is shown in): each English text followed by its translation,
// the pairs in any order; a pair with either empty is left out. The texts are kept, and Translate
// finds them as in a table built in. A program holds one such catalogue: adding another replaces
// it.
void AddCatalogueEntries(const std::string& code, std::vector<std::string> texts);

// The languages of the catalogues added, each once, in the order added.
std::vector<std::string> GetCatalogueCodes();

// The catalogue of a language code ("ja"), or nullptr: English has none.
const CCatalogue* FindCatalogue(std::string_view code);

// The translation of text in catalogue, or text itself when the catalogue lacks it. A text
// without a translation is English wherever it is shown.
const char* TranslateIn(const CCatalogue* catalogue, const char* text);

// text and its translation in every catalogue built in: the names a list's entry is known by
// wherever it is picked by name, whatever the language spoken.
std::vector<std::string> GetEveryTranslation(const char* text);

// The translation of text in the language the program speaks (SetLanguage), or text itself.
const char* Translate(const char* text);
std::string Translate(const std::string& text);

// pattern with %1 ... %9 replaced by the arguments, in whatever order the pattern names them;
// %% is a percent sign. A translation may move the arguments, never drop or add one.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// Translate(pattern), then FormatText.
std::string TranslateFormat(const char* pattern, std::initializer_list<std::string_view> args);

// TranslateFormat for a message only the command lines show, wherever it is written: its
// translation is in the command lines' table (AddCommandLineCatalogues), which the web page does
// not download.
std::string CommandLineFormat(const char* pattern, std::initializer_list<std::string_view> args);

} // namespace spanwise::lang
