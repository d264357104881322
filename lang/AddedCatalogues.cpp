#include "Catalogue.h"

#include <cstring>

namespace spanwise::lang {

namespace {

// The catalogue read at run time, which owns its texts: the messages point into them. A program
// reads one, for the language it speaks.
struct CReadCatalogue {
    std::string code;
    std::vector<std::string> texts;
    std::vector<CMessage> messages;
    CCatalogue catalogue{};
};

CReadCatalogue& ReadCatalogue() {
    static CReadCatalogue read;
    return read;
}

} // namespace

void AddCatalogueEntries(const std::string& code, std::vector<std::string> texts) {
    CReadCatalogue& read = ReadCatalogue();
    read.code = code;
    read.texts = std::move(texts);
    read.messages.clear();
    for (std::size_t i = 0; i + 1 < read.texts.size(); i += 2) {
        const CMessage message{read.texts[i].c_str(), read.texts[i + 1].c_str()};
        if (*message.msgid == '\0' || *message.msgstr == '\0') {
            continue;
        }
        // Into the byte order TranslateIn searches. The page's texts come in that order (the
        // build writes them so), which this sort, smaller in the page's download than std::sort,
        // then only checks.
        std::size_t at = read.messages.size();
        read.messages.push_back(message);
        for (; at > 0 && std::strcmp(read.messages[at - 1].msgid, message.msgid) > 0; --at) {
            read.messages[at] = read.messages[at - 1];
        }
        read.messages[at] = message;
    }
    read.catalogue = {read.code.c_str(), read.messages.data(), read.messages.size()};
    AddCatalogues(&read.catalogue, 1);
}

} // namespace spanwise::lang
