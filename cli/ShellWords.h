#pragma once

#include <string>
#include <vector>

namespace spanwise::cli {

enum class SplitResult {
    Words,     // words holds the line's words
    Continues, // the text ends in a backslash that joins the next line to it
    Failed,    // error says why the line has no words
};

// Splits one scenario line into words as a POSIX shell would: blanks (space, tab) separate words;
// '...' keeps everything literally; "..." keeps everything but the escapes \" \\ \$ \` and drops
// a backslash-newline; outside quotes a backslash takes the next character literally and a
// backslash-newline is dropped; a word that begins with an unquoted # starts a comment that runs
// to the end of the line. A backslash that ends the text outside single quotes asks for the next
// line: the caller appends "\n" and that line, and splits the whole again. Quotes close on the
// line they open on, or on a line joined to it. Fails for a quote that is not closed and for a
// NUL byte anywhere in the text.
SplitResult SplitShellWords(const std::string& text, std::vector<std::string>& words,
                            std::string& error);

} // namespace spanwise::cli
