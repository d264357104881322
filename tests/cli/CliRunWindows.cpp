// RunCli on Windows, through the C runtime: the child inherits the three standard streams, each
// pointed at a temporary file for the length of the run.

#include "CliRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <stdexcept>
#include <sys/stat.h>

namespace spanwise::test {

namespace {

// A temporary file, open for reading and writing, removed when closed. The child sees it in text
// mode, as it sees a file a shell redirects it to; this process reads back the bytes themselves.
class CTempFile {
public:
    CTempFile() {
        static int nSerial = 0;
        const std::string path = ::testing::TempDir() + "spanwise-cli-" +
                                 std::to_string(_getpid()) + "-" + std::to_string(++nSerial);
        m_fd = _open(path.c_str(), _O_CREAT | _O_TRUNC | _O_RDWR | _O_TEXT | _O_TEMPORARY,
                     _S_IREAD | _S_IWRITE);
        if (m_fd < 0) {
            throw std::runtime_error("cannot create " + path);
        }
    }
    ~CTempFile() { _close(m_fd); }
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    int Fd() const { return m_fd; }

    void Write(const std::string& text) const {
        _setmode(m_fd, _O_BINARY);
        for (std::size_t nDone = 0; nDone < text.size();) {
            const int n =
                _write(m_fd, text.data() + nDone, static_cast<unsigned>(text.size() - nDone));
            if (n < 0) {
                throw std::runtime_error("cannot write a temporary file");
            }
            nDone += static_cast<std::size_t>(n);
        }
        _lseek(m_fd, 0, SEEK_SET);
        _setmode(m_fd, _O_TEXT);
    }

    std::string ReadAll() const {
        std::string text;
        char buffer[65536];
        _setmode(m_fd, _O_BINARY);
        _lseek(m_fd, 0, SEEK_SET);
        for (;;) {
            const int n = _read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                return text;
            }
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }

private:
    int m_fd = -1;
};

// One standard stream of this process pointed elsewhere until the scope ends.
class CRedirect {
public:
    CRedirect(int nStream, int fdTarget) : m_nStream(nStream), m_fdSaved(_dup(nStream)) {
        _dup2(fdTarget, nStream);
    }
    ~CRedirect() {
        _dup2(m_fdSaved, m_nStream);
        _close(m_fdSaved);
    }
    CRedirect(const CRedirect&) = delete;
    CRedirect& operator=(const CRedirect&) = delete;

private:
    int m_nStream;
    int m_fdSaved;
};

// The C runtime joins the arguments with blanks as they are; each is quoted here so that the
// child's runtime splits its command line back into the same words. The arguments are UTF-8
// and the command line UTF-16, as Windows hands it to a program started from a shell.
std::wstring QuoteArgument(const std::string& utf8) {
    const std::u16string units = Utf16(utf8);
    const std::wstring arg(units.begin(), units.end());
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return arg;
    }
    std::wstring quoted = L"\"";
    std::size_t nBackslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++nBackslashes;
            continue;
        }
        // Backslashes double before a quote, which is escaped itself; elsewhere they stand.
        quoted.append(c == L'"' ? nBackslashes * 2 + 1 : nBackslashes, L'\\');
        quoted += c;
        nBackslashes = 0;
    }
    quoted.append(nBackslashes * 2, L'\\');
    return quoted + L"\"";
}

} // namespace

CCliRun RunCli(const std::vector<std::string>& args, const std::string& input, CliInput inputKind,
               CliOutput outputKind) {
    // Standard streams that fail are made with the POSIX system's own devices and descriptors;
    // the Windows build leaves those tests out (CMakePresets.json).
    if (inputKind != CliInput::File || outputKind != CliOutput::File) {
        throw std::runtime_error("only files as standard streams on Windows");
    }
    const CTempFile in;
    const CTempFile out;
    const CTempFile err;
    in.Write(input);

    const std::string program = SPANWISE_CLI_PATH;
    const std::u16string programUnits = Utf16(program);
    const std::wstring wideProgram(programUnits.begin(), programUnits.end());
    std::vector<std::wstring> quoted{QuoteArgument(program)};
    for (const std::string& arg : args) {
        quoted.push_back(QuoteArgument(arg));
    }
    std::vector<const wchar_t*> argv;
    for (const std::wstring& arg : quoted) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);

    std::fflush(stdout);
    std::fflush(stderr);
    intptr_t nStatus = -1;
    {
        const CRedirect stdinScope(0, in.Fd());
        const CRedirect stdoutScope(1, out.Fd());
        const CRedirect stderrScope(2, err.Fd());
        nStatus = _wspawnv(_P_WAIT, wideProgram.c_str(), argv.data());
    }
    if (nStatus < 0 && errno == ENOENT) {
        throw std::runtime_error("cannot start " + program);
    }

    CCliRun run;
    run.nExit = static_cast<int>(nStatus);
    run.out = out.ReadAll();
    run.err = err.ReadAll();
    return run;
}

} // namespace spanwise::test
