#pragma once

#include <streambuf>
#include <string>

namespace spanwise::cli {

// Splits a text into lines as it arrives: LF, CR LF and a lone CR each end a line, also mixed in
// one text; a UTF-8 byte-order mark at the very start is skipped; the last line needs no line
// end. A lone CR is taken as a line end at once, so the reader never waits for the byte after it.
class CLineReader {
public:
    explicit CLineReader(std::streambuf& in) : m_in(in) {}

    // The next line, without its line end; false at the end of the input or when reading failed.
    bool Next(std::string& line);
    // The number of the line Next gave last, counting from 1.
    long GetLineNumber() const { return m_nLine; }
    // Whether reading on may wait for input that has not arrived yet: nothing is buffered.
    bool MayWait() const { return m_in.in_avail() <= 0; }

private:
    std::streambuf& m_in;
    long m_nLine = 0;
    bool m_bAfterCr = false; // an LF right after the last line's CR belongs to that line end
};

} // namespace spanwise::cli
