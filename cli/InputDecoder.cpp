#include "InputDecoder.h"

#include "Utf16.h"

#include <algorithm>
#include <vector>

namespace spanwise::cli {

namespace {

constexpr std::streamsize kChunk = std::streamsize{64} * 1024;
// The most bytes one decoded character of UTF-16 takes: a surrogate pair.
constexpr std::size_t kLongestUtf16 = 4;

} // namespace

CInputDecoder::int_type CInputDecoder::underflow() {
    m_text.clear();
    bool bMore = true;
    while (m_text.empty() && bMore) {
        bMore = ReadAvailable();
        Decode(!bMore);
    }
    if (m_text.empty()) {
        setg(nullptr, nullptr, nullptr);
        return traits_type::eof();
    }
    setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
    return traits_type::to_int_type(m_text.front());
}

std::streamsize CInputDecoder::showmanyc() {
    const std::streamsize nSource = std::max<std::streamsize>(m_source.in_avail(), 0);
    const auto nBytes = nSource + static_cast<std::streamsize>(m_raw.size());
    switch (m_encoding) {
    case Encoding::Bytes:
        return nBytes;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return nBytes >= static_cast<std::streamsize>(kLongestUtf16) ? 1 : 0;
    case Encoding::Unknown:
        break;
    }
    return 0;
}

bool CInputDecoder::ReadAvailable() {
    if (traits_type::eq_int_type(m_source.sgetc(), traits_type::eof())) {
        return false;
    }
    const std::streamsize nWant = std::clamp<std::streamsize>(m_source.in_avail(), 1, kChunk);
    const std::size_t nOld = m_raw.size();
    m_raw.resize(nOld + static_cast<std::size_t>(nWant));
    const std::streamsize nGot = m_source.sgetn(&m_raw[nOld], nWant);
    m_raw.resize(nOld + static_cast<std::size_t>(std::max<std::streamsize>(nGot, 0)));
    return true;
}

void CInputDecoder::DetectEncoding(bool bFinal) {
    const auto startsWith = [this](const char* mark) { return m_raw.compare(0, 2, mark) == 0; };
    if (m_raw.size() >= 2 && startsWith("\xFF\xFE")) {
        m_encoding = Encoding::Utf16Le;
    } else if (m_raw.size() >= 2 && startsWith("\xFE\xFF")) {
        m_encoding = Encoding::Utf16Be;
    } else if (m_raw.size() >= 2 || bFinal ||
               (!m_raw.empty() && m_raw[0] != '\xFF' && m_raw[0] != '\xFE')) {
        m_encoding = Encoding::Bytes;
        return;
    } else {
        return; // one byte that may begin a mark: wait for the next
    }
    m_raw.erase(0, 2);
}

void CInputDecoder::Decode(bool bFinal) {
    if (m_encoding == Encoding::Unknown) {
        DetectEncoding(bFinal);
    }
    if (m_encoding == Encoding::Unknown) {
        return;
    }
    if (m_encoding == Encoding::Bytes) {
        m_text.swap(m_raw);
        m_raw.clear();
        return;
    }
    const bool bLittleEndian = m_encoding == Encoding::Utf16Le;
    std::vector<char16_t> units(m_raw.size() / 2);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(m_raw[2 * i]);
        const auto second = static_cast<unsigned char>(m_raw[2 * i + 1]);
        units[i] =
            static_cast<char16_t>(bLittleEndian ? first | (second << 8) : (first << 8) | second);
    }
    const std::size_t nTaken = AppendUtf16AsUtf8(units.data(), units.size(), bFinal, m_text);
    m_raw.erase(0, 2 * nTaken);
    if (bFinal && !m_raw.empty()) {
        m_text += "\xEF\xBF\xBD"; // U+FFFD for half a code unit at the end
        m_raw.clear();
    }
}

} // namespace spanwise::cli
