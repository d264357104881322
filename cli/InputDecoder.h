#pragma once

#include <streambuf>
#include <string>

namespace spanwise::cli {

// Standard input as UTF-8, whichever way it was written: text that starts with a UTF-16
// byte-order mark (what Windows PowerShell 5.1's ">" and Notepad's "Unicode" write), little- or
// big-endian, is decoded to UTF-8 without its mark; any other text passes as it is, byte for byte.
// Reads only what the source has at hand, so a reader on a terminal or a pipe is never kept
// waiting for more than the next line needs.
class CInputDecoder final : public std::streambuf {
public:
    explicit CInputDecoder(std::streambuf& source) : m_source(source) {}

protected:
    int_type underflow() override;
    std::streamsize showmanyc() override;

private:
    enum class Encoding { Unknown, Bytes, Utf16Le, Utf16Be };

    // Appends what the source has at hand to m_raw, waiting for one byte at least; false at the
    // end of the source.
    bool ReadAvailable();
    // Moves what m_raw holds, as far as it can be decoded, to m_text.
    void Decode(bool bFinal);
    void DetectEncoding(bool bFinal);

    std::streambuf& m_source;
    Encoding m_encoding = Encoding::Unknown;
    std::string m_raw;  // read from the source, not yet decoded
    std::string m_text; // decoded, what the get area hands out
};

} // namespace spanwise::cli
