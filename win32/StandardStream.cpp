#include "WindowsApi.h"

#include "StandardStream.h"

#include "TextConversion.h"

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

// The console functions take counts of UTF-16 units; old consoles refuse long writes.
constexpr std::size_t kConsoleChunk = 8192;
constexpr wchar_t kCtrlZ = 0x1A;

// What a POSIX system says for what went wrong.
int ErrnoOf(DWORD nError) {
    switch (nError) {
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: // the pipe is being closed
    case ERROR_PIPE_NOT_CONNECTED:
        return EPIPE;
    case ERROR_INVALID_HANDLE:
    case ERROR_ACCESS_DENIED:     // open, but not that way
    case ERROR_INVALID_FUNCTION:  // a handle that does not read or write
    case ERROR_INVALID_PARAMETER: // a handle that is no stream (a closed one, reused)
        return EBADF;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

DWORD ChunkSize(std::size_t nSize) {
    return static_cast<DWORD>(std::min<std::size_t>(nSize, std::numeric_limits<DWORD>::max()));
}

bool IsHighSurrogate(wchar_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}

} // namespace

std::size_t WholeUtf8Prefix(const std::string& text) {
    const std::size_t nEnd = text.size();
    for (std::size_t nBack = 1; nBack <= std::min<std::size_t>(3, nEnd); ++nBack) {
        const auto byte = static_cast<unsigned char>(text[nEnd - nBack]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: its lead is further back
        }
        const std::size_t nLength = byte >= 0xF8   ? 1 // no lead byte at all
                                    : byte >= 0xF0 ? 4
                                    : byte >= 0xE0 ? 3
                                    : byte >= 0xC0 ? 2
                                                   : 1;
        return nLength > nBack ? nEnd - nBack : nEnd;
    }
    return nEnd;
}

CStandardStream::CStandardStream(int fd) {
    const DWORD nWhich = fd == 0   ? STD_INPUT_HANDLE
                         : fd == 1 ? STD_OUTPUT_HANDLE
                                   : STD_ERROR_HANDLE;
    HANDLE hStream = GetStdHandle(nWhich);
    if (hStream == INVALID_HANDLE_VALUE) {
        hStream = nullptr;
    }
    m_hStream = hStream;
    DWORD nMode = 0;
    m_bConsole = hStream != nullptr && GetConsoleMode(hStream, &nMode) != 0;
}

CStandardStream::~CStandardStream() {
    if (m_bConsole && !m_strPartial.empty()) {
        const std::wstring shown = Widen(m_strPartial);
        DWORD nWritten = 0;
        WriteConsoleW(m_hStream, shown.data(), static_cast<DWORD>(shown.size()), &nWritten,
                      nullptr);
    }
}

std::ptrdiff_t CStandardStream::Read(char* data, std::size_t nSize, int& nError) {
    if (m_hStream == nullptr) {
        nError = EBADF;
        return -1;
    }
    if (m_bConsole) {
        return ReadFromConsole(data, nSize, nError);
    }
    DWORD nRead = 0;
    if (ReadFile(m_hStream, data, ChunkSize(nSize), &nRead, nullptr) == 0) {
        const DWORD nReason = GetLastError();
        // A pipe whose writer has gone has simply ended.
        if (nReason == ERROR_BROKEN_PIPE || nReason == ERROR_HANDLE_EOF) {
            return 0;
        }
        nError = ErrnoOf(nReason);
        return -1;
    }
    return static_cast<std::ptrdiff_t>(nRead);
}

std::ptrdiff_t CStandardStream::Write(const char* data, std::size_t nSize, int& nError) {
    if (m_hStream == nullptr) {
        nError = EBADF;
        return -1;
    }
    if (m_bConsole) {
        return WriteToConsole(data, nSize, nError);
    }
    DWORD nWritten = 0;
    if (WriteFile(m_hStream, data, ChunkSize(nSize), &nWritten, nullptr) == 0) {
        nError = ErrnoOf(GetLastError());
        return -1;
    }
    return static_cast<std::ptrdiff_t>(nWritten);
}

std::ptrdiff_t CStandardStream::ReadFromConsole(char* data, std::size_t nSize, int& nError) {
    while (m_strTyped.empty() && !m_bTypedEnd) {
        wchar_t units[kConsoleChunk];
        std::size_t nUnits = 0;
        if (m_chHighSurrogate != 0) {
            units[nUnits++] = m_chHighSurrogate;
            m_chHighSurrogate = 0;
        }
        DWORD nRead = 0;
        if (ReadConsoleW(m_hStream, units + nUnits, static_cast<DWORD>(kConsoleChunk - nUnits),
                         &nRead, nullptr) == 0) {
            nError = ErrnoOf(GetLastError());
            return -1;
        }
        if (nRead == 0) {
            m_bTypedEnd = true;
            break;
        }
        nUnits += nRead;
        const wchar_t* const pEnd = std::find(units, units + nUnits, kCtrlZ);
        if (pEnd != units + nUnits) {
            m_bTypedEnd = true;
            nUnits = static_cast<std::size_t>(pEnd - units);
        } else if (IsHighSurrogate(units[nUnits - 1])) {
            m_chHighSurrogate = units[--nUnits];
        }
        m_strTyped += Narrow(std::wstring(units, nUnits));
    }
    const std::size_t nGiven = std::min(nSize, m_strTyped.size());
    std::copy_n(m_strTyped.begin(), nGiven, data);
    m_strTyped.erase(0, nGiven);
    return static_cast<std::ptrdiff_t>(nGiven);
}

std::ptrdiff_t CStandardStream::WriteToConsole(const char* data, std::size_t nSize, int& nError) {
    std::string text = m_strPartial;
    text.append(data, nSize);
    const std::size_t nWhole = WholeUtf8Prefix(text);
    m_strPartial = text.substr(nWhole);
    text.resize(nWhole);
    // A byte that is not UTF-8 shows as U+FFFD.
    const std::wstring shown = Widen(text);
    for (std::size_t nDone = 0; nDone < shown.size();) {
        std::size_t nChunk = std::min(kConsoleChunk, shown.size() - nDone);
        if (nDone + nChunk < shown.size() && IsHighSurrogate(shown[nDone + nChunk - 1])) {
            --nChunk; // a pair stays together
        }
        DWORD nWritten = 0;
        if (WriteConsoleW(m_hStream, shown.data() + nDone, static_cast<DWORD>(nChunk), &nWritten,
                          nullptr) == 0) {
            nError = ErrnoOf(GetLastError());
            return -1;
        }
        if (nWritten == 0) {
            nError = EIO;
            return -1;
        }
        nDone += nWritten;
    }
    return static_cast<std::ptrdiff_t>(nSize);
}
