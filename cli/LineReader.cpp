#include "LineReader.h"

namespace spanwise::cli {

namespace {

using Traits = std::streambuf::traits_type;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

bool CLineReader::Next(std::string& line) {
    line.clear();
    Traits::int_type c = m_in.sbumpc();
    if (m_bAfterCr && c == '\n') {
        c = m_in.sbumpc();
    }
    m_bAfterCr = false;
    if (c == Traits::eof()) {
        return false;
    }
    for (; c != Traits::eof() && c != '\n' && c != '\r'; c = m_in.sbumpc()) {
        line += Traits::to_char_type(static_cast<Traits::int_type>(c));
    }
    m_bAfterCr = c == '\r';
    if (++m_nLine == 1 && line.compare(0, sizeof kByteOrderMark - 1, kByteOrderMark) == 0) {
        line.erase(0, sizeof kByteOrderMark - 1);
    }
    return true;
}

} // namespace spanwise::cli
