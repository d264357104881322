#include "ShellWords.h"

namespace spanwise::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Characters a backslash escapes inside double quotes; before any other the backslash stays.
bool IsDoubleQuoteEscapable(char c) {
    return c == '"' || c == '\\' || c == '$' || c == '`';
}

} // namespace

bool SplitShellWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    std::string word;
    bool bInWord = false;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = line[i];
        if (IsBlank(c)) {
            if (bInWord) {
                words.push_back(word);
                word.clear();
                bInWord = false;
            }
            continue;
        }
        bInWord = true;
        if (c == '\\') {
            if (i + 1 >= n) {
                error = "the line ends in a backslash";
                return false;
            }
            word += line[++i];
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string::npos) {
                error = "a single quote is not closed";
                return false;
            }
            word.append(line, i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            bool bClosed = false;
            for (++i; i < n; ++i) {
                if (line[i] == '"') {
                    bClosed = true;
                    break;
                }
                if (line[i] == '\\' && i + 1 < n && IsDoubleQuoteEscapable(line[i + 1])) {
                    ++i;
                }
                word += line[i];
            }
            if (!bClosed) {
                error = "a double quote is not closed";
                return false;
            }
        } else {
            word += c;
        }
    }
    if (bInWord) {
        words.push_back(word);
    }
    return true;
}

} // namespace spanwise::cli
