#pragma once

#include <cstddef>
#include <string>

// A standard stream of a console program (0 input, 1 output, 2 error) as Windows hands it over,
// for spanwise-cli.exe; this header needs no Windows header.
//
// Text is UTF-8 on both sides. On a console it goes through the console's UTF-16 functions, so
// that every character shows, and reads back, as typed whatever the console's code page; a Ctrl+Z
// typed there ends the input, as it does for every Windows program. Anywhere else (a file, a
// pipe, NUL) the bytes go as they are. A failure is given as the errno value a POSIX system gives
// for it, so that its message reads the same: a pipe whose reader has gone is EPIPE ("Broken
// pipe"), a stream that is not open, or not open that way, EBADF ("Bad file descriptor").
// How many bytes of text, from its start, end on a whole UTF-8 sequence: the start of a sequence
// that text ends in the middle of is left for the bytes that follow it. Bytes that are not UTF-8
// count as whole, as the sign for a bad character shows them.
std::size_t WholeUtf8Prefix(const std::string& text);

class CStandardStream {
public:
    explicit CStandardStream(int fd);
    // Writes out the start of a character that no write completed, as the sign for a bad one.
    ~CStandardStream();
    CStandardStream(const CStandardStream&) = delete;
    CStandardStream& operator=(const CStandardStream&) = delete;

    // Each returns the bytes moved (Read: 0 at the end of the input), or -1 with the errno value
    // in nError.
    std::ptrdiff_t Read(char* data, std::size_t nSize, int& nError);
    std::ptrdiff_t Write(const char* data, std::size_t nSize, int& nError);

    bool IsConsole() const { return m_bConsole; }

private:
    std::ptrdiff_t ReadFromConsole(char* data, std::size_t nSize, int& nError);
    std::ptrdiff_t WriteToConsole(const char* data, std::size_t nSize, int& nError);

    void* m_hStream; // the stream's HANDLE; null when the program was started without it
    bool m_bConsole = false;
    // Console input read but not handed over yet, in UTF-8, and whether a Ctrl+Z has ended it.
    std::string m_strTyped;
    bool m_bTypedEnd = false;
    // The first half of a UTF-16 pair that a console read ended with.
    wchar_t m_chHighSurrogate = 0;
    // The start of a UTF-8 sequence that the last console write ended in the middle of.
    std::string m_strPartial;
};
