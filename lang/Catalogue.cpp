#include "Catalogue.h"

#include "Language.h"

#include <algorithm>
#include <cstring>

namespace spanwise::lang {

namespace {

struct CAddedCatalogues {
    const CCatalogue* catalogues;
    std::size_t nCount;
};

std::vector<CAddedCatalogues>& AddedCatalogues() {
    static std::vector<CAddedCatalogues> added;
    return added;
}

} // namespace

void AddCatalogues(const CCatalogue* catalogues, std::size_t nCount) {
    std::vector<CAddedCatalogues>& added = AddedCatalogues();
    if (std::none_of(added.begin(), added.end(), [catalogues](const CAddedCatalogues& entry) {
            return entry.catalogues == catalogues;
        })) {
        added.push_back({catalogues, nCount});
    }
}

std::vector<std::string> GetCatalogueCodes() {
    std::vector<std::string> codes;
    for (const CAddedCatalogues& entry : AddedCatalogues()) {
        for (std::size_t i = 0; i < entry.nCount; ++i) {
            if (std::find(codes.begin(), codes.end(), entry.catalogues[i].code) == codes.end()) {
                codes.emplace_back(entry.catalogues[i].code);
            }
        }
    }
    return codes;
}

const CCatalogue* FindCatalogue(std::string_view code) {
    for (const CAddedCatalogues& entry : AddedCatalogues()) {
        for (std::size_t i = 0; i < entry.nCount; ++i) {
            if (code == entry.catalogues[i].code) {
                return &entry.catalogues[i];
            }
        }
    }
    return nullptr;
}

const char* TranslateIn(const CCatalogue* catalogue, const char* text) {
    if (catalogue == nullptr || text == nullptr || *text == '\0') {
        return text; // "" is the catalogue's header, never a text
    }
    const CMessage* const end = catalogue->messages + catalogue->nCount;
    const CMessage* const found = std::lower_bound(
        catalogue->messages, end, text,
        [](const CMessage& message, const char* id) { return std::strcmp(message.msgid, id) < 0; });
    return found != end && std::strcmp(found->msgid, text) == 0 ? found->msgstr : text;
}

std::vector<std::string> GetEveryTranslation(const char* text) {
    std::vector<std::string> names{text};
    for (const CAddedCatalogues& entry : AddedCatalogues()) {
        for (std::size_t i = 0; i < entry.nCount; ++i) {
            const char* translated = TranslateIn(&entry.catalogues[i], text);
            if (std::find(names.begin(), names.end(), translated) == names.end()) {
                names.emplace_back(translated);
            }
        }
    }
    return names;
}

const char* Translate(const char* text) {
    const CCatalogue* spoken = GetSpokenCatalogue();
    if (spoken == nullptr) {
        return text;
    }
    for (const CAddedCatalogues& entry : AddedCatalogues()) {
        for (std::size_t i = 0; i < entry.nCount; ++i) {
            if (std::strcmp(entry.catalogues[i].code, spoken->code) == 0) {
                const char* translated = TranslateIn(&entry.catalogues[i], text);
                if (translated != text) {
                    return translated;
                }
            }
        }
    }
    return text;
}

std::string Translate(const std::string& text) {
    return Translate(text.c_str());
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            text += c;
            continue;
        }
        const char next = pattern[i + 1];
        const auto nArg = static_cast<std::size_t>(next - '1');
        if (next == '%') {
            text += '%';
            ++i;
        } else if (next >= '1' && next <= '9' && nArg < args.size()) {
            text += *(args.begin() + nArg);
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string TranslateFormat(const char* pattern, std::initializer_list<std::string_view> args) {
    return FormatText(Translate(pattern), args);
}

std::string CommandLineFormat(const char* pattern, std::initializer_list<std::string_view> args) {
    return TranslateFormat(pattern, args);
}

} // namespace spanwise::lang
