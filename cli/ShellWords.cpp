#include "ShellWords.h"

#include "lang/Catalogue.h"

namespace spanwise::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Characters a backslash escapes inside double quotes; before any other the backslash stays.
bool IsDoubleQuoteEscapable(char c) {
    return c == '"' || c == '\\' || c == '$' || c == '`';
}

} // namespace

SplitResult SplitShellWords(const std::string& text, std::vector<std::string>& words,
                            std::string& error) {
    words.clear();
    std::string word;
    bool bInWord = false;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < n && text[i + 1] == '\n') {
            ++i; // a line joined to this one: the two lines read as one
            continue;
        }
        if (IsBlank(c)) {
            if (bInWord) {
                words.push_back(word);
                word.clear();
                bInWord = false;
            }
            continue;
        }
        if (c == '#' && !bInWord) {
            break; // a comment, to the end of the line
        }
        bInWord = true;
        if (c == '\\') {
            if (i + 1 >= n) {
                return SplitResult::Continues;
            }
            word += text[++i];
        } else if (c == '\'') {
            const std::size_t close = text.find('\'', i + 1);
            if (close == std::string::npos) {
                error = lang::Translate("a single quote is not closed");
                return SplitResult::Failed;
            }
            word.append(text, i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            bool bClosed = false;
            for (++i; i < n; ++i) {
                if (text[i] == '"') {
                    bClosed = true;
                    break;
                }
                if (text[i] == '\\' && i + 1 >= n) {
                    return SplitResult::Continues;
                }
                if (text[i] == '\\' && text[i + 1] == '\n') {
                    ++i;
                    continue;
                }
                if (text[i] == '\\' && IsDoubleQuoteEscapable(text[i + 1])) {
                    ++i;
                }
                word += text[i];
            }
            if (!bClosed) {
                error = lang::Translate("a double quote is not closed");
                return SplitResult::Failed;
            }
        } else {
            word += c;
        }
    }
    // A NUL cannot have been typed as part of a selection; even in a comment it marks a damaged
    // line rather than a note.
    if (text.find('\0') != std::string::npos) {
        error = lang::Translate("the line holds a NUL byte");
        return SplitResult::Failed;
    }
    if (bInWord) {
        words.push_back(word);
    }
    return SplitResult::Words;
}

} // namespace spanwise::cli
